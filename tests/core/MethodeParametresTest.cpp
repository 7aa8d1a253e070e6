#include "MethodeOutils.h"
#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculAppoint.h"
#include "engine/modCalculBallon.h"
#include "engine/modCalculBoucle.h"
#include "engine/modCalculEchangeur.h"
#include "tests/support/EnregistrementExemple.h"

#include <cmath>

namespace {
class MethodeParametres : public MethodeEssai {
protected:
    void SetUp() override {
        MethodeEssai::SetUp();
        RemplirEnregistrementExemple(projet, ClimatExemple());
    }
    EnregistrementProjet projet;
    EnregistrementCalcul& c = projet.Calcul;
};
} // namespace

TEST_F(MethodeParametres, EnregistrementParDefautDonneLesReglesSimples) {
    CalculerParametresSysteme(c, rapport);
    EXPECT_TRUE(rapport.Messages().empty());
    EXPECT_FLOAT_EQ(c.Vs, 255.0f); // 0.85 × 300
    EXPECT_EQ(c.EtatVs, "V");
    EXPECT_FLOAT_EQ(c.Ds, 2.55f);
    EXPECT_FLOAT_EQ(c.Deperdition.Kt, 7.0f); // insulated: 0.5 a + 5
    EXPECT_FLOAT_EQ(c.Deperdition.K, 7.0f / 4 + 4.2f);
    EXPECT_FLOAT_EQ(c.Debit2.DebitEner, 160.0f);
    EXPECT_FLOAT_EQ(c.Echangeur.KEch, 200.0f);
    EXPECT_EQ(c.Echangeur.Ch_KEch, "V");
    EXPECT_FLOAT_EQ(c.Efficacite.Etap, 0.7f);
    // The flow rule (40 W/K per m²) holds for exactly R = 0.9, 10 otherwise.
    for (float R : {0.89f, 0.9f, 0.91f}) {
        c.Efficacite.R = R;
        EXPECT_TRUE(CalculerDebitEnergetique1(c, rapport));
        EXPECT_FLOAT_EQ(c.Debit1.DebitEner, R == 0.9f ? 160.0f : 40.0f) << R;
    }
    c.Efficacite.R = 0;
    EXPECT_FALSE(CalculerDebitEnergetique1(c, rapport));
    EXPECT_EQ(Dernier(), "M165");
}

TEST_F(MethodeParametres, DebitsDetailles) {
    c.Debit1.TypeDeCalcul = ChoixCalcul::Detaille;
    c.Debit1.Fa = 40; // antifreeze lowers the heat capacity
    c.Debit1.Debit_Unitaire = 50;
    EXPECT_TRUE(CalculerDebitEnergetique1(c, rapport));
    EXPECT_FLOAT_EQ(c.Debit1.Debit_Total, 200.0f);
    EXPECT_NEAR(c.Debit1.DebitEner, 200 * (4180.0 - 800) / 3600, 1e-3);
    c.Debit1.cp = 0;
    c.Debit1.Fa = 209;
    EXPECT_FALSE(CalculerDebitEnergetique1(c, rapport));
    EXPECT_EQ(Dernier(), "M167");

    // A detailed second loop without a flow changes nothing, and not the first loop.
    rapport = RapportCalcul{};
    c.Debit1.cp = 0;
    c.Debit2.TypeDeCalcul = ChoixCalcul::Detaille;
    c.Debit2.cp = 1.16f;
    c.Debit2.DebitEner = 123;
    c.a = 0;
    EXPECT_TRUE(CalculerDebitEnergetique2(c, rapport));
    EXPECT_TRUE(rapport.Messages().empty());
    EXPECT_EQ(c.Debit2.DebitEner, 123.0f);
    EXPECT_EQ(c.Debit1.cp, 0.0f);
}

TEST_F(MethodeParametres, DeperditionDeLaBoucle) {
    c.Deperdition.TypeDeCalcul = ChoixCalcul::ValeurForcee;
    c.Deperdition.K = 3.3f;
    CalculerParametresSysteme(c, rapport);
    EXPECT_EQ(Compter("M149"), 1); // forced, yet recomputed: L and Phit zero
    EXPECT_EQ(c.Deperdition.K, 3.3f);
    rapport = RapportCalcul{};
    c.Deperdition.TypeDeCalcul = ChoixCalcul::Detaille;
    CalculerParametresSysteme(c, rapport);
    EXPECT_EQ(Compter("M149"), 2); // by itself and inside CalculerK

    c.Deperdition.Calorifugeage = 0;
    c.Deperdition.L = 10;
    c.Deperdition.Phit = 220;
    (void)CalculerKt(c, rapport);
    EXPECT_NEAR(c.Deperdition.Kt, Pi() * 0.22 * (3.1 / std::pow(0.22, 0.25) + 5.5) * 10, 1e-3);
    c.Deperdition.Phit = 220.5f; // beyond 220 mm: a plain coefficient of 10
    (void)CalculerKt(c, rapport);
    EXPECT_NEAR(c.Deperdition.Kt, Pi() * 0.2205 * 10 * 10, 1e-3);
    c.Deperdition.Calorifugeage = 1;
    c.Deperdition.Phit = 22;
    c.Deperdition.eit = 13;
    c.Deperdition.Lit = 0.04f;
    (void)CalculerKt(c, rapport);
    const double he = 3.1 / std::pow(0.048, 0.25) + 5.5; // over the insulation: 48 mm
    const double U = Pi() / (1 / (0.048 * he) + 1.15 / 0.04 * std::log(2.0 * 13 / 22 + 1));
    EXPECT_NEAR(c.Deperdition.Kt, U * 10, 1e-4);
    c.Deperdition.Lit = 0;
    EXPECT_FALSE(CalculerKt(c, rapport));
    EXPECT_EQ(Dernier(), "M150");
}

TEST_F(MethodeParametres, EfficaciteDeLaBoucle) {
    c.Classe_Systeme = ClasseSysteme::EchangeurSepare;
    c.Efficacite.TypeDeCalcul = ChoixCalcul::Detaille;
    c.Deperdition.K = 6;
    c.Debit1.DebitEner = 160;
    c.Debit2.DebitEner = 160;
    c.Echangeur.KEch = 200;
    ASSERT_TRUE(CalculerEtap(c, rapport));
    const float u = 160.0f / 24;
    const double E1 = std::exp(static_cast<double>(static_cast<float>(1.0 / u)));
    const double epsilon = static_cast<float>(200.0 / 360); // equal flows
    EXPECT_NEAR(c.Efficacite.Etap, u * 0.9 / (1 / (E1 - 1) + 1 / epsilon), 1e-5);
    c.Debit2.DebitEner = 120; // unequal flows: counter-flow effectiveness
    (void)CalculerEtap(c, rapport);
    const double E2 = std::exp((1.0 / 160 - 1.0 / 120) * 200);
    const double epsilon2 = (1 - E2) / (160.0 / 120 - E2);
    EXPECT_NEAR(c.Efficacite.Etap, u * 0.9 / (1 / (E1 - 1) + 1 / epsilon2), 1e-5);

    // The checks come in their order.
    c.Classe_Systeme = ClasseSysteme::EchangeurIncorpore;
    c.Echangeur.KEch = 0;
    c.Debit1.DebitEner = 0;
    (void)CalculerEtap(c, rapport);
    EXPECT_EQ(Dernier(), "M155"); // before any check of the flow rate
    c.Classe_Systeme = ClasseSysteme::ChauffeEauMonobloc;
    c.Efficacite.Etap = 0.42f;
    (void)CalculerEtap(c, rapport);
    EXPECT_EQ(Dernier(), "M160");
    EXPECT_EQ(c.Efficacite.Etap, 0.42f);
    c.Classe_Systeme = ClasseSysteme::SansEchangeur;
    c.Debit1.DebitEner = 10; // u small: (1 − 1/2u) R is negative
    EXPECT_FALSE(CalculerEtap(c, rapport));
    EXPECT_EQ(Dernier(), "M161");
    EXPECT_LT(c.Efficacite.Etap, 0); // the value stays stored

    // Negative flows make 12uw + 2u zero in the incorporated-exchanger formula.
    c.Classe_Systeme = ClasseSysteme::EchangeurIncorpore;
    c.Deperdition.K = 1;
    c.a = 1;
    c.Debit1.DebitEner = -1;
    c.Echangeur.KEch = 6;
    EXPECT_THROW((void)CalculerEtap(c, rapport), ErreurArithmetique);
}

TEST_F(MethodeParametres, AppointIntegreEtEchangeur) {
    c.Echangeur.TypeDeCalcul = ChoixCalcul::Detaille;
    c.Echangeur.Kech_Type = 0;
    (void)CalculerKEch(c, rapport);
    EXPECT_EQ(Dernier(), "M163");
    EXPECT_EQ(c.Echangeur.Ch_KEch, " "); // left as it was
    c.Echangeur.Kech_Type = 75;
    c.Echangeur.Kech_A = 2;
    (void)CalculerKEch(c, rapport);
    EXPECT_EQ(c.Echangeur.KEch, 150.0f);

    c.Echangeur.TypeDeCalcul = ChoixCalcul::Simple;
    c.Categorie_Systeme = "ca_ba_aelecisec ";
    CalculerParametresSysteme(c, rapport);
    EXPECT_FLOAT_EQ(c.VcElec, 90.0f);
    EXPECT_EQ(c.EtatVcElec, "V");
    EXPECT_FLOAT_EQ(c.Vs, 300 - 90 * 0.9f);
    c.EtatVn = "?";
    c.EtatVs = "?";
    CalculerParametresSysteme(c, rapport);
    EXPECT_EQ(Compter("M139"), 1);
    EXPECT_EQ(Compter("M135"), 1);
}
