#include "startup/ModRegistry.h"

#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"

#include <cstdlib>
#include <sstream>

namespace {
std::string RognerBlancs(const std::string& s) {
    const std::size_t debut = s.find_first_not_of(" \t\r\n");
    if (debut == std::string::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(" \t\r\n") - debut + 1);
}

std::string SansGuillemets(const std::string& s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        return s.substr(1, s.size() - 2);
    return s;
}

std::string Variable(const char* nom) {
    const char* v = std::getenv(nom);
    return v ? v : "";
}
} // namespace

std::string ValeurIni(const std::string& contenu, const std::string& section,
                      const std::string& nom) {
    std::istringstream flux(contenu);
    std::string ligne;
    bool dansSection = false;
    while (std::getline(flux, ligne)) {
        const std::string t = RognerBlancs(ligne);
        if (t.empty() || t[0] == ';' || t[0] == '#')
            continue;
        if (t.front() == '[' && t.back() == ']') {
            dansSection = EgalSansCasse(RognerBlancs(t.substr(1, t.size() - 2)), section);
            continue;
        }
        const std::size_t egal = t.find('=');
        if (dansSection && egal != std::string::npos &&
            EgalSansCasse(RognerBlancs(t.substr(0, egal)), nom))
            return SansGuillemets(RognerBlancs(t.substr(egal + 1)));
    }
    return {};
}

std::vector<std::string> FichiersConfiguration() {
    std::vector<std::string> fichiers;
    std::string utilisateur = Variable("XDG_CONFIG_HOME");
    if (utilisateur.empty() && !Variable("HOME").empty())
        utilisateur = Variable("HOME") + "/.config";
    if (!utilisateur.empty())
        fichiers.push_back(utilisateur + "/" + FichierConfiguration);
    std::string systeme = Variable("XDG_CONFIG_DIRS");
    if (systeme.empty())
        systeme = "/etc/xdg";
    std::istringstream dossiers(systeme);
    for (std::string dossier; std::getline(dossiers, dossier, ':');) {
        if (!dossier.empty())
            fichiers.push_back(dossier + "/" + FichierConfiguration);
    }
    return fichiers;
}

std::string LireValeurConfiguration(const std::vector<std::string>& fichiers,
                                    const std::string& cle, const std::string& nomValeur) {
    for (const std::string& f : fichiers) {
        try {
            const std::string valeur =
                ValeurIni(LireFichierTexte(f, GenreFichier::Donnees), cle, nomValeur);
            if (!valeur.empty())
                return valeur;
        } catch (const ErreurFichier&) {
            // An absent or unreadable file gives nothing, as an absent key would.
        }
    }
    return {};
}

std::string QueryValue(const std::string& cle, const std::string& nomValeur) {
    return LireValeurConfiguration(FichiersConfiguration(), cle, nomValeur);
}
