#include "data/clsDonnees.h"

#include "common/Citation.h"

const std::string& clsDonnees::Colonne(const std::string& nom) const {
    const std::string* texte = donnees.Chercher(nom);
    if (!texte)
        throw ErreurIndice("Colonne " + Citer(nom) + " absente des données.");
    return *texte;
}
