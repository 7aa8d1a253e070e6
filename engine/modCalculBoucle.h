#pragma once
// Collector loop: energy flow rates of the two loops, loop heat loss, loss coefficient
// per m² of collector and loop efficiency factor.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

bool CalculerDebitEnergetique1(EnregistrementCalcul& c, RapportCalcul& rapport);
bool CalculerDebitEnergetique2(EnregistrementCalcul& c, RapportCalcul& rapport);
// Loop heat loss Kt [W/K]: rule of thumb (choice 0) or pipe formula (any other).
bool CalculerKt(EnregistrementCalcul& c, RapportCalcul& rapport);
// K = Kt / a + Kc, after recomputing Kt.
bool CalculerK(EnregistrementCalcul& c, RapportCalcul& rapport);
bool CalculerEtap(EnregistrementCalcul& c, RapportCalcul& rapport);
