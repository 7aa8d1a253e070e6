// varquin-cli: the command-line calculator on the same core as the desktop program.
// Each subcommand lives in its own file and is listed in the table below.

#include "cli/Commandes.h"
#include "common/Citation.h"
#include "common/Erreurs.h"

#include <iostream>
#include <new>
#include <string>

namespace {
struct Commande {
    const char* nom;
    const char* usage;
    int (*executer)(const Arguments&);
};

const Commande kCommandes[] = {
    {"info", "info [--data DOSSIER]   charge les données de référence et dit ce qui a été lu",
     CommandeInfo},
    {"calc",
     "calc PROJET.vqp [--format table|csv|json] [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
     "                          calcule un projet et affiche ses résultats",
     CommandeCalc},
    {"sweep",
     "sweep PROJET.vqp [--collectors DÉBUT:FIN[:PAS]] [--volumes MIN:MAX[:PAS]]\n"
     "      [--format table|csv|json] [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
     "                          couverture et productivité selon le nombre de capteurs\n"
     "                          et le volume du ballon (étude de dimensionnement)",
     CommandeBalayage},
    {"new",
     "new -o PROJET.vqp [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
     "                          écrit un nouveau projet par défaut",
     CommandeNouveau},
    {"import-epw",
     "import-epw FICHIER.epw [--format table|csv|json]\n"
     "                          séries mensuelles d'un fichier météo EnergyPlus",
     CommandeImportEpw},
    {"report",
     "report PROJET.vqp -o RAPPORT.pdf [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
     "                          écrit le rapport imprimé du projet calculé en PDF",
     CommandeRapport},
    {"regles", "regles [--data DOSSIER]  la table des données modifiables et de leurs limites",
     CommandeRegles},
};

// What the core throws past a command ends it with a French message, never an abort.
int Executer(const Commande& c, const Arguments& arguments) {
    try {
        return c.executer(arguments);
    } catch (const std::exception& e) {
        std::cerr << "varquin-cli " << c.nom << " : " << TexteException(e) << '\n';
    }
    return 1;
}

void AfficherAide(std::ostream& sortie) {
    sortie << "Usage : varquin-cli COMMANDE [ARGUMENTS]\n\nCommandes :\n";
    for (const Commande& c : kCommandes)
        sortie << "  " << c.usage << '\n';
    sortie << "\n  --version               affiche la version\n"
              "  --help                  affiche cette aide\n";
}
} // namespace

int main(int argc, char** argv) {
    const Arguments arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        AfficherAide(std::cerr);
        return 2;
    }
    const std::string& nom = arguments[0];
    if (nom == "--version") {
        std::cout << "varquin-cli " << VARQUIN_VERSION << '\n';
        return 0;
    }
    if (nom == "--help" || nom == "-h") {
        AfficherAide(std::cout);
        return 0;
    }
    for (const Commande& c : kCommandes) {
        if (nom == c.nom)
            return Executer(c, Arguments(arguments.begin() + 1, arguments.end()));
    }
    std::cerr << "varquin-cli : commande inconnue " << Citer(nom) << ".\n";
    AfficherAide(std::cerr);
    return 2;
}
