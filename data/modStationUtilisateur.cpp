#include "data/modStationUtilisateur.h"

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "data/modCatalogues.h"
#include "data/modDonnees.h"

#include <vector>

std::string RefusNomStation(const std::string& nom, const std::string& nomCourant) {
    const std::string n = Rogner(nom);
    if (NbCaracteres(n) < 3)
        return "Le nom de la station doit comporter au moin 3 caractères";
    if (n.find('#') != std::string::npos)
        return "Le nom de la station ne peut pas contenir « # ».";
    if (n.front() == '&')
        return "Le nom de la station ne peut pas commencer par « & ».";
    // The station files are Windows-1252: a name they cannot hold would come back
    // with a "?" and no longer be found.
    if (DepuisWindows1252(VersWindows1252(n)) != n)
        return "Le nom de la station contient un caractère que les fichiers des stations ne "
               "peuvent pas enregistrer.";
    if (!EgalSansCasse(n, nomCourant) && Stations.Contient(n))
        return "La station " + Citer(n) + " existe déjà.";
    return {};
}

namespace {
// One value of a line: a single word that cannot break the line's layout.
std::string Valeur(const std::string& texte) {
    const std::string v = Rogner(texte);
    if (v.find_first_of(" #\r\n\t") != std::string::npos)
        throw ErreurExecution("Valeur " + Citer(v) +
                              " impossible à enregistrer dans les fichiers " +
                              "des stations : elle contient une espace ou un « # ».");
    return v.empty() ? "0" : v;
}

std::string Serie(const std::array<std::string, 12>& mois) {
    std::string ligne;
    for (const std::string& valeur : mois)
        ligne += (ligne.empty() ? "" : " ") + Valeur(valeur);
    return ligne;
}

std::vector<std::string> LignesClimat(const StationUtilisateur& s) {
    const std::string zone = Rogner(s.zone);
    if (zone.find_first_of("#\r\n") != std::string::npos)
        throw ErreurExecution("Zone " + Citer(zone) + " impossible à enregistrer.");
    const std::string nom = Rogner(s.nom);
    const std::string hemisphere = Rogner(s.hemisphere) == "S" ? "S" : "N";
    return {LigneEntree({nom, Valeur(s.latitude) + "°" + hemisphere}), LigneEntree({nom, zone}),
            LigneEntree({nom, Serie(s.Gh)}), LigneEntree({nom, Serie(s.Text)}),
            LigneEntree({nom, Serie(s.Tef)})};
}
} // namespace

bool EnregistrerStation(const std::string& nomCourant, const StationUtilisateur& s) {
    const std::string nom = Rogner(s.nom);
    if (const std::string refus = RefusNomStation(nom, nomCourant); !refus.empty())
        throw ErreurExecution(refus);
    const std::vector<std::string> climat = LignesClimat(s);
    const std::string general = LigneEntree(
        {nom, Valeur(s.altitude), std::to_string(s.classeMer), std::to_string(s.classePopulation)});

    // The station's lines of Stati_Fr form one group: the first takes the five new
    // lines, the others go.
    bool premiere = true;
    const auto donnees = PreparerReecriture(TableStations, [&](const TableLigne& l) {
        std::optional<std::vector<std::string>> r;
        if (EgalSansCasse(l.Commentaire, nomCourant))
            r = premiere ? climat : std::vector<std::string>{};
        premiere = premiere && !r;
        return r;
    });
    if (!donnees)
        return false;
    const auto situation = PreparerReecriture(TableStations2, [&](const TableLigne& l) {
        return l.Commentaire == nomCourant ? std::optional(std::vector{general}) : std::nullopt;
    });
    const auto lieux = PreparerReecriture(TableVilles, [&](const TableLigne& l) {
        return l.Texte == nomCourant ? std::optional(std::vector{LigneEntree({l.Commentaire, nom})})
                                     : std::nullopt;
    });
    std::vector<ReecritureFichier> reecritures;
    for (const auto& r : {lieux, situation, donnees}) {
        if (r)
            reecritures.push_back(*r);
    }
    EcrireReecritures(reecritures);
    return true;
}
