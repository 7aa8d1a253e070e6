#pragma once
// A synthetic hourly weather year in the EnergyPlus format, whose monthly means are
// known: 100 × month Wh/m² from 9 h to 16 h (Gh = 0.8 × month kWh/(m².j)), the
// temperature rising through the day from the month's number to one degree more
// (Text = month + 0.5). Every part can be changed to make a damaged file.

#include <functional>
#include <string>

struct AnneeEpw {
    std::string location =
        "LOCATION,Lyon Bron AP,AR,FRA,ISD-TMYx,074800,45.72610,4.93780,1.0,198.0";
    bool bissextile = false;
    int champs = 35;
    std::string fin = "\r\n";
    std::function<std::string(int, int, int)> rayonnement = [](int m, int, int h) {
        return std::to_string(h >= 9 && h <= 16 ? 100 * m : 0);
    };
    std::function<std::string(int, int, int)> temperature = [](int m, int, int h) {
        return std::to_string(m + (h - 1) / 23.0);
    };

    // The record of day d of month m at hour h.
    std::string Enregistrement(int m, int d, int h) const {
        std::string l = (bissextile ? "2004," : "2001,") + std::to_string(m) + "," +
                        std::to_string(d) + "," + std::to_string(h) +
                        ",60,A7A7E8E8*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0E8*0*0";
        for (int champ = 7; champ <= champs; ++champ)
            l += "," + (champ == 7    ? temperature(m, d, h)
                        : champ == 14 ? rayonnement(m, d, h)
                                      : "0");
        return l + fin;
    }

    std::string Texte() const {
        std::string t = location + fin;
        for (const char* l :
             {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
              "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,\"essai, synthétique\"",
              "COMMENTS 2,", "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"})
            t += std::string(l) + fin;
        const int jours[13] = {0, 31, bissextile ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= jours[m]; ++d)
                for (int h = 1; h <= 24; ++h)
                    t += Enregistrement(m, d, h);
        return t;
    }
};
