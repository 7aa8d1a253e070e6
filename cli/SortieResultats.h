#pragma once
// The results of a project printed as an aligned table, as CSV (";" separated, the
// separator French spreadsheets expect) or as JSON.

#include "engine/EnregistrementCalcul.h"
#include "project/TableauResultats.h"

#include <functional>
#include <ostream>
#include <string>

struct EnTeteResultats {
    std::string projet;  // project name
    std::string fichier; // project file
    std::string station;
};

void EcrireTableau(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t);
void EcrireCsv(std::ostream& sortie, const TableauResultats& t);
// `suite`, when given, writes further members of the JSON object.
void EcrireJson(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t,
                const std::function<void(std::ostream&)>& suite = {});

class clsprojet;
class RapportCalcul;
// The project's results in the format "table", "csv" or "json"; the table and the JSON
// add the economic study (under "economie"), and the JSON the stored values behind
// the cells and every message of the run's report.
void EcrireResultats(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                     const RapportCalcul& rapport);

// A JSON string literal of a UTF-8 text.
std::string ChaineJson(const std::string& texte);
// A stored Single as JSON: the shortest text that reads back to the same float.
std::string SimpleJson(float v);
// Months 1..12 as a JSON array of stored Singles.
std::string MoisJson(const TableauMois& mois);
// The members "calcul_complet" and "messages" of a run's report.
void EcrireMessages(std::ostream& sortie, const RapportCalcul& rapport);
