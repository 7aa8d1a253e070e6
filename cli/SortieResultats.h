#pragma once
// The results of a project printed as an aligned table, as CSV (";" separated, the
// separator French spreadsheets expect) or as JSON.

#include "project/TableauResultats.h"

#include <ostream>
#include <string>

struct EnTeteResultats {
    std::string projet;  // project name
    std::string fichier; // project file
    std::string station;
};

void EcrireTableau(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t);
void EcrireCsv(std::ostream& sortie, const TableauResultats& t);
// The JSON object is left open after its "lignes", for the members that follow.
void EcrireJson(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t);

class clsprojet;
// The project's results in the format "table", "csv" or "json"; the table and the JSON
// add the economic study (under "economie").
void EcrireResultats(std::ostream& sortie, const std::string& format, const clsprojet& projet);

// A JSON string literal of a UTF-8 text.
std::string ChaineJson(const std::string& texte);
