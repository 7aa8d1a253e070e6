#include "project/modStructures.h"

#include "common/Erreurs.h"

namespace {
// The table of open projects; element 0 is never used.
std::vector<EnregistrementProjet> Projets;
} // namespace

void InitialiserProjets() {
    Projets.clear();
    Projets.resize(2);
    Projets[1].Calcul.NomProjet = NomLibre;
}

bool EstLibre(const EnregistrementProjet& projet) {
    return Rogner(projet.Calcul.NomProjet.str()) == NomLibre;
}

int ChoisirEnregistrement() {
    int choisi = 0;
    for (std::size_t i = 1; i < Projets.size(); ++i) {
        if (EstLibre(Projets[i]))
            choisi = static_cast<int>(i);
    }
    if (choisi > 0)
        return choisi;
    if (Projets.empty())
        Projets.resize(1);
    Projets.emplace_back();
    return static_cast<int>(Projets.size() - 1);
}

void LibererEnregistrement(int indice) {
    Projet(indice).Calcul.NomProjet = NomLibre;
}

EnregistrementProjet& Projet(int indice) {
    if (indice < 1 || static_cast<std::size_t>(indice) >= Projets.size())
        throw ErreurIndice("Indice de projet hors limites : " + std::to_string(indice) + ".");
    return Projets[static_cast<std::size_t>(indice)];
}

int NombreEnregistrements() {
    return static_cast<int>(Projets.size()) - 1;
}
