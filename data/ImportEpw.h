#pragma once
// Import of an EnergyPlus weather file (.epw), the usual exchange format of hourly
// typical years, into the data of a user station: name and position from its LOCATION
// line, the monthly irradiation and air temperature from its hourly records, and the
// cold water by the program's own method. The person reviews the result before saving
// it as a station.

#include <array>
#include <cstdint>
#include <string>

struct StationEpw {
    std::string nom;        // the LOCATION line's city, made fit for a station name
    std::string source;     // its data source ("ISD-TMYx", "IWEC Data", ...)
    std::string wmo;        // its station number, as written (may be empty)
    float latitude = 0;     // degrees, north positive
    std::string hemisphere; // "N" or "S", from the sign of the latitude
    float longitude = 0;    // degrees, east positive
    float altitude = 0;     // m
    // A weather file says nothing of the sea or the town: the person chooses, from
    // ">= 10" km and "< 0.5" million inhabitants. `zone` follows the distance class
    // (ZoneDeClasseMer) and must be recomputed when the person changes it.
    int16_t classeMer = 4;
    int16_t classePopulation = 1;
    std::string zone;
    std::array<float, 13> Gh{};   // monthly mean of the daily global horizontal
                                  // irradiation [kWh/(m².j)], months 1..12
    std::array<float, 13> Text{}; // monthly mean air temperature [°C]
    std::array<float, 13> Tef{};  // cold water from Text [°C]
    int heures = 0;               // hourly records: 8760, or 8784 with a 29 February
    int manquantesGh = 0;         // hours whose irradiation was missing
    int manquantesText = 0;       // hours whose temperature was missing
};

// Reads the file. Throws ErreurFichier with a French text naming the file (and the
// line, for bad content) when it cannot be read or is not one complete hourly year.
StationEpw ImporterEpw(const std::string& chemin);

// The same from the file's text, already decoded; `chemin` only names it in messages.
StationEpw ImporterEpwTexte(const std::string& texte, const std::string& chemin);

// The station name drawn from the LOCATION line's city: without the characters that
// the station files reserve ("#", "&", "*") nor quotes or control characters, "_" and
// dots joining words turned into spaces, words in capitals only written as names, at
// most 49 characters (the station dialog appends "*"). Empty when nothing is left.
std::string NomStationEpw(const std::string& ville);
