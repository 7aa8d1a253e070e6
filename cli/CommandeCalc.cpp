#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "cli/SortieResultats.h"
#include "engine/RapportCalcul.h"
#include "project/Reglages.h"
#include "project/SortieJson.h"
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
    const std::string& fichier = o.positionnels[0];
    const OuvertureProjet ouverture = OuvrirProjet(
        projet, [&](clsprojet& p) { p.Ouvrir(fichier); }, o.affectations);
    RapportCalcul rapport;
    int code = SignalerOuverture(ouverture, "calc");
    if (code == 0)
        code = CalculerProjetCli(projet, rapport);
    // A refused file or --set, and a run that stopped, still give their JSON: it says why.
    if (o.format == "json")
        EcrireEtudeJson(std::cout, projet, ouverture, fichier, rapport);
    else if (code == 0)
        EcrireResultats(std::cout, o.format, projet, rapport);
    return code;
}
