#include "data/modLibelles.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/modDonnees.h"

#include <initializer_list>

std::array<ListeLibelles, LibelleListeMax + 1> Libelles;

namespace {
ListeLibelles& ListeNumero(int liste) {
    if (liste < 0 || liste > LibelleListeMax)
        throw ErreurIndice("Liste de libellés " + std::to_string(liste) + " inexistante.");
    return Libelles[static_cast<std::size_t>(liste)];
}

void Fixer(int liste, std::initializer_list<const char*> libelles) {
    ListeLibelles& items = ListeNumero(liste);
    std::size_t i = 0;
    for (const char* libelle : libelles)
        items[i++] = libelle;
}

void RemplirListesFixesSysteme() {
    Fixer(Liste::TypesSysteme, {"CHAUFFE-EAU MONOBLOC", "SYSTEME CAPTEUR BALLON"});
    Fixer(Liste::Masque, {"Sans masque", "Masques"});
    Fixer(Liste::PresenceEchangeur, {"Sans échangeur", "Echangeur"});
    Fixer(Liste::PositionEchangeur, {"Séparé", "Incorporé"});
    Fixer(Liste::Appoint, {"Sans appoint", "Appoint intégré"});
    Fixer(Liste::Alimentation, {"Continue", "H creuses"});
}

void RemplirListesFixesSite() {
    Fixer(Liste::DistanceMer, {"< 1", "[1;5[", "[5;10[", ">= 10"});
    Fixer(Liste::Population, {"< 0.5", "[0,5;1[", ">= 1"});
    Fixer(Liste::ChoixCalcul, {"Calc. simple", "Calc. détaillé", "Val. forcée"});
    Fixer(Liste::Calorifugeage, {"Sans", "Avec"});
    Fixer(Liste::Zones, {"Zone maritime", "Zone continentale"});
}
} // namespace

void RemplirLibelles() {
    SablierActif sablier;
    RemplirListesFixesSysteme();
    RemplirListe(Liste::TypesEchangeur, TableEchange);
    RemplirListesFixesSite();
    RemplirListe(Liste::Ballons, TableBallons);
    RemplirListe(Liste::Inclinaisons, TableInclinaisons);
    RemplirListe(Liste::ChauffeEau, TableChauffeEau);
    RemplirListe(Liste::Pays, TablePays);
    RemplirListe(Liste::Capteurs, TableCapteurs);
    RemplirListe(Liste::Situations, TableSituations);
    RemplirListe(Liste::Isolants, TableISTuyaux);
    RemplirListe(Liste::CategoriesCapteurs, TableCategorieCapteurs);
}

void RemplirListe(int liste, const Table& table) {
    ListeLibelles& items = ListeNumero(liste);
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (i > items.size())
            throw ErreurIndice("Le fichier " + CiterChemin(table[0].Commentaire) + " a plus de " +
                               std::to_string(items.size()) + " entrées (entrée " +
                               std::to_string(i) + ", " + Citer(RognerFin(table[i].Commentaire)) +
                               ") : la liste " + std::to_string(liste) + " ne peut les contenir.");
        items[i - 1] = RognerFin(table[i].Commentaire);
    }
}

std::string LibelleSuivant(const std::string& libelle, int liste) {
    const ListeLibelles& items = ListeNumero(liste);
    for (std::size_t i = 0; i < items.size() && !items[i].empty(); ++i) {
        if (items[i] != libelle)
            continue;
        const bool dernier = i + 1 == items.size() || items[i + 1].empty();
        return dernier ? items[0] : items[i + 1];
    }
    return items[0];
}
