#include "project/TableauResultats.h"

#include "data/modTexte.h"
#include "project/clsprojet.h"

#include <cmath>

const std::array<const char*, 13> NomsMoisAbreges = {"",     "janv.", "févr.", "mars", "avr.",
                                                     "mai",  "juin",  "juil.", "août", "sept.",
                                                     "oct.", "nov.",  "déc."};

namespace {
std::optional<double> Entier(double valeur) {
    const double v = std::floor(valeur + 0.5);
    if (!std::isfinite(v))
        return std::nullopt;
    return v == 0 ? 0.0 : v; // no "-0"
}
} // namespace

TableauResultats CalculerTableauResultats(const clsprojet& projet) {
    const EnregistrementCalcul& c = projet.Enregistrement().Calcul;
    TableauResultats t{{{{"couverture", "Couverture [%]", {}, {}},
                         {"besoins", "Besoins [kWh]", {}, {}},
                         {"productivite", "Productivité [kWh]", {}, {}},
                         {"productivite_m2", "Productivité /m²", {}, {}}}}};
    const float surface = projet.Capteurs->surface_totale();
    const bool chauffeEau = projet.Systeme->IsChauffeEau();
    const bool sansParM2 = chauffeEau && projet.Capteurs->Ac() > 0;
    double productivite = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - 1);
        t.lignes[0].mois[i] = Entier(c.Fecs[m]);
        t.lignes[1].mois[i] = Entier(c.Becs[m]);
        t.lignes[2].mois[i] = Entier(c.Prod[m]);
        productivite +=
            std::isfinite(c.Prod[m]) ? ValeurEnTete(FormatDeuxDecimales(c.Prod[m])) : std::nan("");
        if (!sansParM2 && surface != 0)
            t.lignes[3].mois[i] = Entier(static_cast<double>(c.Prod[m]) / surface);
    }
    t.lignes[0].annuel = Entier(c.Fecs_an);
    t.lignes[1].annuel = Entier(c.Becs_an);
    t.lignes[2].annuel = Entier(productivite);
    if (!chauffeEau)
        t.lignes[3].annuel = Entier(c.Productivite_par_m2);
    return t;
}
