#pragma once
// The defaults of the economic study, read from three tables of the data folder that a
// design office brings up to date as prices, CO2 factors and aids change: the
// energies a solar water heater relieves, the installed cost of each system type and
// the usual aids. The first heading line of each says where its values come from and
// when; the study repeats it, so that a reader knows how old its prices are.

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

// Where the values of one table come from: its first heading line, as written.
struct SourceEconomie {
    std::string table;  // its file name, "Energies.TXT"
    std::string source; // empty when the heading says nothing
};

struct DonneesEconomie {
    std::vector<EnergieRemplacee> energies;
    std::vector<MontantSurface> couts;
    std::vector<MontantSurface> aides;
    std::vector<SourceEconomie> sources; // energies, costs, aids

    // The row of that name; throws ErreurEconomie naming the table when none.
    const EnergieRemplacee& Energie(const std::string& nom) const;
    const MontantSurface& Cout(const std::string& typeSysteme) const;
};

// The three tables from the install folder. Throws ErreurFichier (a table missing or
// unreadable) or ErreurEconomie (a line that does not read, or a value out of its
// range: the message names the file and the line, as the start-up check does).
DonneesEconomie LireDonneesEconomie();

// The start-up check of the three tables, each read as LireDonneesEconomie reads it:
// the fault of each table that has one. A table absent is no fault (a data folder
// from before them); the study then says so when it needs it.
std::vector<std::string> VerifierDonneesEconomie();
