#pragma once
// Collector loop: energy flow rates of the two loops, loop heat loss, loss coefficient
// per m² of collector and loop efficiency factor.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

// Energy flow rate of the collector loop DebitEner [W/K]: 40 W/K per m² of collector
// for R = 0.9, 10 W/K otherwise (simple); cp × Debit_Total, with cp = (4180 − 20 Fa) /
// 3600 Wh/(l.K) for an antifreeze share Fa [%] (detailed). False after a refusal.
bool CalculerDebitEnergetique1(EnregistrementCalcul& c, RapportCalcul& rapport);
// The same for the tank-side loop; the first loop's value under the simple choice.
bool CalculerDebitEnergetique2(EnregistrementCalcul& c, RapportCalcul& rapport);
// Loop heat loss Kt [W/K]: 1.5 a + 15 bare, 0.5 a + 5 insulated (rule of thumb, choice
// 0), or U × L with U = π / (1 / (D he) + 1.15 / λ ln(1 + 2e / d)) per metre of pipe of
// outer diameter d, insulation e, λ, outer heat-transfer coefficient he (any other).
bool CalculerKt(EnregistrementCalcul& c, RapportCalcul& rapport);
// Loss coefficient per m² of collector K [W/(m².K)] = Kt / a + Kc, after Kt.
bool CalculerK(EnregistrementCalcul& c, RapportCalcul& rapport);
// Loop efficiency factor Etap [-]: 0.7 (simple), or by system class from
// u = D1 / (a K): R (1 − 1/2u) without exchanger, with the exchanger's effectiveness
// otherwise (detailed). False after a refusal.
bool CalculerEtap(EnregistrementCalcul& c, RapportCalcul& rapport);
