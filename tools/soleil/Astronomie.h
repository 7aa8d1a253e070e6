#pragma once
// Sun geometry and extraterrestrial irradiation of the mean day of each month, and the
// integrals over the day that turn them into monthly ratios for a tilted plane.

#include <functional>

namespace soleil {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double ConstanteSolaire = 1367.0; // W/m², the value the engine also uses

double Radians(double degres);
double Degres(double radians);

// Mean day of month m (1..12), the day whose declination is nearest the month's mean.
int JourMoyen(int mois);
// Declination [rad] of day n of the year (Spencer's Fourier series).
double Declinaison(int jour);
// Extraterrestrial irradiance [W/m²] of day n (Spencer's Earth-Sun distance factor).
double EclairementHorsAtmosphere(int jour);

// A plane: tilt from horizontal and azimuth of its normal from south, west positive [°].
struct Plan {
    double inclinaison = 0;
    double orientation = 0;
};

// Sunset hour angle [rad] at latitude phi for declination delta (both in rad), from 0
// (polar night) to pi (polar day).
double AngleCoucher(double phi, double delta);
// Daily extraterrestrial irradiation on a horizontal plane [kWh/(m².day)].
double IrradiationJourHorsAtmosphere(double cs, double phi, double delta);

// Sum over the day of poids(cos incidence) for every hour angle at which the sun is both
// above the horizon and in front of the plane, on a fine regular grid of hour angles.
double SommeJour(double phi, double delta, const Plan& plan,
                 const std::function<double(double)>& poids);
// Ratio of the daily beam on the plane to the daily beam on the horizontal, the beam
// normal irradiance being taken as constant over the day (0 when the sun never rises).
double RapportDirect(double phi, double delta, const Plan& plan);

} // namespace soleil
