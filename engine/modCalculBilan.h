#pragma once
// Monthly energy balance: the groups S, F2, Z, the coverage Fecs read off the
// closed-form correlation, the productivity and the annual figures.

#include "engine/EnregistrementCalcul.h"

#include <string>

// Runs X, T, then the steps below over months 1..12 each. Does nothing unless
// CalculPermis and CalculAuto are both true. Faults the method does not trap throw
// ErreurArithmetique, leaving what was written before.
void CalculerBilanMensuel(EnregistrementCalcul& c);

// A month whose consumption is below 1 l/j shows the positive-consumption message
// (with the French name of the month) and keeps its previous S.
void CalculerS(EnregistrementCalcul& c);
// F2, with a negative value folded to 0.01 − |F2 / 10000| (0.0001 at least).
void CalculerF2(EnregistrementCalcul& c);
void CalculerZ(EnregistrementCalcul& c);
// Fecs = 100 / √(coth(F2²) + 0.2 Z²); where the correlation is undefined (F2 = 0)
// message 300 with the month number, and 0.
void CalculerFecs(EnregistrementCalcul& c);
void CalculerBecsAn(EnregistrementCalcul& c);
void CalculerProd(EnregistrementCalcul& c);
void CalculerFecsAn(EnregistrementCalcul& c);
void CalculerProductiviteM2(EnregistrementCalcul& c);

// The month's full name in French, lower case ("mars").
std::string NomMois(int m);
