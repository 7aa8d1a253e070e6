#include "Csv.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace stations {

namespace {
// Splits the text into rows of fields; a quoted field may span commas and line ends.
std::vector<std::vector<std::string>> Decouper(const std::string& texte) {
    std::vector<std::vector<std::string>> lignes;
    std::vector<std::string> ligne;
    std::string champ;
    bool entreGuillemets = false;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (entreGuillemets) {
            if (c == '"' && i + 1 < texte.size() && texte[i + 1] == '"') {
                champ += '"';
                ++i;
            } else if (c == '"') {
                entreGuillemets = false;
            } else {
                champ += c;
            }
        } else if (c == '"') {
            entreGuillemets = true;
        } else if (c == ',') {
            ligne.push_back(champ);
            champ.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')
                ++i;
            ligne.push_back(champ);
            champ.clear();
            lignes.push_back(ligne);
            ligne.clear();
        } else {
            champ += c;
        }
    }
    if (!champ.empty() || !ligne.empty()) {
        ligne.push_back(champ);
        lignes.push_back(ligne);
    }
    return lignes;
}
} // namespace

TableCsv TableCsv::Lire(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux)
        throw std::runtime_error("impossible de lire " + chemin);
    std::ostringstream contenu;
    contenu << flux.rdbuf();
    return DepuisTexte(contenu.str(), chemin);
}

TableCsv TableCsv::DepuisTexte(const std::string& texte, const std::string& nom) {
    TableCsv table;
    table.nom_ = nom;
    auto lignes = Decouper(texte);
    if (lignes.empty())
        throw std::runtime_error(nom + " est vide");
    for (std::size_t j = 0; j < lignes[0].size(); ++j)
        table.colonnes_[lignes[0][j]] = j;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        if (lignes[i].size() == 1 && lignes[i][0].empty())
            continue;
        if (lignes[i].size() != lignes[0].size())
            throw std::runtime_error(nom + " : la ligne " + std::to_string(i + 1) + " a " +
                                     std::to_string(lignes[i].size()) + " champs au lieu de " +
                                     std::to_string(lignes[0].size()));
        table.lignes_.push_back(std::move(lignes[i]));
    }
    return table;
}

const std::string& TableCsv::Champ(std::size_t i, const std::string& colonne) const {
    const auto c = colonnes_.find(colonne);
    if (c == colonnes_.end())
        throw std::runtime_error(nom_ + " : pas de colonne " + colonne);
    return lignes_.at(i).at(c->second);
}

double TableCsv::Nombre(std::size_t i, const std::string& colonne) const {
    const std::string& texte = Champ(i, colonne);
    std::size_t fin = 0;
    double valeur = 0;
    try {
        valeur = std::stod(texte, &fin);
    } catch (const std::exception&) {
        fin = 0;
    }
    if (fin == 0 || fin != texte.size())
        throw std::runtime_error(nom_ + " : " + colonne + " de la ligne " + std::to_string(i + 2) +
                                 " n'est pas un nombre : « " + texte + " »");
    return valeur;
}

} // namespace stations
