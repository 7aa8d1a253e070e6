#pragma once
// Storage tank: solar volume and heat loss.

#include "engine/EnregistrementCalcul.h"

// Vs from Vn (and from the auxiliary volume when the auxiliary is integrated).
void CalculerVs(EnregistrementCalcul& c, bool& succes);
// Ds = 1 % of Vs under the simple choice; otherwise the tank's value stands.
void CalculerDs(EnregistrementCalcul& c, bool& succes);
