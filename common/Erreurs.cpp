#include "common/Erreurs.h"

#include <cmath>

double DivisionSure(double numerateur, double denominateur, const char* quoi) {
    if (denominateur == 0.0)
        throw ErreurArithmetique(std::string("Division par zéro dans le calcul de ") + quoi + ".");
    return VerifierFini(numerateur / denominateur, quoi);
}

double VerifierFini(double valeur, const char* quoi) {
    if (!std::isfinite(valeur))
        throw ErreurArithmetique(std::string("Dépassement de capacité dans le calcul de ") + quoi +
                                 ".");
    return valeur;
}
