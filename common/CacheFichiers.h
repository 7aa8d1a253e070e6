#pragma once
// Parsed contents of small data files kept between calculation runs. Every look-up
// checks the file on disk (device, inode, size, modification and change times), so a
// file replaced or edited takes effect at the very next run. A file modified less
// than two seconds before it was parsed is parsed again at the next look-up: file
// times are coarse, and two writes within one tick would otherwise look alike.

#include "common/Fichiers.h"

#include <cstdint>
#include <string>
#include <unordered_map>

struct SignatureFichier {
    bool existe = false;
    uint64_t peripherique = 0;
    uint64_t inode = 0;
    int64_t taille = 0;
    int64_t modification = 0; // ns since the epoch
    int64_t changement = 0;   // ns since the epoch

    bool operator==(const SignatureFichier&) const = default;
};

// The signature of a file, existe = false when it cannot be found.
SignatureFichier LireSignature(const std::string& chemin);
// True when the signature was taken long enough after the file's last change for a
// later change to be told apart from it.
bool SignatureStable(const SignatureFichier& signature);
// Test hook: the age a file must have reached when parsed for its parsed contents to be
// trusted without reading it again (2 s by default).
void DefinirMargeStabilite(int64_t nanosecondes);

template <class T> class CacheFichiers {
public:
    using Analyseur = T (*)(const std::string& contenu);
    explicit CacheFichiers(Analyseur analyseur) : analyseur_(analyseur) {}

    // The parsed file, or nullptr when it does not exist. Throws ErreurFichier when it
    // exists but cannot be read.
    const T* Obtenir(const std::string& chemin) { return Obtenir(chemin, LireSignature(chemin)); }

    // The same with the file's signature just taken by the caller.
    const T* Obtenir(const std::string& chemin, const SignatureFichier& signature) {
        if (!signature.existe) {
            entrees_.erase(chemin);
            return nullptr;
        }
        auto it = entrees_.find(chemin);
        if (it != entrees_.end() && it->second.stable && it->second.signature == signature)
            return &it->second.valeur;
        entrees_.erase(chemin);
        // The signature is taken before the read: a change during the read shows
        // at the next look-up.
        Entree entree{signature, SignatureStable(signature),
                      analyseur_(LireFichierTexte(chemin, GenreFichier::Donnees))};
        return &entrees_.insert_or_assign(chemin, std::move(entree)).first->second.valeur;
    }

    void Vider() { entrees_.clear(); }

private:
    struct Entree {
        SignatureFichier signature;
        bool stable;
        T valeur;
    };
    Analyseur analyseur_;
    std::unordered_map<std::string, Entree> entrees_;
};
