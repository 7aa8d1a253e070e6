#include "data/ModCollection.h"

#include "common/Citation.h"
#include "common/Fichiers.h"
#include "data/modTexte.h"

#include <algorithm>

void ListeDouzeValeurs(const std::string& texte, CollectionNombres& collection) {
    collection.Clear();
    std::string reste = Rogner(texte);
    for (int i = 1; i <= 12; ++i) {
        std::string mot = LireMot(reste, " ");
        collection.Add(ConvertirNombre(mot));
    }
}

void CollectionVersMois(std::array<float, 13>& mois, const CollectionNombres& collection) {
    CollectionVersTableau(mois, collection);
}

void MoisVersCollection(const std::array<float, 13>& mois, CollectionNombres& collection) {
    TableauVersCollection(mois, collection);
}

void CollectionVersTableau(std::span<float> tableau, const CollectionNombres& collection) {
    for (int i = 1; i <= collection.Count(); ++i) {
        if (static_cast<std::size_t>(i) >= tableau.size())
            throw ErreurIndice("Élément " + std::to_string(i) + " hors du tableau de " +
                               std::to_string(tableau.size()) + " éléments (indice 0 inutilisé).");
        tableau[static_cast<std::size_t>(i)] = static_cast<float>(collection.Item(i));
    }
}

void TableauVersCollection(std::span<const float> tableau, CollectionNombres& collection) {
    collection.Clear();
    for (std::size_t i = 1; i < tableau.size(); ++i)
        collection.Add(tableau[i]);
}

void Statistiques(const CollectionNombres& collection, float& minimum, float& moyenne,
                  float& maximum) {
    if (collection.empty())
        throw ErreurArithmetique("Statistiques d'une série vide : aucune valeur.");
    double mini = collection.Item(1);
    double maxi = mini;
    double somme = 0;
    for (const double v : collection) {
        mini = std::min(mini, v);
        maxi = std::max(maxi, v);
        somme += v;
    }
    minimum = static_cast<float>(mini);
    moyenne = static_cast<float>(somme / collection.Count());
    maximum = static_cast<float>(maxi);
}

namespace {
// The group being built by ChargerCollection: its object, its key and the line it
// started on (for the errors).
struct Groupe {
    clsDonnees objet;
    std::string cle;
    int ligne = 0;
};

std::string Lieu(const std::string& chemin, int ligne) {
    return " (fichier " + EchapperChemin(chemin) + ", ligne " + std::to_string(ligne) + ")";
}

void AjouterGroupe(Groupe& groupe, Collection<clsDonnees>& collection, const std::string& chemin) {
    if (collection.Contient(groupe.cle))
        throw ErreurExecution("La clé " + Citer(groupe.cle) + " revient après d'autres clés" +
                              Lieu(chemin, groupe.ligne) + ".");
    collection.Add(std::move(groupe.objet), groupe.cle);
    groupe = Groupe{};
}

void AjouterValeur(Groupe& groupe, const std::string& valeur,
                   const std::vector<std::string>& colonnes, const std::string& chemin, int ligne) {
    const auto n = static_cast<std::size_t>(groupe.objet.donnees.Count());
    if (n >= colonnes.size())
        throw ErreurIndice(Citer(groupe.cle) + " a plus de " + std::to_string(colonnes.size()) +
                           " lignes" + Lieu(chemin, ligne) + ".");
    groupe.objet.donnees.Add(valeur, colonnes[n]);
}
} // namespace

void ChargerCollection(const std::string& chemin, Collection<clsDonnees>& collection,
                       const std::vector<std::string>& colonnes) {
    collection.Clear();
    ChargerCollectionDepuisTexte(LireFichierTexte(chemin, GenreFichier::Donnees), chemin,
                                 collection, colonnes);
}

void ChargerCollectionDepuisTexte(const std::string& contenu, const std::string& chemin,
                                  Collection<clsDonnees>& collection,
                                  const std::vector<std::string>& colonnes) {
    collection.Clear();
    std::string_view tampon = contenu;
    Groupe groupe;
    for (int numero = 1; !tampon.empty(); ++numero) {
        const std::string_view ligne = LireLigneVue(tampon);
        const std::size_t diese = ligne.find('#');
        if (diese == std::string::npos)
            continue;
        const std::string cle(ligne.substr(diese + 1));
        if (groupe.objet.donnees.empty()) {
            groupe.cle = cle;
            groupe.ligne = numero;
        }
        if (cle != groupe.cle) {
            AjouterGroupe(groupe, collection, chemin);
            groupe.cle = cle;
            groupe.ligne = numero;
        }
        AjouterValeur(groupe, Rogner(ligne.substr(0, diese)), colonnes, chemin, numero);
    }
    AjouterGroupe(groupe, collection, chemin);
}
