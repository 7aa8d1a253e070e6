#pragma once
// Monthly energy balance: the groups S, F2, Z, the coverage Fecs read off the
// closed-form correlation, the productivity and the annual figures.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

#include <string>

// Runs X, T, then the steps below over months 1..12 each. Faults the method does not
// trap throw ErreurArithmetique, leaving what was written before.
void CalculerBilanMensuel(EnregistrementCalcul& c, RapportCalcul& rapport);

// Storage group S = 16.536 Ds / Conso per month (Ds [W/K], Conso [l/j]). A month
// whose consumption is below 1 l/j gives the positive-consumption message (with the
// French name of the month) and keeps its previous S.
void CalculerS(EnregistrementCalcul& c, RapportCalcul& rapport);
// Collector-and-storage group F2 = (DT2 S / DT + T / (X + 1)) / (S + 1), with a
// negative value folded to 0.01 − |F2 / 10000| (0.0001 at least).
void CalculerF2(EnregistrementCalcul& c);
// Draw-off group Z = Conso / (T V) × (1 + T DT / 80), V the store volume [l].
void CalculerZ(EnregistrementCalcul& c);
// Fecs = 100 / √(coth(F2²) + 0.2 Z²); where the correlation is undefined (F2 = 0)
// message 300 with the month number, and 0.
void CalculerFecs(EnregistrementCalcul& c, RapportCalcul& rapport);
// Annual needs Becs_an [kWh] = Σ Becs.
void CalculerBecsAn(EnregistrementCalcul& c);
// Solar energy delivered Prod [kWh] = Fecs × Becs / 100 per month, and its sum.
void CalculerProd(EnregistrementCalcul& c);
// Annual coverage Fecs_an [%] = 100 × Productivite_an / Becs_an.
void CalculerFecsAn(EnregistrementCalcul& c);
// Productivity per m² of collector [kWh/m²] = Productivite_an / a (not for class 3).
void CalculerProductiviteM2(EnregistrementCalcul& c);

// The month's full name in French, lower case ("mars").
std::string NomMois(int m);
