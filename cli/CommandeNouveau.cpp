#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "engine/RapportCalcul.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"

#include <filesystem>
#include <iostream>

namespace {
const char* const Usage =
    "Usage : varquin-cli new -o PROJET.vqp [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
    "Écrit un nouveau projet avec les valeurs par défaut, modifiées par les --set, et\n"
    "calculé.\n";
} // namespace

int CommandeNouveau(const Arguments& arguments) {
    OptionsProjet o;
    try {
        o = LireOptions(arguments, {"--data", "--set", "-o"});
        if (o.aide) {
            std::cout << Usage << AideCles();
            return 0;
        }
        if (o.sortie.empty())
            throw ErreurUsage("il faut le fichier à écrire (-o PROJET.vqp)");
        if (!o.positionnels.empty())
            throw ErreurUsage("argument inattendu " + Citer(o.positionnels[0]));
    } catch (const ErreurUsage& e) {
        std::cerr << "varquin-cli new : " << e.what() << ".\n" << Usage;
        return 2;
    }
    if (!ChargerDonneesCli(o.dossierDonnees))
        return 1;

    // As the "&Nouveau" command makes a project, then each --set as a change in the
    // window.
    clsprojet projet;
    try {
        (void)projet.Nouveau();
    } catch (const ErreurExecution& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    if (const int code = AppliquerAffectations(projet, o, "new"))
        return code;
    try {
        // The file holds the record: the run brings the changes into it.
        RapportCalcul rapport;
        const int code = CalculerProjetCli(projet, rapport);
        projet.EnregistrerSous(std::filesystem::absolute(o.sortie).string());
        if (code != 0)
            std::cerr << "Le projet a été écrit, mais son calcul n'a pas abouti.\n";
        return code;
    } catch (const ErreurExecution& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
