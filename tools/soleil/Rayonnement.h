#pragma once
// Monthly mean irradiation on a tilted plane from the horizontal irradiation and the
// clearness index, and the mean incidence-angle factor of a glazed collector.

#include "Astronomie.h"

namespace soleil {

inline constexpr double Albedo = 0.2;

// Diffuse fraction of the monthly mean daily irradiation (Erbs, Klein & Duffie 1982,
// monthly form); ws is the sunset hour angle of the mean day [rad].
double FractionDiffuse(double kt, double ws);

// Ratio of the monthly mean daily irradiation on the plane to that on the horizontal:
// beam by the ratio rb, isotropic sky diffuse, ground reflection with the albedo.
double RapportPlan(double kt, double ws, double rb, double inclinaison);

// Incidence-angle modifier of a single-glazed collector (ASHRAE 93 form,
// 1 - b0 (1/cos theta - 1), b0 = 0.10), never negative.
double ModificateurAngle(double cosIncidence);

// Monthly mean incidence-angle factor at latitude phi and declination delta [rad]:
// the beam modifier averaged over the beam that reaches the plane on the mean day, the
// diffuse and ground-reflected parts at their effective incidence angles (Brandemuehl
// & Beckman 1980), the three weighted by their share of the irradiation on the plane
// for the clearness index kt.
double FacteurAngulaire(double phi, double delta, const Plan& plan, double kt);

} // namespace soleil
