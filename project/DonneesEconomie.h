#pragma once
// The defaults of the economic study, read from three tables of the data folder that a
// design office brings up to date as prices, CO2 factors and aids change: the
// energies a solar water heater relieves, the installed cost of each system type and
// the usual aids.

#include <string>
#include <vector>

namespace fichier {
inline constexpr const char* Energies = "\\Systeme\\Energies.TXT";
inline constexpr const char* CoutsSolaires = "\\Systeme\\CoutsSolaires.TXT";
inline constexpr const char* Aides = "\\Systeme\\Aides.TXT";
} // namespace fichier

struct EnergieRemplacee {
    std::string nom;
    double rendement = 1;  // [-]
    double prix = 0;       // [€/kWh]
    double facteurCO2 = 0; // [kg/kWh]
};

// An installed cost, or an aid: a fixed amount plus an amount per m² of collectors.
struct MontantSurface {
    std::string nom;  // the system type, or the aid
    double fixe = 0;  // [€]
    double parM2 = 0; // [€/m²]
    double Pour(double surface) const { return fixe + parM2 * surface; }
};

struct DonneesEconomie {
    std::vector<EnergieRemplacee> energies;
    std::vector<MontantSurface> couts;
    std::vector<MontantSurface> aides;

    // The row of that name; throws ErreurEconomie naming the table when none.
    const EnergieRemplacee& Energie(const std::string& nom) const;
    const MontantSurface& Cout(const std::string& typeSysteme) const;
};

// The three tables from the install folder. Throws ErreurFichier (a table missing or
// unreadable) or ErreurEconomie (a value out of its range, naming the row).
DonneesEconomie LireDonneesEconomie();
