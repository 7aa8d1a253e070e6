#include "data/modCommunes.h"

#include "common/Chemins.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Recherche.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modStations.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace {
struct Cache {
    std::string chemin; // the communes file the list was read from
    std::vector<Commune> communes;
};
Cache gCache;

// The data lines of a table file as (values, name), the two heading lines skipped.
std::vector<std::pair<std::string, std::string>> LignesDonnees(const std::string& chemin) {
    if (!FichierExiste(chemin))
        throw ErreurFichier("La liste des communes est introuvable : « " + chemin + " ».");
    std::istringstream flux(LireFichierTexte(chemin, GenreFichier::Donnees));
    std::vector<std::pair<std::string, std::string>> lignes;
    int numero = 0;
    for (std::string ligne; std::getline(flux, ligne);) {
        if (++numero <= 2)
            continue;
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        const std::size_t diese = ligne.find('#');
        if (diese != std::string::npos)
            lignes.emplace_back(ligne.substr(0, diese), ligne.substr(diese + 1));
    }
    return lignes;
}

std::vector<Commune> LireCommunes(const std::string& chemin) {
    std::map<std::string, std::string> departements;
    for (const auto& [code, nom] : LignesDonnees(CheminInstall("\\Communes\\Departements.TXT"))) {
        std::istringstream valeurs(code);
        std::string c;
        valeurs >> c;
        departements[c] = nom;
    }
    std::vector<Commune> communes;
    for (const auto& [valeurs, nom] : LignesDonnees(chemin)) {
        std::istringstream flux(valeurs);
        std::string code;
        Commune c;
        flux >> code >> c.population;
        const auto departement = departements.find(code);
        if (!flux || departement == departements.end())
            continue;
        c.departement = departement->second;
        for (std::string postal; flux >> postal;)
            c.codesPostaux.push_back(postal);
        c.nom = nom;
        c.cle = CleRecherche(nom);
        communes.push_back(std::move(c));
    }
    return communes;
}

bool QueDesChiffres(std::string_view texte) {
    return !texte.empty() &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool CodeCommencePar(const Commune& c, std::string_view debut) {
    return std::any_of(c.codesPostaux.begin(), c.codesPostaux.end(),
                       [&](const std::string& code) { return code.starts_with(debut); });
}
} // namespace

const std::vector<Commune>& Communes() {
    const std::string chemin = CheminInstall("\\Communes\\Communes.TXT");
    if (gCache.chemin != chemin) {
        gCache = {};
        gCache.communes = LireCommunes(chemin);
        gCache.chemin = chemin;
    }
    return gCache.communes;
}

std::vector<const Commune*> ChercherCommunes(std::string_view saisie, std::size_t max) {
    const std::string cle = CleRecherche(saisie);
    std::vector<const Commune*> trouvees;
    if (cle.size() < 2)
        return trouvees;
    const bool postal = QueDesChiffres(cle);
    for (const Commune& c : Communes()) {
        if (postal ? CodeCommencePar(c, cle) : c.cle.find(cle) != std::string::npos)
            trouvees.push_back(&c);
    }
    // Names that start with the text, then the larger towns: "lyon" gives Lyon first.
    const auto rang = [&](const Commune* c) {
        return std::pair(postal || c->cle.starts_with(cle) ? 0 : 1, -c->population);
    };
    std::stable_sort(trouvees.begin(), trouvees.end(),
                     [&](const Commune* a, const Commune* b) { return rang(a) < rang(b); });
    if (trouvees.size() > max)
        trouvees.resize(max);
    return trouvees;
}

std::vector<std::string> StationsDuDepartement(const std::string& departement) {
    const ListeLibelles avant = Libelles[2];
    std::vector<std::string> stations;
    try {
        RemplirStations(departement);
        for (const std::string& s : Libelles[2]) {
            if (s.empty())
                break;
            stations.push_back(s);
        }
    } catch (...) {
        Libelles[2] = avant;
        throw;
    }
    Libelles[2] = avant;
    return stations;
}

std::string PaysDuDepartement(const std::string& departement, const std::string& prefere) {
    for (std::size_t i = 1; i < TableDepartements.size(); ++i) {
        const TableLigne& d = TableDepartements[i];
        if (d.Commentaire != departement)
            continue;
        if (!prefere.empty() && d.Texte.find(prefere) != std::string::npos)
            return prefere;
        for (std::size_t k = 1; k < TablePays.size(); ++k) {
            if (d.Texte.find(TablePays[k].Commentaire) != std::string::npos)
                return TablePays[k].Commentaire;
        }
    }
    return {};
}
