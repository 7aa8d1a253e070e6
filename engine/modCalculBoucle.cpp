#include "engine/modCalculBoucle.h"

#include "common/Erreurs.h"
#include "engine/modCalcul.h"

#include <cmath>
#include <optional>

namespace {
// Heat capacity of water with an antifreeze share Fa [%], in Wh/(l.K).
float CapaciteAntigel(float Fa) {
    return VersSimple((4180 - 20.0 * Fa) / 3600, "cp");
}

// Choice 1 of the collector loop. Returns false when the procedure stops.
bool DebitDetaille1(EnregistrementCalcul& c, RefusProcedure& refus) {
    GroupeDebitEnergetique& d = c.Debit1;
    if (d.cp == 0 && d.Fa == 0) {
        refus(NumeroMessage::DebitSansCapacite);
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
        refus(NumeroMessage::DebitCapaciteNulle);
        return false;
    }
    d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
    return true;
}

void DebitDetaille2(EnregistrementCalcul& c, RefusProcedure& refus) {
    GroupeDebitEnergetique& d = c.Debit2;
    if (d.cp == 0 && d.Fa == 0) {
        refus(NumeroMessage::DebitSansCapacite);
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
            refus(NumeroMessage::DebitCapaciteNulle);
        else
            d.DebitEner = VersSimple(static_cast<double>(d.cp) * d.Debit_Total, "DebitEner");
    } else {
        refus(NumeroMessage::DebitCapaciteNulle);
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
bool PerteParMetre(const GroupeDeperdition& p, RefusProcedure& refus, double& U) {
    const double pi = Pi();
    if (p.Calorifugeage == 0) {
        U = pi * (p.Phit / 1000.0) * CoefficientExterieur(p.Phit);
        return true;
    }
    if (p.Lit == 0 || p.eit == 0) {
        refus(NumeroMessage::KtSansIsolant);
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
bool EfficaciteEchangeur(float D1, float D2, float KEch, RefusProcedure& refus, float& epsilon) {
    if (D1 == D2) {
        epsilon = VersSimple(DivisionSure(KEch, static_cast<double>(KEch) + D1, "Etap"), "Etap");
        return true;
    }
    const float y = VersSimple((1.0 / D1 - 1.0 / D2) * KEch, "Etap");
    const float E2 = ExpBornee(y);
    const float q = VersSimple(static_cast<double>(D1) / D2 - E2, "Etap");
    if (q == 0) {
        refus(NumeroMessage::EtapEchangeurEgalite);
        return false;
    }
    epsilon = VersSimple((1.0 - E2) / q, "Etap");
    return true;
}

// The checks of the detailed efficiency, in their order; false after a refusal.
bool DonneesEtapValides(const EnregistrementCalcul& c, RefusProcedure& refus) {
    const float R = c.Efficacite.R;
    const float D1 = c.Debit1.DebitEner;
    const float KEch = c.Echangeur.KEch;
    using enum NumeroMessage;
    using enum ClasseSysteme;
    const ClasseSysteme classe = c.Classe_Systeme;
    std::optional<NumeroMessage> message;
    if (c.a == 0)
        message = EtapSansSurface;
    else if (c.Deperdition.K == 0)
        message = EtapSansK;
    else if (classe == EchangeurSepare &&
             (R == 0 || D1 == 0 || c.Debit2.DebitEner == 0 || KEch == 0))
        message = EtapEchangeurSepare;
    else if (classe == EchangeurIncorpore && KEch == 0)
        message = EtapEchangeurIncorpore;
    else if (classe == EchangeurIncorpore && (D1 == 0 || R == 0))
        message = EtapEchangeurIncorporeDebit;
    else if (classe == SansEchangeur && (D1 == 0 || R == 0))
        message = EtapSansEchangeur;
    if (message)
        refus(*message);
    return !message;
}

// Efficiency factor of a class 0 system (separate exchanger); false after a refusal.
bool EtapEchangeurSepare(const EnregistrementCalcul& c, float u, RefusProcedure& refus,
                         float& etap) {
    const float E1 = ExpBornee(VersSimple(DivisionSure(1, u, "Etap"), "Etap"));
    float epsilon = 0;
    if (!EfficaciteEchangeur(c.Debit1.DebitEner, c.Debit2.DebitEner, c.Echangeur.KEch, refus,
                             epsilon))
        return false;
    const float d =
        VersSimple(DivisionSure(1, E1 - 1.0, "Etap") + DivisionSure(1, epsilon, "Etap"), "Etap");
    if (d == 0) {
        refus(NumeroMessage::EtapDiviseurNul);
        return false;
    }
    etap = VersSimple(static_cast<double>(u) * c.Efficacite.R / d, "Etap");
    return true;
}
// Kt by the rule of thumb or the pipe formula; false after a refusal.
bool Kt(EnregistrementCalcul& c, RefusProcedure& refus) {
    GroupeDeperdition& p = c.Deperdition;
    if (p.TypeDeCalcul == ChoixCalcul::Simple) {
        // Rule of thumb: Kt [W/K] = 1.5 a + 15 for bare pipes, 0.5 a + 5 insulated.
        const double kt = p.Calorifugeage == 0 ? c.a * 1.5 + 15 : c.a * 0.5 + 5;
        p.Kt = VersSimple(kt, "Kt");
        return true;
    }
    if (p.Phit == 0 || p.L == 0) {
        refus(NumeroMessage::KtSansLongueur);
        return false;
    }
    double U = 0;
    if (!PerteParMetre(p, refus, U))
        return false;
    // Kt [W/K] = loss per metre U [W/(m.K)] × pipe length L [m].
    p.Kt = VersSimple(U * p.L, "Kt");
    return true;
}

// Loop efficiency factor Etap of the detailed choice, by system class.
void EtapDetaille(EnregistrementCalcul& c, RefusProcedure& refus) {
    GroupeEfficacite& e = c.Efficacite;
    if (!DonneesEtapValides(c, refus))
        return;
    const double D1 = c.Debit1.DebitEner;
    // u = D1 / (a K): the loop's flow rate against the field's loss coefficient.
    const float u =
        VersSimple(DivisionSure(D1, static_cast<double>(c.a) * c.Deperdition.K, "Etap"), "Etap");
    float etap = 0;
    if (c.Classe_Systeme == ClasseSysteme::SansEchangeur) {
        // No exchanger: Etap = R (1 − 1 / 2u).
        etap = VersSimple((1 - DivisionSure(1, 2.0 * u, "Etap")) * e.R, "Etap");
    } else if (c.Classe_Systeme == ClasseSysteme::EchangeurIncorpore) {
        // Exchanger in the tank, w = D1 / KEch: Etap = R (1 − 1 / (12 u w + 2u)) / (1 + w / u).
        const double w = DivisionSure(D1, c.Echangeur.KEch, "Etap");
        const double facteur = 1 - DivisionSure(1, 12.0 * u * w + 2.0 * u, "Etap");
        const double diviseur = 1 + DivisionSure(w, u, "Etap");
        etap = VersSimple(DivisionSure(e.R * facteur, diviseur, "Etap"), "Etap");
    } else if (c.Classe_Systeme == ClasseSysteme::EchangeurSepare) {
        if (!EtapEchangeurSepare(c, u, refus, etap))
            return;
    } else {
        refus(NumeroMessage::EtapClasseInconnue);
        return;
    }
    e.Etap = etap;
    if (e.Etap <= 0)
        refus(NumeroMessage::EtapNegatif);
}
} // namespace

bool CalculerDebitEnergetique1(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerDebitEnergetique1");
    GroupeDebitEnergetique& d = c.Debit1;
    if (d.TypeDeCalcul == ChoixCalcul::Simple) {
        if (c.a == 0) {
            refus(NumeroMessage::DebitSansSurface);
            return false;
        }
        if (c.Efficacite.R == 0) {
            refus(NumeroMessage::DebitSansEfficacite);
            return false;
        }
        // Simple choice: 40 W/K per m² of collector for R = 0.9, 10 W/K otherwise.
        const double parM2 = c.Efficacite.R == 0.9f ? 40 : 10;
        d.DebitEner = VersSimple(c.a * parM2, "DebitEner");
    } else if (d.TypeDeCalcul == ChoixCalcul::Detaille) {
        if (!DebitDetaille1(c, refus))
            return false;
    }
    if (d.DebitEner != 0 && c.Debit2.TypeDeCalcul == ChoixCalcul::Simple)
        c.Debit2.DebitEner = d.DebitEner;
    return refus.Reussi();
}

bool CalculerDebitEnergetique2(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerDebitEnergetique2");
    if (c.Debit2.TypeDeCalcul == ChoixCalcul::Simple) {
        if (c.Debit1.DebitEner != 0)
            c.Debit2.DebitEner = c.Debit1.DebitEner;
        else
            refus(NumeroMessage::Debit2SansDebit1);
    } else if (c.Debit2.TypeDeCalcul == ChoixCalcul::Detaille) {
        DebitDetaille2(c, refus);
    }
    return refus.Reussi();
}

bool CalculerKt(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerKt");
    return Kt(c, refus);
}

bool CalculerK(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerK");
    if (!Kt(c, refus))
        return false;
    if (c.a == 0) {
        refus(NumeroMessage::KSansSurface);
        return false;
    }
    // Loss coefficient per m² of collector: K [W/(m².K)] = Kt / a + Kc.
    c.Deperdition.K = VersSimple(static_cast<double>(c.Deperdition.Kt) / c.a + c.Kc, "K");
    return true;
}

bool CalculerEtap(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerEtap");
    if (c.Efficacite.TypeDeCalcul == ChoixCalcul::Simple)
        c.Efficacite.Etap = 0.7f; // simple choice: a typical loop
    else
        EtapDetaille(c, refus);
    return refus.Reussi();
}
