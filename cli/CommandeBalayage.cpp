#include "cli/Commandes.h"
#include "cli/OptionsProjet.h"
#include "cli/SortieBalayage.h"
#include "common/Nombres.h"
#include "data/modMessages.h"
#include "project/ReglesSaisie.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {
const char* const Usage =
    "Usage : varquin-cli sweep PROJET.vqp [--collectors DÉBUT:FIN[:PAS]]\n"
    "                         [--volumes MIN:MAX[:PAS]] [--format table|csv|json]\n"
    "                         [--set CLÉ=VALEUR]... [--data DOSSIER]\n"
    "Étude de dimensionnement d'un système à capteurs et ballon : le projet est calculé\n"
    "pour chaque nombre de capteurs de DÉBUT à FIN (tous les PAS capteurs) et chaque ballon\n"
    "du catalogue dont le volume Vn va de MIN à MAX litres (au plus un ballon par PAS\n"
    "litres), avec toujours le nombre et le ballon du projet, point marqué « * ».\n"
    "Par défaut : de 1 à deux fois le nombre de capteurs du projet (10 au moins), et tous\n"
    "les ballons du catalogue. Un « ! » marque un point dont un mois est couvert à 90 % ou\n"
    "plus (stagnation probable en été).\n";

struct Plage {
    double debut = 0, fin = 0, pas = 0;
};

std::vector<std::string> Morceaux(const std::string& texte) {
    std::vector<std::string> morceaux(1);
    for (const char c : texte) {
        if (c == ':')
            morceaux.emplace_back();
        else
            morceaux.back() += c;
    }
    return morceaux;
}

// "DÉBUT:FIN" or "DÉBUT:FIN:PAS". The values themselves are checked later by the input
// rules, so that a refused one gets the words of a refused change.
Plage LirePlage(const std::string& option, const std::string& texte, bool entiers) {
    const std::vector<std::string> morceaux = Morceaux(texte);
    std::vector<double> v;
    for (const std::string& m : morceaux) {
        const auto x = LireNombre(m);
        if (!x || (entiers && *x != std::floor(*x)))
            break;
        v.push_back(*x);
    }
    if (v.size() != morceaux.size() || v.size() < 2 || v.size() > 3)
        throw ErreurUsage("« " + option + " » attend DÉBUT:FIN ou DÉBUT:FIN:PAS" +
                          (entiers ? " en nombres entiers" : "") + ", pas « " + texte + " »");
    const Plage p{v[0], v[1], v.size() == 3 ? v[2] : 0};
    if (p.debut > p.fin)
        throw ErreurUsage("« " + option + " » : le début de la plage dépasse sa fin");
    if (v.size() == 3 && !(p.pas > 0))
        throw ErreurUsage("« " + option + " » : le pas doit être positif");
    return p;
}

int Entier(double v) {
    // Beyond the rules' bounds anyway: the rule refuses it all the same.
    return static_cast<int>(std::clamp(v, -1e6, 1e6));
}

GrilleBalayage LireGrille(const OptionsProjet& o, const EnregistrementCalcul& c) {
    const auto capteurs = o.propres.find("--collectors");
    const auto volumes = o.propres.find("--volumes");
    const Bornes nombres = TrouverRegle("Nb_Capteurs").bornes.value_or(Bornes{1, 1});
    Plage n{1, std::clamp(2.0 * c.Nb_Capteurs, 10.0, nombres.maximum), 1};
    if (capteurs != o.propres.end())
        n = LirePlage("--collectors", capteurs->second, true);
    const Bornes tous = TrouverRegle("Vn").bornes.value_or(Bornes{0, 0});
    Plage v{tous.minimum, tous.maximum, 0};
    if (volumes != o.propres.end())
        v = LirePlage("--volumes", volumes->second, false);
    GrilleBalayage g;
    g.nombres = NombresBalayage(c, Entier(n.debut), Entier(n.fin), Entier(std::max(n.pas, 1.0)));
    g.ballons = BallonsBalayage(c, v.debut, v.fin, v.pas);
    return g;
}
} // namespace

int CommandeBalayage(const Arguments& arguments) {
    OptionsProjet o;
    try {
        o = LireOptions(arguments, {"--data", "--set", "--format", "--collectors", "--volumes"});
        if (o.aide) {
            std::cout << Usage << AideCles();
            return 0;
        }
        if (o.positionnels.size() != 1)
            throw ErreurUsage("il faut un fichier de projet, et un seul");
        for (const auto& [option, texte] : o.propres)
            (void)LirePlage(option, texte, option == "--collectors");
    } catch (const ErreurUsage& e) {
        std::cerr << "varquin-cli sweep : " << e.what() << ".\n" << Usage;
        return 2;
    }
    if (!ChargerDonneesCli(o.dossierDonnees))
        return 1;
    clsprojet projet;
    if (const int code = OuvrirProjetCli(projet, o, "sweep"))
        return code;
    Balayage b;
    try {
        b = Balayer(projet, LireGrille(o, projet.EnregistrementAvantCalcul().Calcul));
    } catch (const ErreurParametre& e) {
        std::cerr << "varquin-cli sweep : " << e.what() << '\n';
        return 2;
    }
    for (const std::string& texte : b.rapportProjet.MessagesAffiches(AfficherMessages))
        std::cerr << texte << '\n';
    // As calc: a project that cannot be calculated prints nothing but its JSON.
    if (b.rapportProjet.Complet() || o.format == "json")
        EcrireBalayage(std::cout, o.format, projet, b);
    return b.rapportProjet.Complet() ? 0 : 1;
}
