#pragma once
// The texts of the five files of the Pays folder (UTF-8 here; written as Windows-1252).

#include "Stations.h"

#include <string>

namespace stations {

// A number with the given decimals and a decimal comma ("-0,0" is written "0,0").
std::string Decimal(double valeur, int decimales);
// "45,8°N"; a southern latitude keeps its sign: "-20,9°S".
std::string TexteLatitude(double latitude);

std::string TextePays();
std::string TexteDepartements(const Referentiel& r);
std::string TexteVilles(const Referentiel& r);
std::string TexteStations(const Referentiel& r);
std::string TexteStations2(const Referentiel& r);

} // namespace stations
