#pragma once
// Hot-water needs: the ambient temperature around the tank and the monthly need.

#include "engine/EnregistrementCalcul.h"

// TLocal by tank location: outdoors, unheated room, heated room; other locations
// leave it unchanged.
void CalculerTLocal(EnregistrementCalcul& c, const EnregistrementEntrees& e);
// Becs = DT × 0.00116 × Conso × Nj [kWh], month by month.
void CalculerBecs(EnregistrementCalcul& c);
