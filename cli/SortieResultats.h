#pragma once
// The results of a project printed as an aligned table, as CSV (";" separated, the
// separator French spreadsheets expect) or as JSON (written by the core, as the web
// page reads it).

#include "project/SortieJson.h"
#include "project/TableauResultats.h"

#include <ostream>
#include <string>

void EcrireTableau(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t);
void EcrireCsv(std::ostream& sortie, const TableauResultats& t);

class clsprojet;
class RapportCalcul;
// The project's results in the format "table", "csv" or "json"; the table and the JSON
// add the economic study (under "economie"), and the JSON the stored values behind
// the cells and every message of the run's report.
void EcrireResultats(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                     const RapportCalcul& rapport);
