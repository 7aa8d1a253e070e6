#pragma once
// Heat exchanger coefficient.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

// Exchanger coefficient KEch [W/K] = 50 W/K per m² of collector (simple) or
// area × coefficient per m² of the model (detailed).
bool CalculerKEch(EnregistrementCalcul& c, RapportCalcul& rapport);
