// varquin-cli regles: the table of input rules in Markdown, as the README shows it.

#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "project/ReglesSaisie.h"

#include <iostream>

namespace {
const char* const Usage = "Usage : varquin-cli regles [--data DOSSIER]\n"
                          "Affiche la table des données modifiables (clé, libellé, valeurs\n"
                          "admises, conservation) en Markdown.\n";

const char* Conservation(Stockage stockage) {
    switch (stockage) {
    case Stockage::Extension:
        return "section d'extension";
    case Stockage::Consequence:
        return "par ses conséquences";
    case Stockage::Aucun:
        return "non (besoins d'un foyer)";
    default:
        return "fichier";
    }
}
} // namespace

int CommandeRegles(const Arguments& arguments) {
    OptionsProjet o;
    try {
        o = LireOptions(arguments, {"--data"});
        if (o.aide) {
            std::cout << Usage;
            return 0;
        }
        if (!o.positionnels.empty())
            throw ErreurUsage("argument inattendu « " + o.positionnels[0] + " »");
    } catch (const ErreurUsage& e) {
        std::cerr << "varquin-cli regles : " << e.what() << ".\n" << Usage;
        return 2;
    }
    // The fixed choice lists come with the start-up load.
    if (!ChargerDonneesCli(o.dossierDonnees))
        return 1;
    std::cout << "| Clé | Libellé | Valeurs admises | Conservée |\n|---|---|---|---|\n";
    for (const RegleSaisie& r : ReglesSaisie())
        std::cout << "| `" << r.Nom() << "` | " << r.libelle << " | " << ValeursAdmises(r) << " | "
                  << Conservation(r.stockage) << " |\n";
    return 0;
}
