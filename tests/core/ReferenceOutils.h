#pragma once
// Helpers of the tests that read the real reference data folder: its paths, its files
// as lines, and a reader for the climate tables the stations come from.

#include "DonneesTest.h"
#include "common/Encodage.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace reference {

inline std::string Dossier() {
    return VARQUIN_REFERENCE_DIR;
}
inline std::string DossierClimat() {
    return VARQUIN_CLIMATE_DIR;
}

// The lines of a Windows-1252 CR LF file, decoded to UTF-8, without their line ends.
inline std::vector<std::string> Lignes(const std::string& chemin) {
    const std::string texte = DepuisWindows1252(essai::LireOctets(chemin));
    std::vector<std::string> lignes;
    for (std::size_t debut = 0, fin; debut < texte.size(); debut = fin + 2) {
        fin = std::min(texte.find("\r\n", debut), texte.size());
        lignes.push_back(texte.substr(debut, fin - debut));
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
        for (const char c : essai::LireOctets(chemin)) {
            if (c == '"') {
                guillemets = !guillemets;
            } else if (!guillemets && (c == ',' || c == '\n')) {
                lignes.back().push_back(champ);
                champ.clear();
                if (c == '\n')
                    lignes.emplace_back();
            } else if (c != '\r') {
                champ += c;
            }
        }
        for (std::size_t j = 0; j < lignes[0].size(); ++j)
            colonnes_[lignes[0][j]] = j;
        for (std::size_t i = 1; i < lignes.size(); ++i)
            if (lignes[i].size() == lignes[0].size())
                lignes_.push_back(lignes[i]);
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
