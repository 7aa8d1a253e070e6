// The input rules of the household-needs helper. Its values make the monthly
// consumptions the needs dialog receives and are not kept in the project themselves;
// the table holds them so that the helper refuses them in the words of every other
// field.

#include "project/ReglesSaisieOutils.h"

namespace regles {
Regles ReglesFoyer() {
    Regles t;
    const auto nombre = [&t](const char* cle, const char* libelle, const char* unite, Bornes bornes,
                             int decimales) {
        t.push_back({.section = "Foyer",
                     .cle = cle,
                     .libelle = libelle,
                     .unite = unite,
                     .decimales = decimales,
                     .partie = "Besoins",
                     .bornes = bornes,
                     .stockage = S::Aucun});
    };
    nombre("Occupants", "Nombre d'occupants", "", Bornes{0.5, 500}, 2);
    nombre("Surface", "Surface habitable [m²]", "m²", Bornes{5, 20000}, 0);
    nombre("LitresParPersonne", "Litres par personne et par jour à 40 °C", "l/(pers.j)",
           Bornes{1, 500}, 0);
    nombre("Occupation", "Occupation [%]", "%", Bornes{0, 100}, 0);
    return t;
}
} // namespace regles
