#include "common/Erreurs.h"
#include "engine/modCalcul.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

TEST(EngineCalcul, FonctionsBorneesDansLaPlageDuSimple) {
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
