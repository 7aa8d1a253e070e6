#pragma once
// Comma-separated tables with a heading row (quoted fields may hold commas and doubled
// quotes), as the climate tables and the fact tables of the stations are written.

#include <map>
#include <string>
#include <vector>

namespace stations {

class TableCsv {
public:
    // Reads the file; throws std::runtime_error when it cannot be read or a row does not
    // have as many fields as the heading.
    static TableCsv Lire(const std::string& chemin);
    static TableCsv DepuisTexte(const std::string& texte, const std::string& nom);

    std::size_t NombreLignes() const { return lignes_.size(); }
    // The field of row i under the column; throws when the column does not exist.
    const std::string& Champ(std::size_t i, const std::string& colonne) const;
    double Nombre(std::size_t i, const std::string& colonne) const;

private:
    std::string nom_;
    std::map<std::string, std::size_t> colonnes_;
    std::vector<std::vector<std::string>> lignes_;
};

} // namespace stations
