#include "data/modEauFroide.h"

std::array<float, 13> TemperaturesEauFroide(const std::array<float, 13>& text) {
    double somme = 0;
    for (std::size_t m = 1; m <= 12; ++m)
        somme += text[m];
    const double ta = somme / 12.0;
    std::array<float, 13> tef{};
    for (std::size_t m = 1; m <= 12; ++m) {
        const double precedent = text[m == 1 ? 12 : m - 1];
        const double saison = (static_cast<double>(text[m]) + precedent) / 2.0 - ta;
        tef[m] = static_cast<float>(ta + EauFroideEcart + EauFroideAmortissement * saison);
    }
    return tef;
}
