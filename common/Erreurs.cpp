#include "common/Erreurs.h"

#include <cmath>
#include <new>
#include <system_error>

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

std::string MessageErreur(const std::exception& erreur) {
    if (dynamic_cast<const ErreurExecution*>(&erreur))
        return erreur.what();
    if (dynamic_cast<const std::bad_alloc*>(&erreur))
        return "Mémoire insuffisante.";
    if (const auto* systeme = dynamic_cast<const std::system_error*>(&erreur))
        return "Erreur du système (code " + std::to_string(systeme->code().value()) + ").";
    return "Erreur interne inattendue.";
}
