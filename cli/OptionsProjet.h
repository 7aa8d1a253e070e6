#pragma once
// The options shared by the project subcommands of varquin-cli.

#include "cli/Commandes.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct OptionsProjet {
    std::vector<std::string> positionnels;
    std::string dossierDonnees;                 // --data
    std::vector<std::string> affectations;      // --set KEY=VALUE, in order
    std::string format = "table";               // --format table|csv|json
    std::string sortie;                         // -o FILE
    std::map<std::string, std::string> propres; // a subcommand's own options, by name
    bool aide = false;                          // --help
};

// Bad usage: the message says what is wrong; the process exits with status 2.
class ErreurUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments; `acceptees` lists the options the subcommand takes among
// "--data", "--set", "--format", "-o" and its own, which go to `propres`. Throws
// ErreurUsage.
OptionsProjet LireOptions(const Arguments& arguments, const std::vector<std::string>& acceptees);

// The keys --set accepts, for the help text.
std::string AideCles();

class clsprojet;
class RapportCalcul;
struct OuvertureProjet;

// The project file opened as the window opens it (a new project, then the file read
// into it) and the --set applied in order, each as a change in the window. Returns 0,
// or the exit code after the reason has been printed on stderr: 1 when the file
// cannot be read, 2 for a refused --set ("varquin-cli <commande> : ...").
int OuvrirProjetCli(clsprojet& projet, const OptionsProjet& options, const std::string& commande);

// What a refused file or --set says on stderr ("varquin-cli <commande> : --set ..."), and
// the exit code: 0 when opened and set, 1 for the file, 2 for a --set.
int SignalerOuverture(const OuvertureProjet& ouverture, const std::string& commande);

// The --set applied in order to an open project: 0, or 2 after the refusal has been
// printed.
int AppliquerAffectations(clsprojet& projet, const OptionsProjet& options,
                          const std::string& commande);

// One full calculation ("&Calculer") of the project. The messages a person would see
// go to stderr. Returns 0, or 1 when the calculation stopped or its inputs were
// refused.
int CalculerProjetCli(clsprojet& projet, RapportCalcul& rapport);

// The start-up load on the data folder (the configured one when empty), with the table
// of open projects. False, after the notifier has shown why, when it failed.
bool ChargerDonneesCli(const std::string& dossierDonnees);
