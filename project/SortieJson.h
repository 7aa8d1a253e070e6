#pragma once
// A project's results, its sizing study and its input rules as JSON: what
// `varquin-cli --format json` prints and what the web page reads, written once so
// that both doors give the same text for the same project.

#include "engine/EnregistrementCalcul.h"
#include "project/TableauResultats.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class clsprojet;
class RapportCalcul;
struct Balayage;

// The heading of a results print-out.
struct EnTeteResultats {
    std::string projet;  // project name
    std::string fichier; // project file
    std::string station;
};

// A JSON string literal of a UTF-8 text.
std::string ChaineJson(const std::string& texte);
// A JSON array of texts.
std::string ListeJson(const std::vector<std::string>& textes);
// A stored Single as JSON: the shortest text that reads back to the same float.
std::string SimpleJson(float v);
// Months 1..12 as a JSON array of stored Singles.
std::string MoisJson(const TableauMois& mois);

// The grid's rows as a JSON object; `suite`, when given, writes further members.
void EcrireJson(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t,
                const std::function<void(std::ostream&)>& suite = {});
// The members "calcul_complet" and "messages" of a run's report.
void EcrireMessages(std::ostream& sortie, const RapportCalcul& rapport);
// The results of a calculated project: the grid's cells (empty when the run did not go
// through), the stored values behind them, every message of the run, the economic
// study and the client dossier.
void EcrireResultatsJson(std::ostream& sortie, const clsprojet& projet,
                         const RapportCalcul& rapport);
// The same object for a project that was not calculated because its file or one of its
// settings was refused: every cell empty, `calcul_complet` false and the refusal as
// the one message. `e` names what was asked for.
void EcrireRefusJson(std::ostream& sortie, const EnTeteResultats& e, const clsprojet& projet,
                     const std::string& refus);
struct OuvertureProjet;
// The JSON of a study opened by OuvrirProjet (Reglages.h) from the file `fichier`: its
// refusal when its file or a setting was refused, else the results of its run.
void EcrireEtudeJson(std::ostream& sortie, const clsprojet& projet,
                     const OuvertureProjet& ouverture, const std::string& fichier,
                     const RapportCalcul& rapport);
// The sizing study: the grid, every point and the project's run messages.
void EcrireBalayageJson(std::ostream& sortie, const clsprojet& projet, const Balayage& b);
// The table of input rules as a JSON array, one object per rule: its name, section,
// key, label, unit, kind, bounds, decimals, window section, whether it may be empty,
// and what it accepts in words.
std::string ReglesJson();
