#include "cli/SortieResultats.h"

#include "common/Nombres.h"
#include "common/Texte.h"
#include "data/modTexte.h"
#include "engine/RapportCalcul.h"
#include "project/clsprojet.h"
#include "project/modEconomie.h"

#include <algorithm>
#include <cmath>

namespace {
std::string Cellule(const std::optional<double>& v) {
    return v ? FormatEntier(*v) : "";
}

// Pads on the left to `largeur` characters (not bytes: the headings hold accents).
std::string ADroite(const std::string& texte, std::size_t largeur) {
    const std::size_t n = NbCaracteres(texte);
    return std::string(largeur > n ? largeur - n : 0, ' ') + texte;
}

std::string AGauche(const std::string& texte, std::size_t largeur) {
    const std::size_t n = NbCaracteres(texte);
    return texte + std::string(largeur > n ? largeur - n : 0, ' ');
}

// A value with its decimals.
std::string Decimal(const LigneEconomie& l) {
    if (!l.valeur || !std::isfinite(*l.valeur))
        return "—";
    return l.decimales == 0 ? FormatEntier(*l.valeur) : FormatDecimales(*l.valeur, l.decimales);
}

void EcrireEconomieTableau(std::ostream& sortie, const EtudeEconomique& etude) {
    sortie << "\nÉconomie : " << etude.energie << '\n';
    if (!etude.resultats) {
        sortie << etude.erreur << '\n';
        return;
    }
    const std::vector<LigneEconomie> lignes = LignesEconomie(*etude.resultats);
    std::size_t largeur = 0;
    for (const LigneEconomie& l : lignes)
        largeur = std::max(largeur, NbCaracteres(l.libelle));
    for (const LigneEconomie& l : lignes)
        sortie << AGauche(l.libelle, largeur) << "  " << Decimal(l) << '\n';
}

} // namespace

void EcrireTableau(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t) {
    sortie << "Projet : " << e.projet << "\nFichier : " << e.fichier << "\nStation : " << e.station
           << "\n\n";
    std::size_t titre = 0;
    for (const LigneResultats& l : t.lignes)
        titre = std::max(titre, NbCaracteres(l.titre));
    std::size_t largeur = 6;
    for (const LigneResultats& l : t.lignes) {
        for (const auto& v : l.mois)
            largeur = std::max(largeur, Cellule(v).size() + 1);
        largeur = std::max(largeur, Cellule(l.annuel).size() + 1);
    }
    sortie << AGauche("", titre);
    for (int m = 1; m <= 12; ++m)
        sortie << ADroite(NomsMoisAbreges[static_cast<std::size_t>(m)], largeur);
    sortie << ADroite("Annuel", largeur + 2) << '\n';
    for (const LigneResultats& l : t.lignes) {
        sortie << AGauche(l.titre, titre);
        for (const auto& v : l.mois)
            sortie << ADroite(Cellule(v), largeur);
        sortie << ADroite(Cellule(l.annuel), largeur + 2) << '\n';
    }
}

void EcrireCsv(std::ostream& sortie, const TableauResultats& t) {
    for (int m = 1; m <= 12; ++m)
        sortie << ';' << NomsMoisAbreges[static_cast<std::size_t>(m)];
    sortie << ";Annuel\n";
    for (const LigneResultats& l : t.lignes) {
        sortie << l.titre;
        for (const auto& v : l.mois)
            sortie << ';' << Cellule(v);
        sortie << ';' << Cellule(l.annuel) << '\n';
    }
}

void EcrireResultats(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                     const RapportCalcul& rapport) {
    if (format == "json") {
        EcrireResultatsJson(sortie, projet, rapport);
        return;
    }
    const EnTeteResultats e{projet.Nom, projet.Fichier, projet.Meteo->station()};
    TableauResultats t = CalculerTableauResultats(projet);
    // A run that did not go through computed none of the values the record holds.
    if (!rapport.Complet()) {
        for (LigneResultats& l : t.lignes) {
            l.mois.fill(std::nullopt);
            l.annuel.reset();
        }
    }
    if (format == "csv") {
        EcrireCsv(sortie, t);
        return;
    }
    EcrireTableau(sortie, e, t);
    EcrireEconomieTableau(sortie, EvaluerEconomie(projet));
}
