#pragma once
// What the pages of the study that follow the one-page summary say, as texts ready to
// be laid out: the inputs section by section, the monthly table and the series of the
// monthly chart, the economic study and the productivity per m² against the threshold
// a subsidy file asks for. Reading the project is kept apart from drawing the pages.

#include "project/ContenuRapport.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class clsprojet;

struct SectionEtude {
    std::string titre;
    std::vector<LigneCaracteristique> lignes;
};

// The sizing study of a collector-and-tank project: the annual coverage against the
// collectors' area, one curve per tank volume around the project's, and the
// project's own point.
struct CourbeDimensionnement {
    std::string ballon;              // its volume, "300 l"
    std::vector<double> surfaces;    // [m²]
    std::vector<double> couvertures; // [%]
    std::vector<bool> surchauffes;   // a month covered at the stagnation threshold
};
struct CourbesDimensionnement {
    std::vector<CourbeDimensionnement> courbes;
    std::size_t courbeProjet = 0;
    double surfaceProjet = 0, couvertureProjet = 0;
};

// The monthly table: a heading row, the twelve months, then the year.
inline constexpr std::size_t ColonnesMensuelles = 7;
using LigneMensuelle = std::array<std::string, ColonnesMensuelles>;

struct ContenuEtude {
    std::string projet; // the project's title and client, on every page
    std::string date;
    std::vector<SectionEtude> donnees;
    std::vector<LigneMensuelle> mensuel;
    std::array<double, 12> besoins{}, solaire{};       // the chart's bars [kWh]
    std::vector<LigneCaracteristique> hypotheses;      // the economic inputs as resolved
    std::vector<LigneCaracteristique> bilan;           // the economic results
    std::string erreurEconomie;                        // why there is no economic study
    std::vector<LigneCaracteristique> sourcesEconomie; // each data table and its source
    std::vector<LigneCaracteristique> productivite;
    std::optional<CourbesDimensionnement> dimensionnement; // calculated projects only
};

ContenuEtude LireContenuEtude(const clsprojet& projet, const std::string& dateCourte);

// A number as French prints it: decimal comma, thousands parted by a no-break space;
// "—" for a value that is not a number.
std::string FormatFrancais(double valeur, int decimales);
