#pragma once
// Helpers of the tests that read the real reference data folder: a notifier that records
// every message, the folder's paths, its files as lines, and a reader for the climate
// tables the stations come from.

#include "common/Chemins.h"
#include "common/Encodage.h"
#include "common/Notificateur.h"
#include "data/modMessages.h"

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace reference {

// Records every message box and puts the previous notifier and message switch back.
class NotificateurMemo : public Notificateur {
public:
    NotificateurMemo() : afficher_(AfficherMessages) {
        DefinirNotificateur(this);
        AfficherMessages = true;
    }
    ~NotificateurMemo() override {
        DefinirNotificateur(nullptr);
        AfficherMessages = afficher_;
    }
    void Message(const std::string& texte, const std::string&) override {
        messages.push_back(texte);
    }
    void Sablier(bool) override {}

    std::vector<std::string> messages;

private:
    bool afficher_;
};

inline std::string Dossier() {
    return VARQUIN_REFERENCE_DIR;
}
inline std::string DossierClimat() {
    return VARQUIN_CLIMATE_DIR;
}

// Makes the reference folder the install folder for the lifetime of the object.
class DossierInstallation {
public:
    DossierInstallation() : avant_(InstallDir) { InstallDir = Dossier(); }
    ~DossierInstallation() { InstallDir = avant_; }

private:
    std::string avant_;
};

inline std::string Octets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux)
        throw std::runtime_error("cannot read " + chemin);
    std::ostringstream contenu;
    contenu << flux.rdbuf();
    return contenu.str();
}

// The lines of a Windows-1252 CR LF file, decoded to UTF-8, without their line ends.
inline std::vector<std::string> Lignes(const std::string& chemin) {
    const std::string texte = DepuisWindows1252(Octets(chemin));
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos) {
            lignes.push_back(texte.substr(debut));
            break;
        }
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return lignes;
}

// A comma-separated table with a heading row; quoted fields may hold commas.
class Csv {
public:
    explicit Csv(const std::string& chemin) {
        std::vector<std::vector<std::string>> lignes(1);
        std::string champ;
        bool guillemets = false;
        const std::string texte = Octets(chemin);
        for (std::size_t i = 0; i < texte.size(); ++i) {
            const char c = texte[i];
            if (guillemets && c == '"' && i + 1 < texte.size() && texte[i + 1] == '"') {
                champ += '"';
                ++i;
            } else if (c == '"') {
                guillemets = !guillemets;
            } else if (!guillemets && c == ',') {
                lignes.back().push_back(champ);
                champ.clear();
            } else if (!guillemets && c == '\n') {
                lignes.back().push_back(champ);
                champ.clear();
                lignes.emplace_back();
            } else if (c != '\r' || guillemets) {
                champ += c;
            }
        }
        if (!champ.empty())
            lignes.back().push_back(champ);
        for (std::size_t j = 0; j < lignes[0].size(); ++j)
            colonnes_[lignes[0][j]] = j;
        for (std::size_t i = 1; i < lignes.size(); ++i) {
            if (lignes[i].size() == lignes[0].size())
                lignes_.push_back(lignes[i]);
        }
    }
    std::size_t Taille() const { return lignes_.size(); }
    const std::string& operator()(std::size_t i, const std::string& colonne) const {
        return lignes_.at(i).at(colonnes_.at(colonne));
    }
    double Nombre(std::size_t i, const std::string& colonne) const {
        return std::stod((*this)(i, colonne));
    }
    std::array<double, 12> Mois(std::size_t i, const std::string& prefixe) const {
        std::array<double, 12> m{};
        for (std::size_t k = 0; k < 12; ++k)
            m[k] = Nombre(i, prefixe + std::to_string(k + 1));
        return m;
    }

private:
    std::map<std::string, std::size_t> colonnes_;
    std::vector<std::vector<std::string>> lignes_;
};

} // namespace reference
