#pragma once
// A keyed collection: items numbered from 1 in insertion order, each optionally
// reachable by a unique text key. Keys are compared without regard to case, so a
// station written "PARIS" in one file is found under "Paris" from another.

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"

#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

template <typename T> class Collection {
    struct Element {
        T valeur;
        std::string cle;
    };

public:
    int Count() const { return static_cast<int>(elements_.size()); }
    bool empty() const { return elements_.empty(); }

    // Appends the item; a non-empty key must not be in the collection yet.
    void Add(T valeur, const std::string& cle = {}) {
        std::string normalisee = cle.empty() ? std::string() : Normaliser(cle);
        if (!cle.empty() && positions_.contains(normalisee))
            throw ErreurExecution("La clé " + Citer(cle) + " est déjà dans la collection.");
        elements_.push_back({std::move(valeur), cle});
        if (!cle.empty())
            positions_.emplace(std::move(normalisee), elements_.size() - 1);
    }

    // Item i, 1-based.
    T& Item(int i) { return elements_[Position(i)].valeur; }
    const T& Item(int i) const { return elements_[Position(i)].valeur; }
    // The item of the key; ErreurIndice when the key is absent.
    T& Item(const std::string& cle) { return elements_[PositionCle(cle)].valeur; }
    const T& Item(const std::string& cle) const { return elements_[PositionCle(cle)].valeur; }

    // The item of the key, or nullptr.
    const T* Chercher(const std::string& cle) const {
        const auto it = positions_.find(Normaliser(cle));
        return it == positions_.end() ? nullptr : &elements_[it->second].valeur;
    }
    bool Contient(const std::string& cle) const { return Chercher(cle) != nullptr; }
    // The key item i was added under ("" when none).
    const std::string& Cle(int i) const { return elements_[Position(i)].cle; }

    // Removes item i; the items after it move down by one.
    void Remove(int i) {
        const std::size_t p = Position(i);
        if (!elements_[p].cle.empty())
            positions_.erase(Normaliser(elements_[p].cle));
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(p));
        for (auto& [cle, position] : positions_) {
            if (position > p)
                --position;
        }
    }
    void Clear() {
        elements_.clear();
        positions_.clear();
    }

    // Iteration over the items in order (without their keys).
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        explicit const_iterator(typename std::vector<Element>::const_iterator it) : it_(it) {}
        const T& operator*() const { return it_->valeur; }
        const T* operator->() const { return &it_->valeur; }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator avant = *this;
            ++it_;
            return avant;
        }
        bool operator==(const const_iterator& autre) const { return it_ == autre.it_; }

    private:
        typename std::vector<Element>::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(elements_.begin()); }
    const_iterator end() const { return const_iterator(elements_.end()); }

private:
    std::vector<Element> elements_;
    std::unordered_map<std::string, std::size_t> positions_; // normalised key -> position

    static std::string Normaliser(const std::string& cle) { return EnMajuscules(cle); }

    std::size_t Position(int i) const {
        if (i < 1 || i > Count())
            throw ErreurIndice("Élément " + std::to_string(i) + " hors de la collection (" +
                               std::to_string(Count()) + " éléments).");
        return static_cast<std::size_t>(i - 1);
    }
    std::size_t PositionCle(const std::string& cle) const {
        const auto it = positions_.find(Normaliser(cle));
        if (it == positions_.end())
            throw ErreurIndice("La clé " + Citer(cle) + " n'est pas dans la collection.");
        return it->second;
    }
};
