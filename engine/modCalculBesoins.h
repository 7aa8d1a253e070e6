#pragma once
// Hot-water needs: the ambient temperature around the tank and the monthly need.

#include "engine/EnregistrementCalcul.h"

// Temperature around the tank TLocal [°C] by its location: Text outdoors,
// (Text + 19) / 2 in an unheated room, TLocalChauffe in a heated one; other
// locations leave it unchanged.
void CalculerTLocal(EnregistrementCalcul& c, const EnregistrementEntrees& e);
// Becs = DT × 0.00116 × Conso × Nj [kWh], month by month.
void CalculerBecs(EnregistrementCalcul& c);
