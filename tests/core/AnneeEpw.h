#pragma once
// A synthetic hourly weather year in the EnergyPlus format, whose monthly means are
// known, for the tests of the weather-file import.

#include <functional>
#include <string>

namespace essai {

inline const char* const Location =
    "LOCATION,Lyon Bron AP,AR,FRA,ISD-TMYx,074800,45.72610,4.93780,1.0,198.0";

// A synthetic hourly year: 100 × month Wh/m² from 9 h to 16 h (Gh = 0.8 × month
// kWh/(m².j)), the temperature rising through the day from the month's number to one
// degree more (Text = month + 0.5).
struct Annee {
    std::string location = Location;
    bool bissextile = false;
    int champs = 35;
    std::string fin = "\r\n";
    std::function<std::string(int, int, int)> rayonnement = [](int m, int, int h) {
        return std::to_string(h >= 9 && h <= 16 ? 100 * m : 0);
    };
    std::function<std::string(int, int, int)> temperature = [](int m, int, int h) {
        return std::to_string(m + (h - 1) / 23.0);
    };
};

inline std::string Enregistrement(const Annee& a, int m, int d, int h) {
    std::string l = (a.bissextile ? "2004," : "2001,") + std::to_string(m) + "," +
                    std::to_string(d) + "," + std::to_string(h) +
                    ",60,A7A7E8E8*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0E8*0*0";
    for (int champ = 7; champ <= a.champs; ++champ) {
        l += ",";
        l += champ == 7 ? a.temperature(m, d, h) : champ == 14 ? a.rayonnement(m, d, h) : "0";
    }
    return l + a.fin;
}

inline std::string Texte(const Annee& a) {
    std::string t = a.location + a.fin;
    for (const char* l :
         {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,\"essai, synthétique\"", "COMMENTS 2,",
          "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"})
        t += std::string(l) + a.fin;
    const int jours[13] = {0, 31, a.bissextile ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= jours[m]; ++d)
            for (int h = 1; h <= 24; ++h)
                t += Enregistrement(a, m, d, h);
    return t;
}

} // namespace essai
