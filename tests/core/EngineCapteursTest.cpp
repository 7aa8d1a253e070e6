#include "EngineTestOutils.h"
#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculCapteurs.h"
#include "tests/support/EnregistrementExemple.h"

#include <cmath>

namespace {
class EngineCapteurs : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        RemplirEnregistrementExemple(projet, ClimatExemple());
        AlphaMois.fill(1);
    }
    // FacteurMois of month m for a tilt and orientation.
    float Facteur(float tilt, float orientation, int m) {
        c.inclinaison = tilt;
        c.Orientation = orientation;
        CalculerCapteurs(e, c, AlphaMois);
        return c.FacteurMois[m];
    }
    void Masque(std::initializer_list<std::pair<float, float>> points) {
        e.NB_points = 0;
        for (const auto& [angle, hauteur] : points) {
            ++e.NB_points;
            e.Masque_Angle[e.NB_points] = angle;
            e.Masque_Hauteur[e.NB_points] = hauteur;
        }
        e.Masque_Existe = 1;
    }
    EnregistrementProjet projet;
    EnregistrementEntrees& e = projet.Entrees;
    EnregistrementCalcul& c = projet.Calcul;
    TableauMois AlphaMois{};
};

GeometrieCapteur Profil() {
    GeometrieCapteur g;
    g.NbPoints = 3;
    g.angles = {0, -60, 0, 90};
    g.hauteurs = {99, 10, 20, 5};
    return g;
}
} // namespace

TEST_F(EngineCapteurs, HorizontalPlaneReceivesTheHorizontalIrradiation) {
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(Facteur(0, 0, m), c.Gh[m], 1e-4 * c.Gh[m]) << m;
    c.Latitude = -30; // southern sites too
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(Facteur(0, 0, m), c.Gh[m], 1e-4 * c.Gh[m]) << m;
}

TEST_F(EngineCapteurs, TiltedSouthPlaneGainsInWinter) {
    EXPECT_GT(Facteur(45, 0, 12), 1.5f * c.Gh[12]);
    EXPECT_LT(Facteur(45, 0, 6), c.Gh[6]);
    EXPECT_LT(Facteur(90, 180, 12), 0.4f * c.Gh[12]); // facing north in winter: diffuse only
}

TEST_F(EngineCapteurs, EastAndWestFacingPlanesAreMirrorImages) {
    for (int m : {1, 6, 9}) {
        const float est = Facteur(40, -90, m);
        const float ouest = Facteur(40, 90, m);
        EXPECT_NEAR(est, ouest, 1e-5 * est) << m;
    }
    // A hill on one side: the plane turned away from it loses less, and the mirrored
    // site gives the mirrored result.
    Masque({{-130, 25}, {-20, 25}, {-10, 0}, {130, 0}});
    const float versColline = Facteur(40, -90, 6);
    const float dosColline = Facteur(40, 90, 6);
    EXPECT_LT(versColline, dosColline);
    Masque({{-130, 0}, {10, 0}, {20, 25}, {130, 25}});
    EXPECT_NEAR(Facteur(40, 90, 6), versColline, 1e-4 * versColline);
    EXPECT_NEAR(Facteur(40, -90, 6), dosColline, 1e-4 * dosColline);
}

TEST_F(EngineCapteurs, MaskEndsCutTheBeamOfLongSummerDays) {
    c.Latitude = 60;
    const float libre = Facteur(0, 0, 6);
    Masque({{-180, 0}, {180, 0}});
    const float sansCoupure = Facteur(0, 0, 6);
    Masque({{-130, 0}, {130, 0}});
    const float coupe = Facteur(0, 0, 6);
    // Summing whole degrees matches the closed form; the ±130° ends lose the low sun
    // beyond 130° (it sets near 138° at 60° N in June), even with zero heights.
    EXPECT_NEAR(sansCoupure, libre, 1e-4 * libre);
    EXPECT_GT(sansCoupure - coupe, 1e-4f);
    // At 45° N the June sun sets before 130°: the same ends change nothing.
    c.Latitude = 45;
    const float court = Facteur(0, 0, 6);
    Masque({{-180, 0}, {180, 0}});
    EXPECT_EQ(Facteur(0, 0, 6), court);
    e.Masque_Existe = 0;
    EXPECT_NEAR(Facteur(0, 0, 6), court, 1e-4 * court);
}

TEST_F(EngineCapteurs, MeanMaskHeightRaisesThePlanesHorizon) {
    // The same summation with and without the mean height in the sky term: only a
    // mask flagged 1 has its mean height counted.
    Masque({{-180, 10}, {180, 10}});
    const float avecHauteur = Facteur(30, 0, 4);
    e.Masque_Existe = 2;
    const float sansHauteur = Facteur(30, 0, 4);
    EXPECT_LT(avecHauteur, sansHauteur);
    EXPECT_GT(avecHauteur, 0.9f * sansHauteur);
}

TEST_F(EngineCapteurs, MaskHeightOutsideAndBetweenPoints) {
    const GeometrieCapteur g = Profil();
    EXPECT_FLOAT_EQ(HauteurMasque(g, -60), 10);
    EXPECT_FLOAT_EQ(HauteurMasque(g, -30), 15);
    EXPECT_FLOAT_EQ(HauteurMasque(g, 0), 20);
    EXPECT_FLOAT_EQ(HauteurMasque(g, 45), 12.5f);
    EXPECT_FLOAT_EQ(HauteurMasque(g, -90), 10); // below the first point: its height
    EXPECT_FLOAT_EQ(HauteurMasque(g, 90), 5);   // at or beyond the last: its height
    EXPECT_FLOAT_EQ(HauteurMasque(g, 170), 5);
    GeometrieCapteur vide = g;
    vide.NbPoints = 0;
    EXPECT_EQ(HauteurMasque(vide, 0), 0.0f);
}

TEST_F(EngineCapteurs, SiteCorrections) {
    const float reference = Facteur(45, 0, 3);
    e.Altitude = 800; // station at 0 m
    EXPECT_NEAR(Facteur(45, 0, 3), reference * 1.05, 1e-5 * reference);
    e.Altitude = 0;
    e.Nb_Habitant_Ville = 3;
    e.Distance_Mer = 1;
    EXPECT_NEAR(Facteur(45, 0, 3), reference * 0.9f * 1.15f, 1e-5 * reference);
    // Classes outside the defined ones count as 1 on their side only.
    e.Nb_Habitant_Ville = 7;
    e.Nb_habitant_station_meteo = 2;
    e.Distance_Mer = 4;
    e.Distance_Mer_station_meteo = 9;
    EXPECT_NEAR(Facteur(45, 0, 3), reference / 0.95f, 1e-5 * reference);
    e.Nb_habitant_station_meteo = 1;
    e.Distance_Mer_station_meteo = 4;
    AlphaMois[3] = 0.9f;
    EXPECT_NEAR(Facteur(45, 0, 3), reference * 0.9f, 1e-5 * reference);
}

TEST_F(EngineCapteurs, LatitudeZeroAndBrokenMasks) {
    c.FacteurMois.fill(3);
    c.Latitude = 0;
    EXPECT_EQ(Facteur(45, 0, 5), 3.0f);

    c.Latitude = 45;
    e.Masque_Existe = 1;
    e.NB_points = 0;
    EXPECT_THROW(Facteur(45, 0, 5), ErreurArithmetique);
    e.NB_points = 40;
    EXPECT_THROW(Facteur(45, 0, 5), ErreurIndice);
}

TEST_F(EngineCapteurs, GroupsXAndT) {
    c.FacteurMois.fill(3);
    c.Em.fill(1000);
    c.Becs.fill(300);
    c.DT.fill(40);
    c.DT1.fill(-2);
    c.Efficacite.Etap = 0.7f;
    c.Deperdition.K = 6;
    CalculerX(c, rapport);
    CalculerT(c);
    EXPECT_NEAR(c.X[1], 1000.0 * 300 / (4 * 3 * 31 * 0.7 * 6 * 40), 1e-5);
    EXPECT_NEAR(c.X[2], 1000.0 * 300 / (4 * 3 * 28 * 0.7 * 6 * 40), 1e-5);
    EXPECT_NEAR(c.T[1], (1000 / (6 / 0.78) - 2) / 40, 1e-5);

    c.Classe_Systeme = ClasseSysteme::ChauffeEauMonobloc;
    c.ABEtap = 1.5f;
    c.KsurB = 5;
    CalculerX(c, rapport);
    CalculerT(c);
    EXPECT_NEAR(c.X[4], 1000.0 * 300 / (1.5 * 3 * 30 * 5 * 40), 1e-5);
    EXPECT_NEAR(c.T[4], (1000.0 / 5 - 2) / 40, 1e-5);
    EXPECT_TRUE(rapport.Messages().empty());
}

TEST_F(EngineCapteurs, ZeroEfficiencyStopsXInJanuary) {
    c.X.fill(0.25f);
    c.FacteurMois.fill(3);
    c.Em.fill(1000);
    c.Becs.fill(300);
    c.DT.fill(40);
    c.Deperdition.K = 6;
    c.Efficacite.Etap = 0;
    CalculerX(c, rapport);
    EXPECT_EQ(Textes(), std::vector<std::string>{"Erreur calcul Q"});
    EXPECT_FALSE(EstFini(c.X[1]));
    EXPECT_FALSE(TableauFini(c.X));
    for (int m = 2; m <= 12; ++m)
        EXPECT_EQ(c.X[m], 0.25f);

    c.DT[1] = 0; // T is not trapped: the run ends
    EXPECT_THROW(CalculerT(c), ErreurArithmetique);
}
