#include "project/modBesoinsFoyer.h"

#include "common/Erreurs.h"
#include "data/modTexte.h"

#include <algorithm>
#include <string>

namespace {
const char* const Mois[13] = {"",        "janvier",  "février", "mars", "avril",
                              "mai",     "juin",     "juillet", "août", "septembre",
                              "octobre", "novembre", "décembre"};

// The method's smallest daily consumption [l/j].
constexpr double ConsommationMinimale = 1.0;
constexpr double TemperatureMelange = 40.0; // [°C]

void NonNegatif(double valeur, const std::string& quoi) {
    if (valeur < 0)
        throw ErreurExecution("Valeur négative refusée : " + quoi + " = " + FormatNombre(valeur) +
                              ".");
}
} // namespace

double AdultesEquivalents(double shab, TypeLogement logement) {
    const bool maison = logement == TypeLogement::Maison;
    const double seuilBas = maison ? 30.0 : 10.0;
    const double seuilHaut = maison ? 70.0 : 50.0;
    const double parM2 = maison ? 0.025 : 0.035;
    double nmax = 1.0;
    if (shab >= seuilHaut)
        nmax = parM2 * shab;
    else if (shab >= seuilBas)
        nmax = 1.75 - 0.01875 * (seuilHaut - shab);
    return nmax < 1.75 ? nmax : 1.75 + 0.3 * (nmax - 1.75);
}

std::array<float, 13> ConsommationsFoyer(const FoyerBesoins& foyer,
                                         const std::array<float, 13>& tref,
                                         const std::array<float, 13>& tef) {
    NonNegatif(foyer.Occupants, "nombre d'occupants");
    NonNegatif(foyer.LitresParPersonne, "litres par personne et par jour");
    std::array<float, 13> conso{};
    for (std::size_t m = 1; m <= 12; ++m) {
        NonNegatif(foyer.Occupation[m] * 100, std::string("occupation en ") + Mois[m] + " [%]");
        if (tref[m] <= tef[m])
            throw ErreurExecution(std::string("En ") + Mois[m] +
                                  ", la température de l'eau chaude (" + FormatNombre(tref[m]) +
                                  " °C) doit dépasser celle de l'eau froide (" +
                                  FormatNombre(tef[m]) + " °C).");
        const double v40 = foyer.Occupants * foyer.LitresParPersonne * foyer.Occupation[m];
        const double v = v40 * (TemperatureMelange - tef[m]) / (tref[m] - tef[m]);
        conso[m] = static_cast<float>(std::max(v, ConsommationMinimale));
    }
    return conso;
}
