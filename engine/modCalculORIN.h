#pragma once
// One calculation run on a filled project record: the system parameters, the monthly
// weather, needs and collector data, and the monthly balance.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

// The loop, exchanger, tank and auxiliary parameters, in their fixed order; a
// procedure that refuses its input says so in the report and the others still run.
void CalculerParametresSysteme(EnregistrementCalcul& c, RapportCalcul& rapport);
// Weather, needs and collector stages, in their order.
void CalculerDonneesMensuelles(EnregistrementCalcul& c, const EnregistrementEntrees& e,
                               RapportCalcul& rapport);

// What a run computes: the system parameters always; the monthly stages and the
// balance only in a full calculation (automatic mode, or "&Calculer").
enum class EtenduCalcul { Parametres, Complet };

// The stages on one project's sub-records. A fault that the method does not trap (a
// division by zero, an overflow, a missing solar file) ends the run; the report says
// where and why, and the values written before it stay in the record.
RapportCalcul ExecuterCalcul(EnregistrementCalcul& c, const EnregistrementEntrees& e,
                             EtenduCalcul etendu = EtenduCalcul::Complet);
