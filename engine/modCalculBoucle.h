#pragma once
// Collector loop: energy flow rates of the two loops, loop heat loss, loss coefficient
// per m² of collector and loop efficiency factor.

#include "engine/EnregistrementCalcul.h"

void CalculerDebitEnergetique1(EnregistrementCalcul& c, bool& succes);
void CalculerDebitEnergetique2(EnregistrementCalcul& c, bool& succes);
// Loop heat loss Kt [W/K]: rule of thumb (choice 0) or pipe formula (any other).
void CalculerKt(EnregistrementCalcul& c, bool& succes);
// K = Kt / a + Kc, after recomputing Kt.
void CalculerK(EnregistrementCalcul& c, bool& succes);
void CalculerEtap(EnregistrementCalcul& c, bool& succes);
