#pragma once
// One calculation run on a filled project record: the system parameters, the monthly
// weather, needs and collector data, and the monthly balance.

#include "engine/EnregistrementCalcul.h"

#include <array>

// Program-wide flags: no stage runs while CalculPermis is false (component objects
// being refilled from a record); the monthly stages run only while CalculAuto is true
// (automatic calculation, the start-up mode).
extern bool CalculPermis;
extern bool CalculAuto;

// Days of each month 1..12, February always 28.
extern std::array<float, 13> JoursParMois;
void InitJoursParMois();

// The loop, exchanger, tank and auxiliary parameters, in their fixed order; a
// procedure that refuses its input shows its message and the others still run.
void CalculerParametresSysteme(EnregistrementCalcul& c);
// Weather, needs and collector stages, in their order.
void CalculerDonneesMensuelles(EnregistrementCalcul& c, const EnregistrementEntrees& e);

// The three stages on one project's sub-records. A fault that the method does not
// trap (a division by zero, an overflow, a missing solar file) ends the run with a
// French message through the notifier; the values written before it stay in the
// record. Returns false in that case. The caller owns the busy cursor.
bool ExecuterCalcul(EnregistrementCalcul& c, const EnregistrementEntrees& e);
