#include "MethodeOutils.h"
#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculBesoins.h"
#include "engine/modCalculMeteo.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
// The fixture's G_ tables hold 2 r + 10 (m − 1) + 150 (block B) + 300 (tilt 60)
// + 200 (band / 5 even) in row r: linear in the clearness index, so that every
// interpolation of the table method has a closed form.
double ValeurFixture(double KT, int m, double orientation, double tilt, int bande) {
    const auto paire = [](int b) { return (b / 5) % 2 == 0 ? 200.0 : 0.0; };
    return 100 * (KT - 0.36) + 10 * (m - 1) + 150 * std::fabs(orientation) / 45 +
           300 * (tilt - 30) / 30 + paire(bande);
}

double PlanFixture(double KT, int m, double orientation, double tilt, double latitude) {
    const int b = BandeLatitude(static_cast<float>(latitude));
    const double g0 = ValeurFixture(KT, m, orientation, tilt, b);
    const double g1 = ValeurFixture(KT, m, orientation, tilt, b + 5);
    return g0 + (g1 - g0) * (latitude - b) / 5;
}

// The fixture's MatAlpha rows hold 1 − L/1000 + t/1000 + (m − 6)/1000.
double AlphaFixture(double latitude, double tilt, int m) {
    return 1 - latitude / 1000 + tilt / 1000 + (m - 6) / 1000.0;
}

class MethodeMeteo : public MethodeEssai {
protected:
    void SetUp() override {
        MethodeEssai::SetUp();
        c.Alpha = 1;
        c.Nj = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        c.Hemisphere = "N";
        for (int m = 1; m <= 12; ++m) {
            c.R[m] = 0.5f;
            c.Gh[m] = 2 + 0.25f * m;
        }
    }
    EnregistrementCalcul c;
    TableauMois AlphaMois{};
};
} // namespace

TEST_F(MethodeMeteo, SeriesSolairesEtFichiersAbsentsOuVides) {
    ChargerDonneesSoleil(c, rapport);
    EXPECT_EQ(c.Cs[1], 1412.0f);
    EXPECT_EQ(c.Cs[12], 1407.0f);
    EXPECT_FLOAT_EQ(c.AlphagG[1], 1.1f); // decimal comma
    EXPECT_FLOAT_EQ(c.Delta[3], -2.4f);  // decimal point
    EXPECT_EQ(c.Nj[2], 28.0f);
    EXPECT_TRUE(rapport.Messages().empty());

    const essai::CopieFixture copie("soleil");
    InstallDir = copie.chemin();
    essai::EcrireOctets(copie / "Soleil/delta.don", "\r\nreste du fichier\r\n");
    c.Delta[5] = 7;
    ChargerDonneesSoleil(c, rapport);
    EXPECT_EQ(Textes(), std::vector<std::string>{"M308"});
    EXPECT_EQ(c.Delta[5], 0.0f);

    fs::remove(InstallDir + "/Soleil/Nj.don");
    EXPECT_THROW(ChargerDonneesSoleil(c, rapport), ErreurFichier);
    EXPECT_EQ(Dernier(), "M44 " + InstallDir + "/Soleil/Nj.don");
}

TEST_F(MethodeMeteo, CorrectionDAltitudeEtIndiceDeClarte) {
    EnregistrementEntrees e;
    e.Altitude = 1200;
    e.altitude_station_meteo = 200;
    c.TextStation.fill(10);
    CorrigerTemperatureAltitude(c, e);
    EXPECT_FLOAT_EQ(c.Text[1], 5.5f);
    EXPECT_FLOAT_EQ(c.Text[12], 5.5f);

    // At an equinox the sun sets at 90°: H0 = Cs × 0.024 / π × cos φ.
    c.Latitude = 45;
    c.Delta.fill(0);
    c.Cs.fill(1367);
    c.Gh.fill(1367 * 0.024 / 3.14159265 * std::cos(3.14159265 / 4) / 2);
    CalculerR(c);
    EXPECT_NEAR(c.R[1], 0.5, 1e-5);
    EXPECT_NEAR(c.R[12], 0.5, 1e-5);
    c.Cs[4] = 0; // an empty Cs.Don: no extraterrestrial irradiation
    EXPECT_THROW(CalculerR(c), ErreurArithmetique);
    EXPECT_NEAR(c.R[3], 0.5, 1e-5); // months before the fault are written
}

TEST_F(MethodeMeteo, BandesDeLatitudeEtClassesDeClarte) {
    for (const auto& [latitude, bande] :
         {std::pair{47.3f, 45}, {45.0f, 45}, {-22.0f, -25}, {-20.0f, -20}})
        EXPECT_EQ(BandeLatitude(latitude), bande) << latitude;
    // 0.38 is 0.37999999 as a Single: still the first class.
    const std::tuple<float, int, float> classes[] = {{0.30f, 1, 0.38f},
                                                     {0.38f, 0, 0.36f},
                                                     {0.41f, 2, 0.40f},
                                                     {0.7199f, 17, 0.70f},
                                                     {0.80f, 17, 0.70f}};
    for (const auto& [kt, ligne, valeur] : classes) {
        EXPECT_EQ(ClasseDeClarte(kt).ligne, ligne) << kt;
        EXPECT_FLOAT_EQ(ClasseDeClarte(kt).valeur, valeur) << kt;
    }
}

TEST_F(MethodeMeteo, MethodeDesTablesInterpoleBandesInclinaisonOrientationEtClarte) {
    c.Latitude = 47.3f;
    c.inclinaison = 45;
    c.Orientation = -20;
    c.Type_Capteur = 3; // no angular factor: the plain table value
    c.R[1] = 0.30f;
    c.R[2] = 0.38f;
    c.R[3] = 0.80f;
    CalculerGPlan(c, AlphaMois, rapport);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(c.G_l_i_g_R[m], PlanFixture(c.R[m], m, -20, 45, 47.3), 2e-3) << m;
        EXPECT_EQ(AlphaMois[m], 1.0f);
    }
    EXPECT_TRUE(rapport.Messages().empty());
}

TEST_F(MethodeMeteo, SiteAustralAvecSesBandesEtSonFacteur) {
    c.Latitude = -22;
    c.inclinaison = 30;
    c.Type_Capteur = 3;
    c.Hemisphere = "s";
    c.AlphagG = {0, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 1.7f, 1.8f, 1.9f, 2, 2.1f, 2.2f};
    CalculerGPlan(c, AlphaMois, rapport);
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(c.G_l_i_g_R[m], c.AlphagG[m] * PlanFixture(0.5, m, 0, 30, -22), 3e-3) << m;
    // Bands −25 and −20, latitude fraction 0.6: 0.6 × 200 above band −25.
    EXPECT_NEAR(c.G_l_i_g_R[1], 1.1 * (14 + 120), 3e-3);
}

TEST_F(MethodeMeteo, FaiblesInclinaisonsMeleesALHorizontaleEtFacteurAngulaire) {
    c.Latitude = 45;
    c.inclinaison = 15;
    c.Type_Capteur = 1;
    CalculerGPlan(c, AlphaMois, rapport);
    for (int m = 1; m <= 12; ++m) {
        const double gh0 = c.Gh[m] * 0.88 * c.Nj[m];
        const double g = gh0 + (PlanFixture(0.5, m, 0, 30, 45) - gh0) * 0.5;
        EXPECT_NEAR(AlphaMois[m], AlphaFixture(45, 15, m), 1e-6);
        EXPECT_NEAR(c.G_l_i_g_R[m], g / 0.88 * AlphaMois[m], 3e-3) << m;
    }
    c.inclinaison = 0;
    CalculerGPlan(c, AlphaMois, rapport);
    EXPECT_NEAR(c.G_l_i_g_R[1], c.Gh[1] * c.Nj[1] * AlphaFixture(45, 0, 1), 1e-3);

    c.Latitude = 60; // above 45°: between the 45° and 60° blocks
    c.inclinaison = 60;
    CalculerGPlan(c, AlphaMois, rapport);
    EXPECT_NEAR(AlphaMois[7], AlphaFixture(60, 60, 7), 1e-6);
    EXPECT_NEAR(c.G_l_i_g_R[7], PlanFixture(0.5, 7, 0, 60, 60) / 0.88 * AlphaMois[7], 3e-3);
}

TEST_F(MethodeMeteo, FautesDansLaMethodeDesTablesPassees) {
    c.Latitude = 45;
    c.inclinaison = 45;
    c.Type_Capteur = 3;
    c.Alpha = 0; // the division is skipped: the table value stays
    CalculerGPlan(c, AlphaMois, rapport);
    EXPECT_NEAR(c.G_l_i_g_R[6], PlanFixture(0.5, 6, 0, 45, 45), 2e-3);

    // Latitude 45 still reads band 50; its missing files read as zeros.
    const essai::CopieFixture copie("soleil");
    InstallDir = copie.chemin();
    fs::remove(InstallDir + "/Soleil/G_50_30.don");
    fs::remove(InstallDir + "/Soleil/G_50_60.don");
    c.Alpha = 1;
    CalculerGPlan(c, AlphaMois, rapport);
    EXPECT_EQ(Compter("M44 " + InstallDir + "/Soleil/G_50_30.don"), 1);
    EXPECT_EQ(Compter("M44 " + InstallDir + "/Soleil/G_50_60.don"), 1);
    EXPECT_NEAR(c.G_l_i_g_R[6], PlanFixture(0.5, 6, 0, 45, 45), 2e-3);

    // A negative tilt leaves the plane's irradiation alone.
    c.inclinaison = -10;
    c.Type_Capteur = 0;
    c.G_l_i_g_R.fill(123);
    CalculerGPlan(c, AlphaMois, rapport);
    CalculerGPlan(c, AlphaMois, rapport); // twice: no drift from run to run
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(c.G_l_i_g_R[m], 123.0f);
    EXPECT_NEAR(AlphaMois[1], AlphaFixture(45, -10, 1), 1e-6);
}

TEST_F(MethodeMeteo, EclairementDeJourEtEcartsDeTemperature) {
    c.Latitude = -45;
    c.Delta.fill(0);
    CalculerEm(c);
    EXPECT_NEAR(c.Em[1], 800 * std::sin(3.14159265 * 15 / 100) + 650, 1e-3);

    c.Text.fill(10);
    c.Tef.fill(12);
    c.Tref.fill(50);
    c.TLocal.fill(19);
    c.Zone.ValStr = "Zone maritime   ";
    CalculerDT1(c);
    EXPECT_EQ(c.Zone.ValStr.str(), "ZONE MARITIME" + std::string(12, ' '));
    EXPECT_EQ(c.DT1[1], 0.0f);
    c.Zone.ValStr = "Zone maritime sud";
    CalculerDT1(c);
    EXPECT_EQ(c.DT1[1], 2.0f);
    CalculerDT2(c);
    CalculerDT(c);
    EXPECT_EQ(c.DT2[4], 7.0f);
    EXPECT_EQ(c.DT[4], 38.0f);
}

TEST_F(MethodeMeteo, BesoinsSelonLEmplacementDuBallon) {
    EnregistrementEntrees e;
    e.TLocalChauffe = 19;
    c.Text.fill(-5);
    c.Text[7] = 25;
    c.B_Situation.Indice = SituationBallon::LocalNonChauffe;
    CalculerTLocal(c, e);
    EXPECT_EQ(c.TLocal[1], 7.0f);
    EXPECT_EQ(c.TLocal[7], 22.0f);
    c.B_Situation.Indice = SituationBallon::LocalChauffe;
    CalculerTLocal(c, e);
    EXPECT_EQ(c.TLocal[1], 19.0f);
    EXPECT_EQ(c.TLocal[7], 19.0f);
    c.B_Situation.Indice = SituationBallon::Indefinie; // outdoors
    CalculerTLocal(c, e);
    EXPECT_EQ(c.TLocal[7], 25.0f);
    c.B_Situation.Indice = static_cast<SituationBallon>(4); // unknown: left as it was
    c.Text.fill(0);
    CalculerTLocal(c, e);
    EXPECT_EQ(c.TLocal[7], 25.0f);

    c.DT.fill(40);
    c.Conso.fill(1000);
    c.Conso[2] = 0;
    CalculerBecs(c);
    EXPECT_NEAR(c.Becs[1], 1438.4, 1e-3);
    EXPECT_EQ(c.Becs[2], 0.0f);
    EXPECT_NEAR(c.Becs[4], 40 * 0.00116 * 1000 * 30, 1e-3);
}
