#include "engine/modCalculBoucle.h"

#include "common/Erreurs.h"
#include "data/modMessages.h"
#include "engine/modCalcul.h"

#include <cmath>

namespace {
void Refuser(int message, bool& succes) {
    AfficherMessage(message);
    succes = false;
}

// Heat capacity of water with an antifreeze share Fa [%], in Wh/(l.K).
float CapaciteAntigel(float Fa) {
    return VersSimple((4180 - 20.0 * Fa) / 3600, "cp");
}

// Choice 1 of the collector loop. Returns false when the procedure stops.
bool DebitDetaille1(EnregistrementCalcul& c, bool& succes) {
    GroupeDebitEnergetique& d = c.Debit1;
    if (d.cp == 0 && d.Fa == 0) {
        Refuser(166, succes);
        return false;
    }
    if (c.a != 0 && d.Debit_Unitaire != 0)
        d.Debit_Total = VersSimple(static_cast<double>(d.Debit_Unitaire) * c.a, "Debit_Total");
    if (d.Debit_Total != 0 && d.cp != 0) {
        d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
        return true;
    }
    if (d.cp == 0 && d.Fa != 0)
        d.cp = CapaciteAntigel(d.Fa);
    if (d.cp <= 0) {
        Refuser(167, succes);
        return false;
    }
    d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
    return true;
}

void DebitDetaille2(EnregistrementCalcul& c, bool& succes) {
    GroupeDebitEnergetique& d = c.Debit2;
    if (d.cp == 0 && d.Fa == 0) {
        Refuser(166, succes);
        return;
    }
    if (c.a != 0 && d.Debit_Unitaire != 0)
        d.Debit_Total = VersSimple(static_cast<double>(c.a) * d.Debit_Unitaire, "Debit_Total");
    if (d.Debit_Total == 0)
        return;
    if (d.cp != 0) {
        d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
    } else if (d.Fa != 0) {
        d.cp = CapaciteAntigel(d.Fa);
        if (d.cp <= 0)
            Refuser(167, succes);
        else
            d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
    } else {
        Refuser(167, succes);
    }
}

// Outer heat-transfer coefficient of a pipe of outer diameter D [mm], in W/(m².K).
double CoefficientExterieur(double D) {
    if (D > 220)
        return 10;
    const float racine4 = RacineCarree(RacineCarree(static_cast<float>(D / 1000)));
    return DivisionSure(3.1, racine4, "Kt") + 5.5;
}

// Loss per metre of pipe [W/(m.K)]; false after a refusal.
bool PerteParMetre(const GroupeDeperdition& p, bool& succes, double& U) {
    const double pi = Pi();
    if (p.Calorifugeage == 0) {
        U = pi * (p.Phit / 1000.0) * CoefficientExterieur(p.Phit);
        return true;
    }
    if (p.Lit == 0 || p.eit == 0) {
        Refuser(150, succes);
        return false;
    }
    const double D = 2.0 * p.eit + p.Phit;
    const double exterieur = DivisionSure(1, (D / 1000) * CoefficientExterieur(D), "Kt");
    const double argument = 2.0 * p.eit / p.Phit + 1;
    if (argument <= 0)
        throw ErreurArithmetique("Argument incorrect pour un logarithme dans le calcul de Kt.");
    const double isolant = (1.15 / p.Lit) * std::log(argument);
    U = DivisionSure(pi, exterieur + isolant, "Kt");
    return true;
}

// Effectiveness of a separate exchanger between flow rates D1 and D2; false after a
// refusal.
bool EfficaciteEchangeur(float D1, float D2, float KEch, bool& succes, float& epsilon) {
    if (D1 == D2) {
        epsilon = VersSimple(DivisionSure(KEch, static_cast<double>(KEch) + D1, "Etap"), "Etap");
        return true;
    }
    const float y = VersSimple((1.0 / D1 - 1.0 / D2) * KEch, "Etap");
    const float E2 = ExpBornee(y);
    const float q = VersSimple(static_cast<double>(D1) / D2 - E2, "Etap");
    if (q == 0) {
        Refuser(158, succes);
        return false;
    }
    epsilon = VersSimple((1.0 - E2) / q, "Etap");
    return true;
}

// The checks of the detailed efficiency, in their order; false after a refusal.
bool DonneesEtapValides(const EnregistrementCalcul& c, bool& succes) {
    const float R = c.Efficacite.R;
    const float D1 = c.Debit1.DebitEner;
    const float KEch = c.Echangeur.KEch;
    int message = 0;
    if (c.a == 0)
        message = 152;
    else if (c.Deperdition.K == 0)
        message = 153;
    else if (c.Classe_Systeme == 0 && (R == 0 || D1 == 0 || c.Debit2.DebitEner == 0 || KEch == 0))
        message = 154;
    else if (c.Classe_Systeme == 1 && KEch == 0)
        message = 155;
    else if (c.Classe_Systeme == 1 && (D1 == 0 || R == 0))
        message = 156;
    else if (c.Classe_Systeme == 2 && (D1 == 0 || R == 0))
        message = 157;
    if (message != 0)
        Refuser(message, succes);
    return message == 0;
}

// Efficiency factor of a class 0 system (separate exchanger); false after a refusal.
bool EtapEchangeurSepare(const EnregistrementCalcul& c, float u, bool& succes, float& etap) {
    const float E1 = ExpBornee(VersSimple(DivisionSure(1, u, "Etap"), "Etap"));
    float epsilon = 0;
    if (!EfficaciteEchangeur(c.Debit1.DebitEner, c.Debit2.DebitEner, c.Echangeur.KEch, succes,
                             epsilon))
        return false;
    const float d =
        VersSimple(DivisionSure(1, E1 - 1.0, "Etap") + DivisionSure(1, epsilon, "Etap"), "Etap");
    if (d == 0) {
        Refuser(159, succes);
        return false;
    }
    etap = VersSimple(static_cast<double>(u) * c.Efficacite.R / d, "Etap");
    return true;
}
} // namespace

void CalculerDebitEnergetique1(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    GroupeDebitEnergetique& d = c.Debit1;
    if (d.TypeDeCalcul == 0) {
        if (c.a == 0) {
            Refuser(164, succes);
            return;
        }
        if (c.Efficacite.R == 0) {
            Refuser(165, succes);
            return;
        }
        const double parM2 = c.Efficacite.R == 0.9f ? 40 : 10;
        d.DebitEner = VersSimple(c.a * parM2, "DebitEner");
    } else if (d.TypeDeCalcul == 1) {
        if (!DebitDetaille1(c, succes))
            return;
    }
    if (d.DebitEner != 0 && c.Debit2.TypeDeCalcul == 0)
        c.Debit2.DebitEner = d.DebitEner;
}

void CalculerDebitEnergetique2(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    if (c.Debit2.TypeDeCalcul == 0) {
        if (c.Debit1.DebitEner != 0)
            c.Debit2.DebitEner = c.Debit1.DebitEner;
        else
            Refuser(168, succes);
    } else if (c.Debit2.TypeDeCalcul == 1) {
        DebitDetaille2(c, succes);
    }
}

void CalculerKt(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    GroupeDeperdition& p = c.Deperdition;
    if (p.TypeDeCalcul == 0) {
        const double kt = p.Calorifugeage == 0 ? c.a * 1.5 + 15 : c.a * 0.5 + 5;
        p.Kt = VersSimple(kt, "Kt");
        return;
    }
    if (p.Phit == 0 || p.L == 0) {
        Refuser(149, succes);
        return;
    }
    double U = 0;
    if (PerteParMetre(p, succes, U))
        p.Kt = VersSimple(U * p.L, "Kt");
}

void CalculerK(EnregistrementCalcul& c, bool& succes) {
    CalculerKt(c, succes);
    if (!succes)
        return;
    if (c.a == 0) {
        Refuser(151, succes);
        return;
    }
    c.Deperdition.K = VersSimple(static_cast<double>(c.Deperdition.Kt) / c.a + c.Kc, "K");
}

void CalculerEtap(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    GroupeEfficacite& e = c.Efficacite;
    if (e.TypeDeCalcul == 0) {
        e.Etap = 0.7f;
        return;
    }
    if (!DonneesEtapValides(c, succes))
        return;
    const double D1 = c.Debit1.DebitEner;
    const float u =
        VersSimple(DivisionSure(D1, static_cast<double>(c.a) * c.Deperdition.K, "Etap"), "Etap");
    float etap = 0;
    if (c.Classe_Systeme == 2) {
        etap = VersSimple((1 - DivisionSure(1, 2.0 * u, "Etap")) * e.R, "Etap");
    } else if (c.Classe_Systeme == 1) {
        const double w = DivisionSure(D1, c.Echangeur.KEch, "Etap");
        const double facteur = 1 - DivisionSure(1, 12.0 * u * w + 2.0 * u, "Etap");
        const double diviseur = 1 + DivisionSure(w, u, "Etap");
        etap = VersSimple(DivisionSure(e.R * facteur, diviseur, "Etap"), "Etap");
    } else if (c.Classe_Systeme == 0) {
        if (!EtapEchangeurSepare(c, u, succes, etap))
            return;
    } else {
        Refuser(160, succes);
        return;
    }
    e.Etap = etap;
    if (e.Etap <= 0)
        Refuser(161, succes);
}
