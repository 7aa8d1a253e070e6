#pragma once
// The four result rows of a project as the results grid shows them: coverage, needs,
// productivity and productivity per m², month by month and for the year, each value
// in the whole-number format (integer part of value + 0.5). A cell with nothing to
// show (per m² of a one-piece water heater, a division by a zero area, a value that
// is not a number) is empty.

#include <array>
#include <optional>
#include <string>

class clsprojet;

struct LigneResultats {
    const char* cle;   // "couverture", "besoins", "productivite", "productivite_m2"
    const char* titre; // the grid's row heading
    std::array<std::optional<double>, 12> mois;
    std::optional<double> annuel;
};

struct TableauResultats {
    std::array<LigneResultats, 4> lignes;
};

// The French abbreviated month names, 1..12 (index 0 empty).
extern const std::array<const char*, 13> NomsMoisAbreges;

// The rows from the project's record and components. The annual productivity is the
// sum of the monthly values each brought to two decimals, as the grid adds them.
TableauResultats CalculerTableauResultats(const clsprojet& projet);
