#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "cli/SortieResultats.h"
#include "engine/RapportCalcul.h"
#include "project/clsprojet.h"

#include <iostream>

namespace {
const char* const Usage =
    "Usage : varquin-cli calc PROJET.vqp [--format table|csv|json] [--set CLÉ=VALEUR]...\n"
    "                        [--data DOSSIER]\n"
    "Ouvre le projet, applique les --set dans l'ordre, calcule l'ensemble du projet et\n"
    "affiche les résultats mensuels et annuels.\n";
} // namespace

int CommandeCalc(const Arguments& arguments) {
    OptionsProjet o;
    try {
        o = LireOptions(arguments, {"--data", "--set", "--format"});
        if (o.aide) {
            std::cout << Usage << AideCles();
            return 0;
        }
        if (o.positionnels.size() != 1)
            throw ErreurUsage("il faut un fichier de projet, et un seul");
    } catch (const ErreurUsage& e) {
        std::cerr << "varquin-cli calc : " << e.what() << ".\n" << Usage;
        return 2;
    }
    if (!ChargerDonneesCli(o.dossierDonnees))
        return 1;

    clsprojet projet;
    if (const int code = OuvrirProjetCli(projet, o, "calc"))
        return code;
    RapportCalcul rapport;
    if (const int code = CalculerProjetCli(projet, rapport)) {
        // The JSON still says why, message by message.
        if (o.format == "json")
            EcrireResultats(std::cout, o.format, projet, rapport);
        return code;
    }
    EcrireResultats(std::cout, o.format, projet, rapport);
    return 0;
}
