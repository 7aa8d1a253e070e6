// The cold-water method and the zone rule on worked examples (the stations of the
// reference folder made with them are checked in ReferenceStationsTest).

#include "data/modEauFroide.h"
#include "data/modStations.h"

#include <gtest/gtest.h>

TEST(EauFroide, ExempleChiffreEtZone) {
    // Ten degrees all year but a warm January: Ta = 11. January and February see the
    // warm month through the half-month lag (December wraps to January), the others
    // only through the annual mean.
    std::array<float, 13> text{};
    text.fill(10.0f);
    text[1] = 22.0f;
    const auto tef = TemperaturesEauFroide(text);
    for (std::size_t m = 1; m <= 12; ++m)
        EXPECT_NEAR(tef[m], 11 + 0.91 + 0.81 * (m <= 2 ? 5 : -1), 1e-5) << m;
    EXPECT_EQ(tef[0], 0.0f);
    const char* const zones[] = {"Zone continentale", "Zone maritime",     "Zone maritime",
                                 "Zone maritime",     "Zone continentale", "Zone continentale"};
    for (int classe = 0; classe <= 5; ++classe)
        EXPECT_EQ(ZoneDeClasseMer(classe), zones[classe]) << classe;
}
