// The monthly balance and the bounded functions it rests on, on worked numbers.

#include "MethodeOutils.h"
#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculBilan.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

TEST(MethodeCalcul, FonctionsBorneesDansLaPlageDuSimple) {
    // The arc sine clamps at 0.9999 (a Single), so that ±1 stays finite.
    EXPECT_NEAR(ArcSin(1.0f), 1.5566, 1e-4);
    EXPECT_EQ(ArcSin(2.0f), ArcSin(1.0f));
    EXPECT_EQ(ArcSin(-1.0f), -ArcSin(1.0f));
    EXPECT_NEAR(ArcSin(0.5f), std::asin(0.5), 1e-6);
    EXPECT_NEAR(ArcCos(0.5f), std::acos(0.5), 1e-6);
    EXPECT_EQ(ExpBornee(82.9f), 1e36f);
    EXPECT_NEAR(ExpBornee(82.89f), std::exp(82.89), 1e30);
    EXPECT_EQ(ExpBornee(-100.0f), 0.0f);
    EXPECT_FLOAT_EQ(Puissance(-2.0f, 3.0f), -8.0f); // integer power of a negative
    EXPECT_FLOAT_EQ(RacineCarree(2.25f), 1.5f);
    EXPECT_EQ(VersSimple(0.1, "X"), 0.1f);
    for (const auto& calcul : std::initializer_list<std::function<float()>>{
             [] { return RacineCarree(-1.0f); }, [] { return Puissance(0.0f, -1.0f); },
             [] { return Puissance(10.0f, 40.0f); }, [] { return VersSimple(1e39, "X"); },
             [] { return VersSimple(NAN, "X"); }})
        EXPECT_THROW(calcul(), ErreurArithmetique);
}

namespace {
class MethodeBilan : public MethodeEssai {
protected:
    void SetUp() override {
        MethodeEssai::SetUp();
        c.DT.fill(40);
        c.DT2.fill(5);
        c.S.fill(0.05f);
        c.T.fill(1.2f);
        c.X.fill(2);
        c.Z.fill(0.5f);
        c.Conso.fill(200);
        c.Becs.fill(100);
        c.a = 4;
        c.Ds = 2.55f;
        c.Vs = 255;
    }
    EnregistrementCalcul c;
};
} // namespace

TEST_F(MethodeBilan, ExempleChiffreDeLaCouverture) {
    CalculerF2(c);
    EXPECT_NEAR(c.F2[1], 0.38690, 1e-5);
    CalculerFecs(c, rapport);
    EXPECT_NEAR(c.Fecs[1], 38.405, 1e-3);
    EXPECT_EQ(c.Fecs[12], c.Fecs[1]);
    EXPECT_TRUE(rapport.Messages().empty());

    // A negative combined group is folded back to a small positive one.
    c.S.fill(0);
    c.X.fill(0);
    c.T[1] = -3;
    c.T[2] = -200;
    CalculerF2(c);
    EXPECT_FLOAT_EQ(c.F2[1], 0.0097f);
    EXPECT_FLOAT_EQ(c.F2[2], 0.0001f);
    EXPECT_FLOAT_EQ(c.F2[3], 1.2f);
}

TEST_F(MethodeBilan, CorrelationIndefinieDonneLeMessage300EtZero) {
    c.F2.fill(0.5f);
    c.F2[3] = 0;
    c.Fecs[3] = 55;
    c.F2[4] = 100; // exp beyond the Single range is bounded
    CalculerFecs(c, rapport);
    EXPECT_EQ(Textes(), std::vector<std::string>{"M300 ( 3)"});
    EXPECT_EQ(c.Fecs[3], 0.0f);
    EXPECT_NEAR(c.Fecs[4], 100 / std::sqrt(1 + 0.2 * 0.25), 1e-4);
}

TEST_F(MethodeBilan, StockageEtConsommationNulle) {
    c.Conso[3] = 0.5f;
    c.Conso[4] = 1.0f; // the smallest accepted
    c.S[3] = 0.123f;
    CalculerS(c, rapport);
    EXPECT_EQ(Textes(),
              std::vector<std::string>{
                  "La consommation mensuelle doit être strictement positive ( mois de mars )"});
    EXPECT_EQ(c.S[3], 0.123f); // the old value stays
    EXPECT_NEAR(c.S[1], 2.55 * 16.536 / 200, 1e-6);
    EXPECT_NEAR(c.S[4], 2.55 * 16.536, 1e-4);

    // A one-piece heater uses its own store.
    c.Classe_Systeme = ClasseSysteme::ChauffeEauMonobloc;
    c.Dn = 1.5f;
    c.m = 150;
    CalculerS(c, rapport);
    CalculerZ(c);
    EXPECT_NEAR(c.S[1], 1.5 * 16.536 / 200, 1e-6);
    EXPECT_NEAR(c.Z[1], 200 / (1.2 * 150) * (1 + 1.2 * 40 / 80), 1e-5);
}

TEST_F(MethodeBilan, ChiffresAnnuelsPonderesParLesBesoins) {
    c.Fecs.fill(50);
    c.Fecs[1] = 10;
    c.Becs[1] = 1000;
    CalculerBecsAn(c);
    CalculerProd(c);
    CalculerFecsAn(c);
    CalculerProductiviteM2(c);
    EXPECT_FLOAT_EQ(c.Becs_an, 2100);
    EXPECT_FLOAT_EQ(c.Productivite_an, 650);
    EXPECT_NEAR(c.Fecs_an, 650.0 / 2100 * 100, 1e-4); // not the plain mean (46.7 %)
    EXPECT_FLOAT_EQ(c.Productivite_par_m2, 162.5f);
    // Neither a one-piece heater nor a zero area gets a figure per m².
    c.Productivite_par_m2 = 7;
    c.Classe_Systeme = ClasseSysteme::ChauffeEauMonobloc;
    CalculerProductiviteM2(c);
    c.Classe_Systeme = ClasseSysteme::SansEchangeur;
    c.a = 0;
    CalculerProductiviteM2(c);
    EXPECT_EQ(c.Productivite_par_m2, 7.0f);
}

TEST_F(MethodeBilan, FautesNonRattrapeesGardentCeQuiEtaitEcrit) {
    c.T[5] = 0;
    c.Z.fill(9);
    EXPECT_THROW(CalculerZ(c), ErreurArithmetique);
    EXPECT_NE(c.Z[4], 9.0f);
    EXPECT_EQ(c.Z[5], 9.0f);
    c.Becs.fill(0);
    CalculerBecsAn(c);
    CalculerProd(c);
    EXPECT_THROW(CalculerFecsAn(c), ErreurArithmetique);
}
