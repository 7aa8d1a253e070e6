#pragma once
// Routines that move values between keyed collections and the record's fixed arrays,
// build collections from text, give their statistics, and load a file of
// value-and-key lines into a collection of objects (the weather stations).

#include "data/Collection.h"
#include "data/clsDonnees.h"

#include <array>
#include <span>
#include <string>
#include <vector>

using CollectionNombres = Collection<double>;

template <typename T> void ViderCollection(Collection<T>& collection) {
    collection.Clear();
}

// Empties the collection, then adds the value n times (without keys).
template <typename T> void RemplirCollection(Collection<T>& collection, const T& valeur, int n) {
    collection.Clear();
    for (int i = 0; i < n; ++i)
        collection.Add(valeur);
}

// Empties the destination, then adds every item of the source in order (keys are
// not copied). Copying a collection onto itself leaves it as it is.
template <typename T>
void CopierCollection(const Collection<T>& source, Collection<T>& destination) {
    if (&source == &destination)
        return;
    destination.Clear();
    for (const T& valeur : source)
        destination.Add(valeur);
}

// Twelve space-separated values of the text, each through ConvertirNombre; missing
// values give 0 and values after the twelfth are ignored.
void ListeDouzeValeurs(const std::string& texte, CollectionNombres& collection);

// Item i into month i; ErreurIndice at item 13 (months 1..12 already written).
void CollectionVersMois(std::array<float, 13>& mois, const CollectionNombres& collection);
// Months 1..12 as 12 items.
void MoisVersCollection(const std::array<float, 13>& mois, CollectionNombres& collection);
// Item i into element i (element 0 untouched); ErreurIndice past the array's end.
void CollectionVersTableau(std::span<float> tableau, const CollectionNombres& collection);
// Elements 1..last of the array as items.
void TableauVersCollection(std::span<const float> tableau, CollectionNombres& collection);

// Smallest, mean and largest item. An empty collection has no statistics: it throws
// ErreurArithmetique (as the division of its mean by zero would) and leaves the
// outputs unchanged; callers that may pass an empty series test it first.
void Statistiques(const CollectionNombres& collection, float& minimum, float& moyenne,
                  float& maximum);

// Loads value-and-key lines ("value # key") into one clsDonnees per group of
// consecutive lines with the same key, the n-th line of a group under column n.
// The collection is emptied first. Throws ErreurFichier when the file cannot be
// read, ErreurIndice for a group with more lines than columns and ErreurExecution for
// a key that comes back in a later group; both name the file and the line, and the
// groups read before the fault stay in the collection.
void ChargerCollection(const std::string& chemin, Collection<clsDonnees>& collection,
                       const std::vector<std::string>& colonnes);
// The same on a file's text (CR LF lines); `chemin` names it in errors.
void ChargerCollectionDepuisTexte(const std::string& contenu, const std::string& chemin,
                                  Collection<clsDonnees>& collection,
                                  const std::vector<std::string>& colonnes);
