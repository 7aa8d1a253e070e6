#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "common/Erreurs.h"
#include "engine/RapportCalcul.h"
#include "project/clsprojet.h"

#include <iostream>

#ifdef VARQUIN_RAPPORT
#include "report/PageRapport.h"
#include "report/ReglagesRapport.h"

#include <QGuiApplication>
#include <clocale>
#endif

namespace {
const char* const Usage =
    "Usage : varquin-cli report PROJET.vqp -o RAPPORT.pdf [--set CLÉ=VALEUR]...\n"
    "                          [--data DOSSIER]\n"
    "Ouvre le projet, applique les --set dans l'ordre, calcule l'ensemble du projet et\n"
    "écrit son rapport d'étude (pages A4) en PDF, sans affichage ; le logo de\n"
    "l'installateur est celui choisi dans le programme.\n";

int EcrireRapport(clsprojet& projet, const std::string& chemin) {
#ifdef VARQUIN_RAPPORT
    // The page needs the fonts of a GUI application, which draws offscreen unless a
    // platform was asked for: batch runs have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nom[] = "varquin-cli";
    char* argv[] = {nom, nullptr};
    QGuiApplication application(argc, argv);
    // The installer's logo is read from the window's own settings.
    NommerReglages();
    // The core formats numbers itself; the C library must not follow the locale that
    // the application has just installed.
    std::setlocale(LC_NUMERIC, "C");
    try {
        EcrirePdf(projet, chemin);
    } catch (const ErreurExecution& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
#else
    (void)projet;
    (void)chemin;
    std::cerr << "varquin-cli report : ce programme a été construit sans Qt, il n'écrit pas "
                 "de rapport.\n";
    return 1;
#endif
}
} // namespace

int CommandeRapport(const Arguments& arguments) {
    OptionsProjet o;
    try {
        o = LireOptions(arguments, {"--data", "--set", "-o"});
        if (o.aide) {
            std::cout << Usage << AideCles();
            return 0;
        }
        if (o.positionnels.size() != 1)
            throw ErreurUsage("il faut un fichier de projet, et un seul");
        if (o.sortie.empty())
            throw ErreurUsage("il faut le fichier PDF à écrire (-o RAPPORT.pdf)");
    } catch (const ErreurUsage& e) {
        std::cerr << "varquin-cli report : " << e.what() << ".\n" << Usage;
        return 2;
    }
    if (!ChargerDonneesCli(o.dossierDonnees))
        return 1;

    clsprojet projet;
    if (const int code = OuvrirProjetCli(projet, o, "report"))
        return code;
    // A report whose results did not come from its characteristics would mislead.
    RapportCalcul rapport;
    if (const int code = CalculerProjetCli(projet, rapport))
        return code;
    return EcrireRapport(projet, o.sortie);
}
