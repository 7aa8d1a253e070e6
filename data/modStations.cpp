#include "data/modStations.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"

namespace {
// Next free item of list 2 while RemplirStations fills it.
std::size_t gCompteurStations = 0;

void AjouterStation(const std::string& station) {
    ListeLibelles& liste = Libelles[2];
    if (gCompteurStations >= liste.size())
        throw ErreurIndice("Plus de " + std::to_string(liste.size()) +
                           " stations pour un département dans " +
                           CiterChemin(TableVilles.empty() ? "" : TableVilles[0].Commentaire) +
                           " (" + Citer(station) + ").");
    liste[gCompteurStations++] = station;
}

void TerminerListe(ListeLibelles& liste, std::size_t n) {
    if (n < liste.size())
        liste[n].clear();
}
} // namespace

void RemplirDepartements(const std::string& pays) {
    ListeLibelles& liste = Libelles[1];
    std::size_t n = 0;
    for (std::size_t i = 1; i < TableDepartements.size(); ++i) {
        const TableLigne& e = TableDepartements[i];
        if (e.Texte.find(pays) == std::string::npos)
            continue;
        if (n >= liste.size())
            throw ErreurIndice("Plus de " + std::to_string(liste.size()) + " départements pour " +
                               Citer(pays) + " dans " +
                               CiterChemin(TableDepartements[0].Commentaire) + ".");
        liste[n++] = e.Commentaire;
    }
    TerminerListe(liste, n);
}

void RemplirStations(const std::string& departement, bool niveauSuperieur) {
    if (niveauSuperieur) {
        Libelles[2].fill(std::string());
        gCompteurStations = 0;
    }
    for (std::size_t i = 1; i < TableVilles.size(); ++i) {
        const TableLigne& e = TableVilles[i];
        if (e.Commentaire == departement && e.Texte.find('&') == std::string::npos)
            AjouterStation(e.Texte);
    }
    if (niveauSuperieur) {
        for (std::size_t i = 1; i < TableVilles.size(); ++i) {
            const TableLigne& e = TableVilles[i];
            if (e.Commentaire == departement && e.Texte.find('&') != std::string::npos)
                RemplirStations(SousTexte(e.Texte, 1), false);
        }
    }
    TerminerListe(Libelles[2], gCompteurStations);
}

void DepartementDeStation(const std::string& station, std::string& departement) {
    // An exact name first: a name contained in an earlier line ("Nice" in "Venice", a
    // station inside an "&" line) must not pick another department.
    for (std::size_t i = 1; i < TableVilles.size(); ++i) {
        if (TableVilles[i].Texte == station) {
            departement = TableVilles[i].Commentaire;
            return;
        }
    }
    for (std::size_t i = 1; i < TableVilles.size(); ++i) {
        if (TableVilles[i].Texte.find(station) != std::string::npos) {
            departement = TableVilles[i].Commentaire;
            return;
        }
    }
}

void LireStation(const std::string& station, float& latitude, std::string& hemisphere,
                 std::string& zone, CollectionNombres& Gh, CollectionNombres& Text,
                 CollectionNombres& Tef) {
    const clsDonnees* donnees = Stations.Chercher(station);
    if (!donnees)
        throw ErreurIndice("Station " + Citer(station) + " inconnue.");
    const std::string& texteLatitude = donnees->Colonne("Latitude");
    const std::size_t n = NbCaracteres(texteLatitude);
    if (n < 2)
        throw ErreurExecution("Latitude " + Citer(texteLatitude) + " illisible pour la station " +
                              Citer(station) + ".");
    latitude = static_cast<float>(ConvertirNombre(SousTexte(texteLatitude, 0, n - 2)));
    hemisphere = texteLatitude.find('N') != std::string::npos ? "N" : "S";
    zone = donnees->Colonne("Zone");
    ListeDouzeValeurs(donnees->Colonne("D1"), Gh);
    ListeDouzeValeurs(donnees->Colonne("D2"), Text);
    ListeDouzeValeurs(donnees->Colonne("D3"), Tef);
}

std::string ZoneDeClasseMer(int classeMer) {
    return classeMer >= 1 && classeMer <= 3 ? "Zone maritime" : "Zone continentale";
}
