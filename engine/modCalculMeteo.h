#pragma once
// Weather stage: the solar series of the Soleil folder, the site temperature, the
// clearness index, the irradiation on the collector plane by the table method with
// its angular factor, the mean daytime irradiance and the temperature differences.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

// Cs, AlphagG, Delta and Nj from the first lines of "Cs.Don", "alphaG.don",
// "delta.don" and "Nj.don". A missing or unreadable file throws ErreurFichier after
// message 44.
void ChargerDonneesSoleil(EnregistrementCalcul& c, RapportCalcul& rapport);
// Text = TextStation lowered by 4.5 K per 1000 m of height above the station.
void CorrigerTemperatureAltitude(EnregistrementCalcul& c, const EnregistrementEntrees& e);
// Clearness index R [-] = Gh / H0, H0 the daily extraterrestrial irradiation on a
// horizontal plane [kWh/(m².j)] at the month's declination Delta and the latitude.
void CalculerR(EnregistrementCalcul& c);
// Irradiation on the collector plane G_l_i_g_R [kWh/(m².month)] by interpolation in
// the G_ tables (latitude band, tilt 30°/60°, orientation, clearness), divided by
// Alpha, and the monthly incidence-angle factor AlphaMois [-]. A
// fault inside this step (missing file, division by zero) skips the operation
// concerned; a negative tilt leaves G_l_i_g_R as it was.
void CalculerGPlan(EnregistrementCalcul& c, TableauMois& AlphaMois, RapportCalcul& rapport);
// Mean daytime irradiance on the plane Em [W/m²] = 800 sin(π (60 − |φ| + δ) / 100) + 650.
void CalculerEm(EnregistrementCalcul& c);
// DT1 = Text + 2 K (maritime zone) or 4 K (other zones) − Tef; the zone text is
// upper-cased in the record.
void CalculerDT1(EnregistrementCalcul& c);
// DT2 [K] = TLocal − Tef: the tank's surroundings against the cold water.
void CalculerDT2(EnregistrementCalcul& c);
// DT [K] = Tref − Tef: the hot water's rise over the cold water.
void CalculerDT(EnregistrementCalcul& c);

// The lower latitude band of the G_ tables: Int(latitude / 5) × 5.
int16_t BandeLatitude(float latitude);
// The clearness class of a month: lower row (0..17) and its class value.
struct ClasseClarte {
    int ligne = 0;
    float valeur = 0;
};
ClasseClarte ClasseDeClarte(float KT);
