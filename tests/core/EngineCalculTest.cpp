#include "common/Erreurs.h"
#include "engine/modCalcul.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(EngineCalcul, ArcSinClampsAtTheEnds) {
    const float bout = ArcSin(1.0f);
    EXPECT_EQ(bout, ArcSin(2.0f));
    EXPECT_EQ(ArcSin(-1.0f), -bout);
    EXPECT_LT(bout, Pi() / 2);
    const double y = 0.9999f; // the clamp is a Single
    EXPECT_NEAR(bout, std::atan(y / std::sqrt(1 - y * y)), 1e-6);
    EXPECT_NEAR(bout, 1.5566, 1e-4);
    EXPECT_NEAR(ArcSin(0.5f), std::asin(0.5), 1e-6);
    EXPECT_EQ(ArcCos(0.0f), Pi() / 2);
    EXPECT_NEAR(ArcCos(0.5f), std::acos(0.5), 1e-6);
    EXPECT_EQ(Pi(), 3.1415927f);
}

TEST(EngineCalcul, PowersAndRootsRejectInvalidArguments) {
    EXPECT_EQ(RacineCarree(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(RacineCarree(2.25f), 1.5f);
    EXPECT_THROW(RacineCarree(-1.0f), ErreurArithmetique);
    EXPECT_FLOAT_EQ(Puissance(-2.0f, 3.0f), -8.0f); // integer power of a negative
    EXPECT_THROW(Puissance(0.0f, -1.0f), ErreurArithmetique);
    EXPECT_THROW(Puissance(10.0f, 40.0f), ErreurArithmetique); // beyond a Single
}

TEST(EngineCalcul, ExpBorneeStaysInsideTheSingleRange) {
    EXPECT_EQ(ExpBornee(100.0f), 1e36f);
    EXPECT_EQ(ExpBornee(82.9f), 1e36f);
    EXPECT_NEAR(ExpBornee(82.89f), std::exp(82.89), 1e30);
    EXPECT_EQ(ExpBornee(-100.0f), 0.0f);
    EXPECT_EQ(ExpBornee(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(ExpBornee(1.0f), static_cast<float>(std::exp(1.0)));
}

TEST(EngineCalcul, MinimumAndMaximumOnTies) {
    struct Valeur {
        int v;
        int origine;
        bool operator<(const Valeur& o) const { return v < o.v; }
    };
    EXPECT_EQ(Minimum(Valeur{3, 1}, Valeur{3, 2}).origine, 1);
    EXPECT_EQ(Maximum(Valeur{3, 1}, Valeur{3, 2}).origine, 2);
    EXPECT_EQ(Minimum(2.0, -1.0), -1.0);
    EXPECT_EQ(Maximum(2.0, -1.0), 2.0);
    EXPECT_EQ(Minimum(std::string("b"), std::string("a")), "a");
}

TEST(EngineCalcul, TablesAndTextHelpers) {
    EXPECT_EQ(JoursMoyens[1], 17.0f);
    EXPECT_EQ(JoursMoyens[6], 162.0f);
    EXPECT_EQ(JoursMoyens[12], 344.0f);

    ListeParametres p;
    p[0] = "garde";
    p[5] = "x";
    ViderParametres(p);
    EXPECT_EQ(p[0], "garde");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(p[i], " ");
    EXPECT_EQ(Majuscules("Zone maritime é"), "ZONE MARITIME É");
}

TEST(EngineCalcul, NonFiniteValuesAreDetectable) {
    std::array<float, 13> mois{};
    EXPECT_TRUE(TableauFini(mois));
    mois[0] = NAN; // index 0 is not a month
    EXPECT_TRUE(TableauFini(mois));
    mois[7] = INFINITY;
    EXPECT_FALSE(TableauFini(mois));
    EXPECT_FALSE(EstFini(NAN));
    EXPECT_THROW(VersSimple(1e39, "X"), ErreurArithmetique);
    EXPECT_THROW(VersSimple(NAN, "X"), ErreurArithmetique);
    EXPECT_EQ(VersSimple(0.1, "X"), 0.1f);
}
