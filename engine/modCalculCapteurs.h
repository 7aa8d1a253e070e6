#pragma once
// Collector stage: the mean daily irradiation on the collector plane with the horizon
// mask and the site corrections (FacteurMois), then the groups X and T of the balance.

#include "engine/EnregistrementCalcul.h"

struct GeometrieCapteur {
    float latitude = 0;    // degrees, signed
    float inclinaison = 0; // degrees from horizontal
    float orientation = 0; // azimuth of the normal from south; positive towards
                           // positive hour angles
    int16_t NbPoints = 0;
    TableauPoints hauteurs{}; // mask heights [°]
    TableauPoints angles{};   // mask angles [°], increasing with the point number
};

// Fills FacteurMois; a latitude of exactly 0 leaves it unchanged.
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

// X: needs over collector losses. An arithmetic fault shows "Erreur calcul Q" and
// ends the step; the failing month keeps the non-finite quotient (see EstFini).
void CalculerX(EnregistrementCalcul& c);
// T: dimensionless temperature group. Faults end the run (ErreurArithmetique).
void CalculerT(EnregistrementCalcul& c);
