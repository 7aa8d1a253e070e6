#pragma once
// Numeric helpers shared by the calculation stages. Arithmetic is done in double
// precision and rounded once to a Single (float) when the result is stored.

#include "data/modMessages.h"

#include <array>
#include <string>

// 4 × arctan(1) as a Single.
float Pi();
// Arcsine in radians; an argument ≥ 1 is taken as 0.9999 and one ≤ −1 as −0.9999, so
// the result never reaches ±π/2.
float ArcSin(float x);
// Pi / 2 − ArcSin(x).
float ArcCos(float x);
// a raised to the power b. Throws ErreurArithmetique for a negative a with a
// non-integer b, for 0 raised to a negative power, and when the result overflows.
float Puissance(float a, float b);
// Puissance(x, 1/2): a negative x throws.
float RacineCarree(float x);
// b when b < a, else a (so equal values give the first argument).
template <class T> T Minimum(const T& a, const T& b) {
    return b < a ? b : a;
}
// a when b < a, else b (so equal values give the second argument).
template <class T> T Maximum(const T& a, const T& b) {
    return b < a ? a : b;
}
// exp(x) kept inside the Single range: 1E+36 above 36 ln 10, 0 below its negative.
float ExpBornee(float x);

// Representative day of the year of each month, 1..12 (index 0 unused).
inline constexpr std::array<float, 13> JoursMoyens = {0,   17,  47,  75,  105, 135, 162,
                                                      198, 228, 258, 288, 318, 344};
// Days of each month 1..12, February always 28 (index 0 unused).
inline constexpr std::array<float, 13> JoursParMois = {0,  31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};

std::string Majuscules(const std::string& texte);
// Entries 1..12 of a message parameter list set to one blank; entry 0 is left alone.
void ViderParametres(ListeParametres& parametres);

// A value computed in double stored as a Single; throws ErreurArithmetique, naming
// `quoi`, when it is NaN, infinite or beyond the Single range.
float VersSimple(double valeur, const char* quoi);
// A value computed in double rounded to a Single; beyond the Single range it becomes
// an infinity of its sign, as the processor's conversion would give.
float ArrondiSimple(double valeur);
// False for NaN and infinities, which a display must not show as numbers.
bool EstFini(float valeur);
// True when months 1..12 of the array are all finite.
bool TableauFini(const std::array<float, 13>& mois);
