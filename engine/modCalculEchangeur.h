#pragma once
// Heat exchanger coefficient.

#include "engine/EnregistrementCalcul.h"

// KEch = 50 W/K per m² of collector (simple) or size × coefficient per size (detailed).
void CalculerKEch(EnregistrementCalcul& c, bool& succes);
