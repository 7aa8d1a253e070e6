#pragma once
// Collector stage: the mean daily irradiation on the collector plane with the horizon
// mask and the site corrections (FacteurMois), then the groups X and T of the balance.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

struct GeometrieCapteur {
    float latitude = 0;    // degrees, signed
    float inclinaison = 0; // degrees from horizontal
    float orientation = 0; // azimuth of the normal from south; positive towards
                           // positive hour angles
    int16_t NbPoints = 0;
    TableauPoints hauteurs{}; // mask heights [°]
    TableauPoints angles{};   // mask angles [°], increasing with the point number
};

// The month's mean daily irradiation on the plane FacteurMois [kWh/(m².j)]: beam part
// by the closed-form ratio Rb (or the masked summation), diffuse part isotropic,
// ground reflection at albedo 0.2, then the site corrections (altitude, town size,
// distance to the sea) and AlphaMois. A latitude of exactly 0 leaves it unchanged.
void CalculerCapteurs(const EnregistrementEntrees& e, EnregistrementCalcul& c,
                      const TableauMois& AlphaMois);
// Months 1..12 of `sortie` from Gh, the geometry and the site corrections.
void CalculerFacteurMois(const EnregistrementEntrees& e, const TableauMois& Gh,
                         const GeometrieCapteur& geometrie, int16_t Masque_Existe,
                         TableauMois& sortie, const TableauMois& AlphaMois);
// Mask height [°] at angle d, linear between points; the first point's height below
// the first angle and the last point's height at or beyond the last one.
float HauteurMasque(const GeometrieCapteur& geometrie, int16_t d);
// Beam ratio of one hour-angle interval [a, b] (radians) by summation over whole
// degrees under the mask.
double SommeMasquee(const GeometrieCapteur& geometrie, double a, double b, double delta,
                    double omegaS);

// X = Em Becs / (a F Etap K DT): needs against the field's losses (ABEtap F KsurB DT
// for a one-piece heater), F the month's plane irradiation × days. An arithmetic
// fault gives "Erreur calcul Q" and ends the step; the failing month keeps the
// non-finite quotient (see EstFini).
void CalculerX(EnregistrementCalcul& c, RapportCalcul& rapport);
// T = (Em / (K / Bc) + DT1) / DT: the collector's temperature group (Em / KsurB for a
// one-piece heater). Faults end the run (ErreurArithmetique).
void CalculerT(EnregistrementCalcul& c);
