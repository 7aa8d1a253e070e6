#include "cli/OptionsProjet.h"

#include "common/Erreurs.h"
#include "engine/modCalculORIN.h"
#include "project/ParametresProjet.h"
#include "project/clsprojet.h"
#include "project/modSimulation.h"
#include "startup/Modgeneral.h"

#include <algorithm>
#include <filesystem>
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
            throw ErreurUsage("option inconnue « " + option + " »");
        if (!valeur) {
            if (i + 1 >= arguments.size())
                throw ErreurUsage("l'option « " + option + " » attend une valeur");
            valeur = arguments[++i];
        }
        if (option == "--data")
            o.dossierDonnees = *valeur;
        else if (option == "--set")
            o.affectations.push_back(*valeur);
        else if (option == "--format")
            o.format = *valeur;
        else
            o.sortie = *valeur;
    }
    if (o.format != "table" && o.format != "csv" && o.format != "json")
        throw ErreurUsage("format « " + o.format + " » inconnu (table, csv ou json)");
    return o;
}

bool ChargerDonneesCli(const std::string& dossierDonnees) {
    const bool reussi = ChargementInitial(dossierDonnees);
    InitJoursParMois();
    CalculPermis = true;
    return reussi;
}

std::string AideCles() {
    std::string texte = "\nClés de --set (préfixées par leur section quand elles se répètent,\n"
                        "par exemple --set \"Débit énergétique 2:cp=0,95\") :\n";
    for (const std::string& cle : ClesParametres())
        texte += "  " + cle + "\n";
    return texte;
}

int OuvrirProjetCli(clsprojet& projet, const OptionsProjet& options, const std::string& commande) {
    CalculPermis = false;
    projet.Activer();
    CalculPermis = true;
    // An empty path has no absolute form; the reader then says the name is empty.
    std::error_code ec;
    projet.Fichier = std::filesystem::absolute(options.positionnels.at(0), ec).string();
    try {
        projet.WithDataDo(1);
    } catch (const ErreurExecution& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    try {
        for (const std::string& affectation : options.affectations)
            DefinirParametre(projet, affectation);
    } catch (const ErreurParametre& e) {
        std::cerr << "varquin-cli " << commande << " : " << e.what() << '\n';
        return 2;
    }
    return 0;
}

int CalculerProjetCli() {
    try {
        return CalculerProjetActif() ? 0 : 1;
    } catch (const ErreurExecution& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
