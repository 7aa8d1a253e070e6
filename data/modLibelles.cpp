#include "data/modLibelles.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/modDonnees.h"

#include <initializer_list>

std::array<ListeLibelles, LibelleListeMax + 1> Libelles;

namespace {
ListeLibelles& Liste(int liste) {
    if (liste < 0 || liste > LibelleListeMax)
        throw ErreurIndice("Liste de libellés " + std::to_string(liste) + " inexistante.");
    return Libelles[static_cast<std::size_t>(liste)];
}

void Fixer(int liste, std::initializer_list<const char*> libelles) {
    ListeLibelles& items = Liste(liste);
    std::size_t i = 0;
    for (const char* libelle : libelles)
        items[i++] = libelle;
}

void RemplirListesFixesSysteme() {
    Fixer(14, {"CHAUFFE-EAU MONOBLOC", "SYSTEME CAPTEUR BALLON"});
    Fixer(10, {"Sans masque", "Masques"});
    Fixer(11, {"Sans échangeur", "Echangeur"});
    Fixer(27, {"Séparé", "Incorporé"});
    Fixer(26, {"Sans appoint", "Appoint intégré"});
    Fixer(31, {"Continue", "H creuses"});
}

void RemplirListesFixesSite() {
    Fixer(3, {"< 1", "[1;5[", "[5;10[", ">= 10"});
    Fixer(4, {"< 0.5", "[0,5;1[", ">= 1"});
    Fixer(28, {"Calc. simple", "Calc. détaillé", "Val. forcée"});
    Fixer(19, {"Sans", "Avec"});
    Fixer(34, {"Zone maritime", "Zone continentale"});
}
} // namespace

void RemplirLibelles() {
    SablierActif sablier;
    RemplirListesFixesSysteme();
    RemplirListe(12, TableEchange);
    RemplirListesFixesSite();
    RemplirListe(23, TableBallons);
    RemplirListe(16, TableInclinaisons);
    RemplirListe(5, TableChauffeEau);
    RemplirListe(0, TablePays);
    RemplirListe(15, TableCapteurs);
    RemplirListe(24, TableSituations);
    RemplirListe(29, TableISTuyaux);
    RemplirListe(32, TableCategorieCapteurs);
}

void RemplirListe(int liste, const Table& table) {
    ListeLibelles& items = Liste(liste);
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
    const ListeLibelles& items = Liste(liste);
    for (std::size_t i = 0; i < items.size() && !items[i].empty(); ++i) {
        if (items[i] != libelle)
            continue;
        const bool dernier = i + 1 == items.size() || items[i + 1].empty();
        return dernier ? items[0] : items[i + 1];
    }
    return items[0];
}
