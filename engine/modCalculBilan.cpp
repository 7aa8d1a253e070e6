#include "engine/modCalculBilan.h"

#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculCapteurs.h"

#include <array>
#include <cmath>

namespace {
// The store tank's heat loss and volume, or the one-piece heater's own values.
float PerteStockage(const EnregistrementCalcul& c) {
    return c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc ? c.Dn : c.Ds;
}
float VolumeStockage(const EnregistrementCalcul& c) {
    return c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc ? c.m : c.Vs;
}

// The stage's own message parameter list.
ListeParametres ParametresFecs;

// One month of the coverage step. Each statement of the step is skipped when it
// faults; a fault in the correlation lands on the message-300 branch. x is the
// previous month's when its own computation faults.
void FecsDuMois(EnregistrementCalcul& c, int m, float& x, RapportCalcul& rapport) {
    const float nouveau = ArrondiSimple(2.0 * c.F2[m] * c.F2[m]);
    if (EstFini(nouveau))
        x = nouveau;
    ParametresFecs[1] = " " + std::to_string(m);
    const float E = ExpBornee(x);
    const double v = (E - 1.0 == 0) ? NAN : 2 / (E - 1.0) + 1 + 0.2 * c.Z[m] * c.Z[m];
    if (!std::isfinite(v) || v <= 0) {
        rapport.Numerote(static_cast<int>(NumeroMessage::FecsMois), ParametresFecs);
        c.Fecs[m] = 0;
        return;
    }
    try {
        const float inverse = VersSimple(1 / v, "Fecs");
        c.Fecs[m] = VersSimple(RacineCarree(inverse) * 100.0, "Fecs");
    } catch (const ErreurArithmetique&) {
        // Skipped statement: the month keeps its previous coverage.
    }
}
} // namespace

std::string NomMois(int m) {
    static const std::array<const char*, 13> noms = {
        "",        "janvier", "février",   "mars",    "avril",    "mai",     "juin",
        "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    return m >= 1 && m <= 12 ? noms[static_cast<std::size_t>(m)] : "";
}

void CalculerS(EnregistrementCalcul& c, RapportCalcul& rapport) {
    const double D = PerteStockage(c);
    for (int m = 1; m <= 12; ++m) {
        if (!(c.Conso[m] >= 1.0f)) {
            rapport.Direct("La consommation mensuelle doit être strictement positive ( mois de " +
                           NomMois(m) + " )");
            continue;
        }
        c.S[m] = VersSimple(D * 16.536 / c.Conso[m], "S");
    }
}

void CalculerF2(EnregistrementCalcul& c) {
    for (int m = 1; m <= 12; ++m) {
        const double S = c.S[m];
        const double stockage = DivisionSure(c.DT2[m] * S, c.DT[m], "F2");
        const double capteurs = DivisionSure(c.T[m], c.X[m] + 1.0, "F2");
        c.F2[m] = VersSimple((stockage + capteurs) * DivisionSure(1, S + 1, "F2"), "F2");
        if (c.F2[m] < 0) {
            c.F2[m] = VersSimple(0.01 - std::fabs(c.F2[m] / 10000.0), "F2");
            if (c.F2[m] < 0)
                c.F2[m] = 0.0001f;
        }
    }
}

void CalculerZ(EnregistrementCalcul& c) {
    const double V = VolumeStockage(c);
    for (int m = 1; m <= 12; ++m) {
        const double T = c.T[m];
        const double Z = DivisionSure(c.Conso[m], T * V, "Z") * (1 + T * c.DT[m] / 80);
        c.Z[m] = VersSimple(Z, "Z");
    }
}

void CalculerFecs(EnregistrementCalcul& c, RapportCalcul& rapport) {
    ViderParametres(ParametresFecs);
    float x = 0;
    for (int m = 1; m <= 12; ++m)
        FecsDuMois(c, m, x, rapport);
}

void CalculerBecsAn(EnregistrementCalcul& c) {
    c.Becs_an = 0;
    for (int m = 1; m <= 12; ++m)
        c.Becs_an = VersSimple(static_cast<double>(c.Becs_an) + c.Becs[m], "Becs_an");
}

void CalculerProd(EnregistrementCalcul& c) {
    c.Productivite_an = 0;
    for (int m = 1; m <= 12; ++m) {
        c.Prod[m] = VersSimple(static_cast<double>(c.Fecs[m]) * c.Becs[m] / 100, "Prod");
        c.Productivite_an =
            VersSimple(static_cast<double>(c.Productivite_an) + c.Prod[m], "Productivite_an");
    }
}

void CalculerFecsAn(EnregistrementCalcul& c) {
    c.Fecs_an = VersSimple(DivisionSure(c.Productivite_an, c.Becs_an, "Fecs_an") * 100, "Fecs_an");
}

void CalculerProductiviteM2(EnregistrementCalcul& c) {
    if (c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc || c.a <= 0)
        return;
    c.Productivite_par_m2 =
        VersSimple(static_cast<double>(c.Productivite_an) / c.a, "Productivite_par_m2");
}

void CalculerBilanMensuel(EnregistrementCalcul& c, RapportCalcul& rapport) {
    CalculerX(c, rapport);
    CalculerT(c);
    CalculerS(c, rapport);
    CalculerF2(c);
    CalculerZ(c);
    CalculerFecs(c, rapport);
    CalculerBecsAn(c);
    CalculerProd(c);
    CalculerFecsAn(c);
    CalculerProductiviteM2(c);
}
