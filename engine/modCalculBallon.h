#pragma once
// Storage tank: solar volume and heat loss.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

// Solar volume Vs [l] = 85 % of Vn, or Vn − VcElec × XElec with an integrated auxiliary.
bool CalculerVs(EnregistrementCalcul& c, RapportCalcul& rapport);
// Tank loss Ds [W/K] = 1 % of Vs under the simple choice; otherwise the value stands.
bool CalculerDs(EnregistrementCalcul& c, RapportCalcul& rapport);
