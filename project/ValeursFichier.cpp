#include "project/ValeursFichier.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Nombres.h"
#include "common/Texte.h"
#include "data/modTexte.h"

#include <cctype>
#include <cmath>
#include <limits>

std::string FormatSimple(float valeur) {
    if (valeur == 0.0f || !std::isfinite(valeur))
        return valeur == 0.0f ? "0" : FormatNombre(valeur);
    return EcrireSimple(valeur);
}

float LireSimple(const std::string& texte) {
    const auto valeur = LireNombre(texte);
    if (!valeur)
        throw ErreurExecution(Citer(texte) + " n'est pas un nombre");
    // Half a step above the largest Single already rounds to infinity.
    if (std::fabs(*valeur) >= 0x1.ffffffp+127)
        throw ErreurExecution(Citer(texte) + " est trop grand");
    return static_cast<float>(*valeur);
}

int16_t LireEntier(const std::string& texte) {
    const auto valeur = LireNombre(texte);
    if (!valeur)
        throw ErreurExecution(Citer(texte) + " n'est pas un nombre");
    const double arrondi = std::nearbyint(*valeur); // halves to even
    if (!(arrondi >= -32768.0 && arrondi <= 32767.0))
        throw ErreurExecution(Citer(texte) + " ne tient pas dans un entier");
    return static_cast<int16_t>(arrondi);
}
