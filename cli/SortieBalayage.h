#pragma once
// A sizing study printed as the annual coverage by collector count and tank volume
// (table), one line per point (CSV, ";" and decimal commas), or every value (JSON).
// The project's own point is marked.

#include "project/modBalayage.h"

#include <ostream>
#include <string>

class clsprojet;

void EcrireBalayage(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                    const Balayage& b);
