// The monthly consumptions of a household: its adult-equivalents and the mixing of
// 40 °C water into water at the hot-water temperature.

#include "common/Erreurs.h"
#include "project/modBesoinsFoyer.h"

#include <gtest/gtest.h>

TEST(BesoinsFoyer, AdultesEquivalentsParSurfaceEtLogement) {
    const struct {
        double surface;
        TypeLogement logement;
        double nadeq;
    } cas[] = {
        {20, TypeLogement::Maison, 1.0},        {50, TypeLogement::Maison, 1.375},
        {100, TypeLogement::Maison, 1.975},     {30, TypeLogement::Appartement, 1.375},
        {60, TypeLogement::Appartement, 1.855}, {8, TypeLogement::Appartement, 1.0},
    };
    for (const auto& c : cas)
        EXPECT_NEAR(AdultesEquivalents(c.surface, c.logement), c.nadeq, 1e-12) << c.surface;
}

// Worked by hand, a 100 m² house: Nadeq = 1,975, V(40) = 1,975 × 56 = 110,6 l/j.
//   January, Tef 8, Tref 50:              110,6 × 32 / 42        = 84,2667 l/j
//   August at 50 %, Tef 18, Tref 55:      55,3 × 22 / 37         = 32,8811 l/j
//   December empty:                        0, raised to the method's 1 l/j
//   other months, Tef 12, Tref 50:        110,6 × 28 / 38        = 81,4947 l/j
TEST(BesoinsFoyer, ConsommationsALaTemperatureDeChaqueMois) {
    FoyerBesoins foyer;
    foyer.Occupants = AdultesEquivalents(100, TypeLogement::Maison);
    std::array<float, 13> tref{}, tef{};
    for (std::size_t m = 1; m <= 12; ++m) {
        foyer.Occupation[m] = 1;
        tref[m] = 50;
        tef[m] = 12;
    }
    tef[1] = 8;
    foyer.Occupation[8] = 0.5;
    tef[8] = 18;
    tref[8] = 55;
    foyer.Occupation[12] = 0;
    const auto conso = ConsommationsFoyer(foyer, tref, tef);
    EXPECT_NEAR(conso[1], 84.2667f, 1e-3f);
    EXPECT_NEAR(conso[8], 32.8811f, 1e-3f);
    EXPECT_FLOAT_EQ(conso[12], 1.0f);
    EXPECT_NEAR(conso[5], 81.4947f, 1e-3f);

    tref[3] = 12; // no warmer than the cold water
    try {
        ConsommationsFoyer(foyer, tref, tef);
        ADD_FAILURE() << "mars accepté";
    } catch (const ErreurExecution& e) {
        EXPECT_NE(std::string(e.what()).find("En mars, la température de l'eau chaude"),
                  std::string::npos)
            << e.what();
    }
}
