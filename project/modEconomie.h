#pragma once
// The worth of the study: from the solar energy the system delivers in a year, the
// energy saved at the meter of the heating it relieves, the money saved year by year
// as the price rises, the CO2 avoided, the simple payback, the cost of the solar kWh,
// and what the investment earns over the system's life: the net gain, the net present
// value and the internal rate of return. It reads the method's results and never
// changes them.

#include "project/DonneesEconomie.h"
#include "project/clsEconomie.h"

#include <optional>
#include <string>
#include <vector>

class clsprojet;

// The figures of one reckoning, every default resolved and in base units.
struct EntreesEconomie {
    double energieSolaire = 0;   // E, solar energy delivered [kWh/an]
    double rendement = 1;        // η of the heating replaced [-]
    double prix = 0;             // p [€/kWh]
    double facteurCO2 = 0;       // f [kg/kWh]
    double hausse = 0;           // r, yearly rise of the price [-]
    double investissement = 0;   // [€]
    double aides = 0;            // [€]
    double maintenance = 0;      // M [€/an]
    int duree = 20;              // N [ans]
    double actualisation = 0.03; // d [-]
};

// A flow is the money of one year: the saving of year k at the price risen k − 1 times,
// less the upkeep; the net investment is paid at once, before the first year.
struct ResultatsEconomie {
    double economieEnergie = 0;            // Ef = E / η [kWh/an]
    double economieAnnuelle = 0;           // Ef × p, the first year [€/an]
    double co2An = 0;                      // Ef × f [kg/an]
    double co2Vie = 0;                     // over N years [t]
    double investissementNet = 0;          // investment less the aids [€]
    double gainNetCumule = 0;              // Σ flows over N years − net investment [€]
    double valeurActuelleNette = 0;        // Σ flow_k / (1 + d)^k − net investment [€]
    std::optional<double> tauxRentabilite; // the rate that zeroes that value [%]
    std::optional<int> tempsRetour;        // [ans]; none within N years
    std::optional<double> coutKwhSolaire;  // [€/kWh]; none without solar energy
};

// The reckoning. Throws ErreurEconomie naming the first input out of its range; a
// solar energy that is 0 (or not a number) gives no payback and no cost per kWh.
ResultatsEconomie CalculerEconomie(const EntreesEconomie& e);

// The internal rate of return of the flows (flux[0] at once, flux[k] after k years),
// as a fraction: the rate of −99 % to 100 % at which their present value is 0. None
// when the flows change sign more than once (several rates, or none, may zero it), or
// when no rate of that range does.
std::optional<double> TauxRentabiliteInterne(const std::vector<double>& flux);

// One result as every front end shows it: its JSON key, its French label with the
// unit, the decimals it is rounded to, and its value (none: shown as "—").
struct LigneEconomie {
    const char* cle;
    const char* libelle;
    int decimales;
    std::optional<double> valeur;
};
// The results, in the order they are shown.
std::vector<LigneEconomie> LignesEconomie(const ResultatsEconomie& r);

// The reckoning of a project: its inputs, what they resolved to, its results, or why
// there are none (a table missing, a value refused).
struct EtudeEconomique {
    std::string energie;
    EntreesEconomie entrees;
    bool investissementEstime = false; // from the cost per m² of the system type
    double surface = 0;                // collectors' total area [m²], 0 for a one-piece heater
    std::optional<ResultatsEconomie> resultats;
    std::string erreur;                  // French, when there are no results
    std::vector<SourceEconomie> sources; // of the data tables read, when they were
};

// The inputs resolved on the data tables, with the project's annual productivity as E.
EtudeEconomique EvaluerEconomie(const clsprojet& projet, const clsEconomie& economie,
                                const DonneesEconomie& donnees);
// The same on the project's own inputs and the data folder's tables.
EtudeEconomique EvaluerEconomie(const clsprojet& projet);
