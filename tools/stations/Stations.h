#pragma once
// The stations shipped in the Pays folder, built from the climate tables: one reference
// station per department (gridded climatology sampled at the prefecture) and every
// measured station whose licence allows shipping.

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace stations {

class TableCsv;

using Mois = std::array<double, 12>;

inline constexpr const char* PaysMetropole = "France métropolitaine";
inline constexpr const char* PaysOutremer = "France d'outre-mer";
inline constexpr const char* DepartementUtilisateur = "Stations utilisateur";
inline constexpr int NombreStationsUtilisateur = 5;

struct Station {
    std::string identifiant; // "PREF-<department code>" or the climate table's id
    std::string nom;
    std::string departement; // department code; empty for the user slots
    double latitude = 0;
    double altitude = 0;
    Mois gh{}, tair{}, tef{};
    int classeMer = 4;
    int classePopulation = 1;
};

struct Departement {
    std::string code;
    std::string nom;
    bool outremer = false;
    std::vector<std::string> voisins; // codes of the departments offered through "&"
};

struct Referentiel {
    std::vector<Departement> departements; // in the order of their numbers
    std::vector<Station> stations;         // by department, then the user slots
};

// Classes of the engine's site corrections.
int ClasseMer(double distanceKm);      // 1: < 1 km, 2: 1 to 5, 3: 5 to 10, 4: >= 10
int ClassePopulation(double millions); // 1: < 0.5, 2: 0.5 to 1, 3: >= 1

// Cold water from the monthly air temperatures, by the program's own method
// (data/modEauFroide.h).
Mois EauFroide(const Mois& tair);

// Builds everything from the climate folder and the folder of the fact tables; writes
// the calibrations and their residuals to the journal.
Referentiel Construire(const std::string& dossierClimat, const std::string& dossierFaits,
                       std::ostream& journal);

} // namespace stations
