#pragma once
// Every number the program reads or writes, in fields, files, tables, the command line
// and its JSON, goes through these routines. They never look at the process locale (a
// desktop toolkit may set one with a decimal comma), so a value reads and writes the same
// on every system and in every build, the browser's included.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Length in bytes of the number that starts at `debut`: a sign, digits, one decimal
// comma (or point, unless `virguleSeule`), an optional exponent ("E-05"). 0 when no digit
// is there.
std::size_t LongueurNombre(std::string_view texte, std::size_t debut, bool virguleSeule = false);

// The number the whole text holds, spaces around it allowed. Nothing for any other text,
// the empty one included. A magnitude beyond a double reads as an infinity of its sign;
// one too small for it reads as 0.
std::optional<double> LireNombre(std::string_view texte);

// The number at the start of the text (after spaces); 0 when there is none or it is not
// finite.
double LireNombreEnTete(std::string_view texte);

// The value's n significant digits, rounded to nearest: |valeur| = 0,d1d2…dn × 10^(exposant+1).
struct ChiffresSignificatifs {
    bool negatif = false;
    std::string chiffres; // exactly n digits
    int exposant = 0;     // of the first digit
};
ChiffresSignificatifs EnChiffresSignificatifs(double valeur, int n);

// At most n significant digits, trailing zeros dropped, with the given decimal separator;
// the exponent form ("1,5E-05", "2E+20") when the exponent is below -4 or reaches n. A
// finite value only.
std::string EcrireGeneral(double valeur, int n, char separateur = ',');
// A float in the same form with 7 significant digits, or 8 or 9 where fewer would not
// read back as the same float. A finite value only.
std::string EcrireSimple(float valeur, char separateur = ',');
// Exactly `decimales` decimals, rounded to nearest, with the given separator. A finite
// value only.
std::string EcrireFixe(double valeur, int decimales, char separateur = ',');
// The shortest text that reads back to the same value, with a decimal point (JSON).
std::string EcrireCourt(double valeur);
std::string EcrireCourt(float valeur);
