#include "engine/modCalcul.h"

#include "common/Erreurs.h"
#include "common/Texte.h"

#include <cfloat>
#include <cmath>

float Pi() {
    return static_cast<float>(4.0 * std::atan(1.0));
}

float ArcSin(float x) {
    float y = x;
    if (y >= 1.0f)
        y = 0.9999f;
    else if (y <= -1.0f)
        y = -0.9999f;
    const double s = std::sqrt(1.0 - std::pow(static_cast<double>(y), 2.0));
    if (s == 0.0)
        return y <= 0 ? -Pi() / 2 : Pi() / 2;
    return static_cast<float>(std::atan(y / s));
}

float ArcCos(float x) {
    return static_cast<float>(static_cast<double>(Pi()) / 2 - ArcSin(x));
}

float Puissance(float a, float b) {
    if (a < 0 && b != std::trunc(b))
        throw ErreurArithmetique("Argument incorrect pour une puissance.");
    if (a == 0 && b < 0)
        throw ErreurArithmetique("Division par zéro dans une puissance.");
    return VersSimple(std::pow(static_cast<double>(a), static_cast<double>(b)), "une puissance");
}

float RacineCarree(float x) {
    return Puissance(x, static_cast<float>(1.0 / 2.0));
}

float ExpBornee(float x) {
    const double borne = 36.0 * std::log(10.0);
    const float limite = static_cast<float>(borne);
    if (x > limite)
        return static_cast<float>(std::exp(borne));
    if (x < -limite)
        return 0.0f;
    return static_cast<float>(std::exp(static_cast<double>(x)));
}

std::string Majuscules(const std::string& texte) {
    return EnMajuscules(texte);
}

void ViderParametres(ListeParametres& parametres) {
    for (std::size_t i = 1; i <= 12; ++i)
        parametres[i].assign(1, ' ');
}

float VersSimple(double valeur, const char* quoi) {
    VerifierFini(valeur, quoi);
    if (std::fabs(valeur) > FLT_MAX) {
        throw ErreurArithmetique("Dépassement de capacité dans le calcul " + De(quoi) + ".");
    }
    return static_cast<float>(valeur);
}

float ArrondiSimple(double valeur) {
    if (std::isfinite(valeur) && std::fabs(valeur) > FLT_MAX)
        return static_cast<float>(std::copysign(INFINITY, valeur));
    return static_cast<float>(valeur);
}

bool EstFini(float valeur) {
    return std::isfinite(valeur);
}

bool TableauFini(const std::array<float, 13>& mois) {
    for (std::size_t m = 1; m <= 12; ++m) {
        if (!EstFini(mois[m]))
            return false;
    }
    return true;
}
