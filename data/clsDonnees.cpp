#include "data/clsDonnees.h"

const std::string& clsDonnees::Colonne(const std::string& nom) const {
    const std::string* texte = donnees.Chercher(nom);
    if (!texte)
        throw ErreurIndice("Colonne « " + nom + " » absente des données.");
    return *texte;
}
