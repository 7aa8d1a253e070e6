#pragma once
// Saving a user station (a station whose name ends with "*") as the station dialog
// edits it: the lines of Ville_Fr that offer it, its line of Stati_Fr2 and its five
// lines of Stati_Fr, all rewritten together or not at all.

#include <array>
#include <cstdint>
#include <string>

struct StationUtilisateur {
    std::string nom;              // the (possibly new) name, "*" included
    std::string altitude;         // [m]
    int16_t classeMer = 1;        // distance-to-sea class, 1 (< 1 km) to 4 (>= 10 km)
    int16_t classePopulation = 1; // town-size class, 1 to 3
    std::string latitude;         // degrees, negative in the south
    std::string hemisphere;       // "N" or "S"
    std::string zone;
    // January to December. Numbers are kept as the person typed them: the station
    // files are read with a decimal comma or point alike.
    std::array<std::string, 12> Gh, Text, Tef;
};

// Why a station may not take this name ("" when it may): fewer than 3 characters
// (the message the station dialog shows), a "#" (the station files' separator), an
// "&" first (Ville_Fr's mark of a department), a character Windows-1252 has no code
// for (the files' encoding), or the name of another station in any case (two
// stations of one name would make Stati_Fr unreadable at the next start).
std::string RefusNomStation(const std::string& nom, const std::string& nomCourant);

// Rewrites the station `nomCourant` as `s`: every Ville_Fr line offering it (each keeps
// its department), its Stati_Fr2 line (altitude and classes) and its Stati_Fr lines
// (latitude with "°" and the hemisphere letter, zone, then the twelve values of Gh, of
// Text and of Tef on one line each). An empty value is written 0, so that the months
// after it keep their place. The tables are not reloaded: the caller does it
// (ChargerDonnees, RemplirLibelles).
//
// Returns false, writing nothing, when Stati_Fr holds no such station. Throws
// ErreurExecution, writing nothing, for a refused name or a value holding a space, a
// "#" or a line break; ErreurFichier when a write fails (every file is then as it was).
bool EnregistrerStation(const std::string& nomCourant, const StationUtilisateur& s);
