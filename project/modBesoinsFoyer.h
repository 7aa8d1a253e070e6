#pragma once
// The monthly hot-water consumptions of a household, for the needs dialog: the
// occupants draw a volume per person and per day at 40 °C, the tap's mixing
// temperature; the method wants the volume drawn at the hot-water temperature Tref,
// which cold water at Tef brings down to 40 °C. By the mixing rule
//   V(Tref) = V(40) × (40 − Tef) / (Tref − Tef)
// with V(40) = occupants × litres per person × the month's occupancy share. A month
// never gets less than the method's 1 l/j.

#include <array>

// A household of the French energy-performance diagnosis counts its occupants as
// adult-equivalents from the living area of the dwelling.
enum class TypeLogement { Maison, Appartement };

// Nadeq of the 3CL-DPE 2021 method (Méthode de calcul 3CL-DPE 2021, annex 1 of the
// arrêté of 31 March 2021 on the DPE, as consolidated in October 2021, § 11.1 "Calcul
// du besoin d'ECS"), Shab the living area [m²]:
//   house:     Nmax = 1 below 30 m², 1,75 − 0,01875 × (70 − Shab) below 70 m²,
//              else 0,025 × Shab;
//   apartment: Nmax = 1 below 10 m², 1,75 − 0,01875 × (50 − Shab) below 50 m²,
//              else 0,035 × Shab;
//   Nadeq = Nmax when Nmax < 1,75, else 1,75 + 0,3 × (Nmax − 1,75).
double AdultesEquivalents(double surfaceHabitable, TypeLogement logement);

// The litres per person and per day at 40 °C of the same method.
inline constexpr double LitresParPersonne40 = 56.0;

struct FoyerBesoins {
    double Occupants = 0;
    double LitresParPersonne = LitresParPersonne40; // [l/(pers.j)] at 40 °C
    std::array<double, 13> Occupation{};            // months 1..12, 0 to 1; index 0 unused
};

// Months 1..12 of the daily consumption [l/j] at the month's Tref [°C], cold water
// Tef [°C]. Throws ErreurExecution naming the first month whose Tref is not above its
// Tef, or a negative number of occupants, volume or occupancy.
std::array<float, 13> ConsommationsFoyer(const FoyerBesoins& foyer,
                                         const std::array<float, 13>& tref,
                                         const std::array<float, 13>& tef);
