#include "cli/OptionsProjet.h"

#include "common/Citation.h"
#include "data/modMessages.h"
#include "project/Reglages.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"

#include <algorithm>
#include <iostream>

namespace {
bool Accepte(const std::vector<std::string>& acceptees, const std::string& option) {
    return std::find(acceptees.begin(), acceptees.end(), option) != acceptees.end();
}
} // namespace

OptionsProjet LireOptions(const Arguments& arguments, const std::vector<std::string>& acceptees) {
    OptionsProjet o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::optional<std::string> valeur;
        if (option.rfind("--", 0) == 0 && option.find('=') != std::string::npos) {
            valeur = option.substr(option.find('=') + 1);
            option = option.substr(0, option.find('='));
        }
        if (option == "--help" || option == "-h") {
            o.aide = true;
            continue;
        }
        if (option.empty() || option[0] != '-' || option == "-") {
            o.positionnels.push_back(arguments[i]);
            continue;
        }
        if (!Accepte(acceptees, option))
            throw ErreurUsage("option inconnue " + Citer(option));
        if (!valeur) {
            if (i + 1 >= arguments.size())
                throw ErreurUsage("l'option " + Citer(option) + " attend une valeur");
            valeur = arguments[++i];
        }
        if (option == "--data")
            o.dossierDonnees = *valeur;
        else if (option == "--set")
            o.affectations.push_back(*valeur);
        else if (option == "--format")
            o.format = *valeur;
        else if (option == "-o")
            o.sortie = *valeur;
        else
            o.propres[option] = *valeur;
    }
    if (o.format != "table" && o.format != "csv" && o.format != "json")
        throw ErreurUsage("format " + Citer(o.format) + " inconnu (table, csv ou json)");
    return o;
}

bool ChargerDonneesCli(const std::string& dossierDonnees) {
    return ChargementInitial(dossierDonnees);
}

std::string AideCles() {
    return "\nClés de --set (préfixées par leur section quand elles se répètent,\n"
           "par exemple --set \"Débit énergétique 2:cp=0,95\") :\n" +
           AideRegles();
}

int OuvrirProjetCli(clsprojet& projet, const OptionsProjet& options, const std::string& commande) {
    const OuvertureProjet o = OuvrirProjet(
        projet, [&](clsprojet& p) { p.Ouvrir(options.positionnels.at(0)); }, options.affectations);
    return SignalerOuverture(o, commande);
}

int SignalerOuverture(const OuvertureProjet& ouverture, const std::string& commande) {
    switch (ouverture.issue) {
    case OuvertureProjet::Issue::FichierRefuse:
        std::cerr << ouverture.refus << '\n';
        return 1;
    case OuvertureProjet::Issue::ReglageRefuse:
        std::cerr << "varquin-cli " << commande << " : --set " << ouverture.refus << '\n';
        return 2;
    default:
        return 0;
    }
}

int AppliquerAffectations(clsprojet& projet, const OptionsProjet& options,
                          const std::string& commande) {
    OuvertureProjet o;
    o.refus = AppliquerReglages(projet, options.affectations);
    if (!o.refus.empty())
        o.issue = OuvertureProjet::Issue::ReglageRefuse;
    return SignalerOuverture(o, commande);
}

int CalculerProjetCli(clsprojet& projet, RapportCalcul& rapport) {
    rapport = projet.Calculer();
    for (const std::string& texte : rapport.MessagesAffiches(AfficherMessages))
        std::cerr << texte << '\n';
    return rapport.Complet() ? 0 : 1;
}
