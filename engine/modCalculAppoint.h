#pragma once
// Auxiliary heating: the volume heated by an auxiliary integrated in the tank.

#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

#include <string>

// True for the system codes whose auxiliary heater is integrated in the tank.
bool IsAppointIntegre(const std::string& categorie);
// A status mark "?" or "*" leaves its value undetermined; any other mark is known.
bool EstIndetermine(const Marque& marque);

// VcElec = 30 % of Vn [l], for systems with an integrated auxiliary. False when the
// volume could not be computed.
bool CalculerAppoint(EnregistrementCalcul& c, RapportCalcul& rapport);
