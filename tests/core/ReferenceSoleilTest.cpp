// The solar tables of the real reference data folder, read as the weather stage reads
// them and checked against sun geometry computed here by closed forms.

#include "ReferenceOutils.h"
#include "common/Texte.h"
#include "data/modTexte.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace reference;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr std::array<int, 12> JourMoyen = {17, 47, 75, 105, 135, 162, 198, 228, 258, 288, 318, 344};
constexpr std::array<int, 12> Jours = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

double Rad(double d) {
    return d * Pi / 180;
}

std::array<float, 13> Serie(const std::string& fichier) {
    std::array<float, 13> v{};
    LireDouzeValeurs(CompacterEspaces(Lignes(Dossier() + "/Soleil/" + fichier).at(0)), v);
    return v;
}

// Rows 1..18 of blocks A and B of a G_ file; row r is the clearness 0.36 + 0.02 r.
struct TableG {
    std::array<std::array<float, 13>, 19> a{}, b{};
};

TableG LireG(int bande, int inclinaison) {
    const std::string nom =
        "G_" + std::to_string(bande) + "_" + std::to_string(inclinaison) + ".don";
    const auto lignes = Lignes(Dossier() + "/Soleil/" + nom);
    EXPECT_EQ(lignes.size(), 42u) << nom;
    TableG t;
    const auto lire = [&](std::size_t premiere, std::array<std::array<float, 13>, 19>& bloc) {
        for (int r = 1; r <= 18; ++r) {
            const std::string& brute = lignes.at(premiere + static_cast<std::size_t>(r) - 1);
            EXPECT_LE(NbCaracteres(brute), 60u) << nom << " row " << r;
            const std::string ligne = CompacterEspaces(brute);
            EXPECT_NEAR(ConvertirNombre(MotNumero(ligne, 1, " ")), 0.36 + 0.02 * r, 1e-9) << nom;
            EXPECT_TRUE(MotNumero(ligne, 14, " ").empty()) << nom << " row " << r;
            for (int m = 1; m <= 12; ++m)
                bloc[r][m] = static_cast<float>(ConvertirNombre(MotNumero(ligne, m + 1, " ")));
        }
    };
    lire(3, t.a);
    lire(24, t.b);
    return t;
}

// Mean daily extraterrestrial irradiation on the horizontal [kWh/(m².day)].
double H0(double cs, double phi, double delta) {
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    return cs * 24 / (Pi * 1000) *
           (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
}

// Liu & Jordan / Klein monthly estimate for a plane facing the equator at tilt beta in
// the northern hemisphere: closed-form beam ratio, Erbs diffuse, isotropic sky.
double RapportPlanSud(double kt, double phi, double delta, double beta) {
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    const double wsp =
        std::min(ws, std::acos(std::clamp(-std::tan(phi - beta) * std::tan(delta), -1.0, 1.0)));
    const double rb =
        (std::cos(phi - beta) * std::cos(delta) * std::sin(wsp) +
         wsp * std::sin(phi - beta) * std::sin(delta)) /
        (std::cos(phi) * std::cos(delta) * std::sin(ws) + ws * std::sin(phi) * std::sin(delta));
    const double fd = ws <= Rad(81.4) ? 1.391 - 3.560 * kt + 4.189 * kt * kt - 2.137 * kt * kt * kt
                                      : 1.311 - 3.022 * kt + 3.427 * kt * kt - 1.821 * kt * kt * kt;
    return (1 - fd) * rb + fd * (1 + std::cos(beta)) / 2 + 0.2 * (1 - std::cos(beta)) / 2;
}

} // namespace

TEST(SoleilReference, SeriesMensuellesDuJourMoyen) {
    const auto cs = Serie("Cs.Don");
    const auto delta = Serie("delta.don");
    const auto nj = Serie("Nj.don");
    const auto alphag = Serie("alphaG.don");
    float jours = 0;
    for (int m = 1; m <= 12; ++m) {
        // The sun's position by the Astronomical Almanac's low-precision formulas, at
        // noon UT of the mean day in 2022.
        const double d = 8036.0 + JourMoyen[m - 1] - 1;
        const double g = Rad(357.528 + 0.9856003 * d);
        const double lambda =
            Rad(280.460 + 0.9856474 * d) + Rad(1.915) * std::sin(g) + Rad(0.020) * std::sin(2 * g);
        const double declinaison = std::asin(std::sin(Rad(23.44)) * std::sin(lambda)) * 180 / Pi;
        const double distance = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2 * g);
        EXPECT_NEAR(delta[m], declinaison, 0.5) << "month " << m;
        EXPECT_LE(std::abs(delta[m]), 23.45f);
        EXPECT_NEAR(cs[m], 1367 / (distance * distance), 3.0) << "month " << m;
        EXPECT_EQ(nj[m], Jours[m - 1]);
        EXPECT_EQ(alphag[m], 1.0f);
        jours += nj[m];
    }
    EXPECT_EQ(jours, 365.0f);
    EXPECT_GT(delta[6], 23.0f);   // June: the sun near its northern solstice
    EXPECT_LT(delta[12], -22.5f); // December: near its southern solstice
}

// Every G_ file in its layout; at bands 20 to 60 (where the sun is in front of the
// plane all year), block A within 1 % of the closed-form estimate, block B (45° off
// south) below it in winter, and both growing with the clearness.
TEST(SoleilReference, TablesGConformesAuCalculDeLiuJordan) {
    const auto cs = Serie("Cs.Don");
    const auto delta = Serie("delta.don");
    for (int bande = -90; bande <= 90; bande += 5) {
        for (int inclinaison : {30, 60}) {
            const TableG g = LireG(bande, inclinaison);
            if (bande < 20 || bande > 60)
                continue;
            for (int r = 1; r <= 18; ++r) {
                const double kt = 0.36 + 0.02 * r;
                for (int m = 1; m <= 12; ++m) {
                    const double phi = Rad(bande), d = Rad(delta[m]);
                    const double attendu = kt * H0(cs[m], phi, d) *
                                           RapportPlanSud(kt, phi, d, Rad(inclinaison)) * 0.88 *
                                           Jours[m - 1];
                    EXPECT_NEAR(g.a[r][m], attendu, 0.01 * attendu + 0.5)
                        << "band " << bande << " tilt " << inclinaison << " KT " << kt << " " << m;
                    EXPECT_TRUE((m > 1 && m < 11) || g.b[r][m] < g.a[r][m]) << bande << " " << m;
                    EXPECT_TRUE(r == 18 ||
                                (g.a[r + 1][m] >= g.a[r][m] && g.b[r + 1][m] >= g.b[r][m]))
                        << bande << " " << m;
                }
            }
        }
    }
}

TEST(SoleilReference, FacteurAngulaireDesCapteursVitres) {
    const auto lignes = Lignes(Dossier() + "/Soleil/MatAlpha.don");
    ASSERT_EQ(lignes.size(), 16u);
    // r[L][t]: latitude 60, 45, 0 and tilt 0, 45, 90.
    std::array<std::array<std::array<float, 13>, 3>, 3> r{};
    const std::array<std::size_t, 3> premieres = {3, 8, 13};
    for (std::size_t l = 0; l < 3; ++l) {
        for (std::size_t t = 0; t < 3; ++t) {
            LireDouzeValeurs(lignes[premieres[l] + t], r[l][t]);
            for (int m = 1; m <= 12; ++m)
                EXPECT_TRUE(r[l][t][m] > 0.4f && r[l][t][m] <= 1.0f) << l << "/" << t;
        }
    }
    // A horizontal collector at 60° N sees the low winter sun at grazing incidence.
    EXPECT_LT(r[0][0][12], r[0][0][6] - 0.2f);
    // Tilted near the latitude, the plane faces the sun all year: little loss.
    for (int m = 1; m <= 12; ++m) {
        EXPECT_GT(r[1][1][m], 0.9f);
        EXPECT_LT(r[1][1][m], 0.97f);
    }
    // A south-facing wall at the equator sees no beam from April to September: only
    // diffuse and reflected light, the same every month.
    for (int m = 5; m <= 8; ++m)
        EXPECT_EQ(r[2][2][m], r[2][2][4]) << "month " << m;
    EXPECT_NE(r[2][2][12], r[2][2][4]);
}
