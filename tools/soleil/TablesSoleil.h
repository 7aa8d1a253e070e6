#pragma once
// The texts of the files of the Soleil folder.

#include <array>
#include <string>

namespace soleil {

inline constexpr int LargeurLigneG = 60; // the reader keeps 60 characters of a G_ row
inline constexpr double FacteurAngulaireMoyen = 0.88;
inline constexpr std::array<int, 12> JoursParMois = {31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};

// The two monthly series the tables are built from, as written in their files (the
// engine reads them back, so the tables use exactly those values).
struct SeriesSoleil {
    std::array<double, 12> cs{};    // W/m²
    std::array<double, 12> delta{}; // degrees
};

// A number with the given decimals and a decimal comma ("-0,00" is written "0,00").
std::string FormatDecimal(double valeur, int decimales);
// A row label followed by the twelve values, each with one decimal unless the row would
// then exceed `largeur` characters; the largest values lose their decimal first.
std::string LigneAjustee(const std::string& libelle, const std::array<double, 12>& valeurs,
                         int largeur = LargeurLigneG);

SeriesSoleil CalculerSeries();

std::string TexteCs(const SeriesSoleil& s);
std::string TexteDelta(const SeriesSoleil& s);
std::string TexteNj();
std::string TexteAlphaG();
// File "G_<bande>_<inclinaison>.don": blocks A (facing south) and B (45° off south).
std::string TexteTableG(int bande, int inclinaison, const SeriesSoleil& s);
std::string TexteMatAlpha(const SeriesSoleil& s);

} // namespace soleil
