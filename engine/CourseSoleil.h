#pragma once
// The sun's height over a day against the hour angle, drawn over the horizon mask:
// the collector stage reads the mask at the sun's hour angle, so that is the axis on
// which a person sees which hours the mask cuts. Same declination as the stage.

#include <vector>

// Declination [°] on day n of the year: 23.45 sin(0.986 n - 80), the collector
// stage's formula.
double DeclinaisonSoleil(int jour);

// Height of the sun above the horizontal [°] at a latitude and declination [°] and
// an hour angle [°] (0 at solar noon, negative in the morning); negative below the
// horizon.
double HauteurSoleil(double latitude, double declinaison, double angleHoraire);

// Hour angle of sunset [°]: 0 when the sun does not rise, 180 when it does not set.
double AngleCoucher(double latitude, double declinaison);

struct PointCourse {
    double angleHoraire; // [°]
    double hauteur;      // [°]
};

// The sun's path on day n from sunrise to sunset, every `pas` degrees of hour angle
// and at both ends; empty when the sun stays below the horizon all day.
std::vector<PointCourse> CourseSoleil(double latitude, int jour, double pas = 2);

// Days of the year of the three paths drawn: 21 June, 21 March (an equinox) and 21
// December.
inline constexpr int JourSolsticeJuin = 172;
inline constexpr int JourEquinoxe = 80;
inline constexpr int JourSolsticeDecembre = 355;
