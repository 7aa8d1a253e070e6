// The cold-water method and the zone rule, on a worked example and on the stations of
// the reference data folder that were generated with them.

#include "ReferenceOutils.h"
#include "data/modEauFroide.h"
#include "data/modStations.h"
#include "data/modTexte.h"

#include <gtest/gtest.h>
#include <map>

TEST(EauFroide, ExempleChiffre) {
    // Ten degrees all year but a warm January: Ta = 11. January and February see the
    // warm month through the half-month lag (December wraps to January), the others
    // only through the annual mean.
    std::array<float, 13> text{};
    text.fill(10.0f);
    text[1] = 22.0f;
    const auto tef = TemperaturesEauFroide(text);
    EXPECT_NEAR(tef[1], 11 + 0.91 + 0.81 * 5, 1e-5);
    EXPECT_NEAR(tef[2], 11 + 0.91 + 0.81 * 5, 1e-5);
    for (std::size_t m = 3; m <= 12; ++m)
        EXPECT_NEAR(tef[m], 11 + 0.91 - 0.81, 1e-5) << m;
    EXPECT_EQ(tef[0], 0.0f);
}

// Every shipped station without a regulatory cold-water series carries the method's
// Tef of its own (rounded) air temperatures: both roundings to 0.1 K together stay
// within 0.1 K.
TEST(EauFroide, ReproduitLesStationsLivrees) {
    std::map<std::string, std::vector<std::string>> colonnes;
    for (const std::string& ligne :
         reference::Lignes(reference::Dossier() + "/Pays/Stati_Fr.TXT")) {
        const std::size_t p = ligne.find('#');
        if (p != std::string::npos)
            colonnes[ligne.substr(p + 1)].push_back(ligne.substr(0, p));
    }
    int modelees = 0, reglementaires = 0;
    for (const auto& [nom, c] : colonnes) {
        ASSERT_EQ(c.size(), 5u) << nom;
        std::array<float, 13> text{}, tef{};
        LireDouzeValeurs(c[3], text);
        LireDouzeValeurs(c[4], tef);
        const auto calcule = TemperaturesEauFroide(text);
        double ecart = 0;
        for (std::size_t m = 1; m <= 12; ++m)
            ecart = std::max(ecart, std::abs(static_cast<double>(calcule[m]) - tef[m]));
        if (nom.find("RT2012") != std::string::npos) {
            // Measured series: the method only approximates them (rms 1.07 K).
            EXPECT_GT(ecart, 0.3) << nom;
            ++reglementaires;
        } else {
            EXPECT_LE(ecart, 0.1 + 1e-4) << nom;
            ++modelees;
        }
    }
    EXPECT_GE(modelees, 101);
    EXPECT_EQ(reglementaires, 8);
}

TEST(EauFroide, ZoneSelonLaDistanceALaMer) {
    for (int classe : {1, 2, 3})
        EXPECT_EQ(ZoneDeClasseMer(classe), "Zone maritime") << classe;
    for (int classe : {4, 0, 5})
        EXPECT_EQ(ZoneDeClasseMer(classe), "Zone continentale") << classe;
}
