#include "MethodeOutils.h"
#include "common/Erreurs.h"
#include "engine/modCalcul.h"
#include "engine/modCalculCapteurs.h"
#include "tests/support/EnregistrementExemple.h"

#include <cmath>

namespace {
class MethodeCapteurs : public MethodeEssai {
protected:
    void SetUp() override {
        MethodeEssai::SetUp();
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
} // namespace

TEST_F(MethodeCapteurs, PlanHorizontalInclineEtSymetrieEstOuest) {
    for (float latitude : {45.0f, -30.0f})
        for (int m = 1; m <= 12; ++m) {
            c.Latitude = latitude;
            EXPECT_NEAR(Facteur(0, 0, m), c.Gh[m], 1e-4 * c.Gh[m]) << latitude << " " << m;
        }
    c.Latitude = 45;
    EXPECT_GT(Facteur(45, 0, 12), 1.5f * c.Gh[12]);
    EXPECT_LT(Facteur(45, 0, 6), c.Gh[6]);
    EXPECT_LT(Facteur(90, 180, 12), 0.4f * c.Gh[12]); // facing north in winter: diffuse only
    for (int m : {1, 6, 9})
        EXPECT_NEAR(Facteur(40, -90, m), Facteur(40, 90, m), 1e-5 * Facteur(40, 90, m)) << m;
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

TEST_F(MethodeCapteurs, BoutsDuMasqueEtHauteurMoyenne) {
    c.Latitude = 60;
    const float libre = Facteur(0, 0, 6);
    Masque({{-180, 0}, {180, 0}});
    EXPECT_NEAR(Facteur(0, 0, 6), libre, 1e-4 * libre); // whole degrees match the closed form
    // The ±130° ends lose the low sun beyond 130° (it sets near 138° at 60° N in June),
    // even with zero heights; at 45° N it sets before 130°.
    Masque({{-130, 0}, {130, 0}});
    EXPECT_GT(libre - Facteur(0, 0, 6), 1e-4f);
    c.Latitude = 45;
    const float court = Facteur(0, 0, 6);
    Masque({{-180, 0}, {180, 0}});
    EXPECT_EQ(Facteur(0, 0, 6), court);
    // Only a mask flagged 1 has its mean height in the sky term.
    Masque({{-180, 10}, {180, 10}});
    const float avecHauteur = Facteur(30, 0, 4);
    e.Masque_Existe = 2;
    const float sansHauteur = Facteur(30, 0, 4);
    EXPECT_LT(avecHauteur, sansHauteur);
    EXPECT_GT(avecHauteur, 0.9f * sansHauteur);
}

TEST_F(MethodeCapteurs, HauteurDuMasqueHorsEtEntreLesPoints) {
    GeometrieCapteur g;
    g.NbPoints = 3;
    g.angles = {0, -60, 0, 90};
    g.hauteurs = {99, 10, 20, 5};
    // Below the first point its height, at or beyond the last its height.
    const std::pair<float, float> cas[] = {{-90, 10},   {-60, 10}, {-30, 15}, {0, 20},
                                           {45, 12.5f}, {90, 5},   {170, 5}};
    for (const auto& [angle, hauteur] : cas)
        EXPECT_FLOAT_EQ(HauteurMasque(g, angle), hauteur) << angle;
    g.NbPoints = 0;
    EXPECT_EQ(HauteurMasque(g, 0), 0.0f);
}

TEST_F(MethodeCapteurs, CorrectionsDuSite) {
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

    // Latitude 0 leaves the factors alone; a broken mask ends the run.
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

TEST_F(MethodeCapteurs, GroupesXEtT) {
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

    // A zero efficiency stops X in January; T is not trapped and ends the run.
    c.Classe_Systeme = ClasseSysteme::SansEchangeur;
    c.X.fill(0.25f);
    c.Efficacite.Etap = 0;
    CalculerX(c, rapport);
    EXPECT_EQ(Textes(), std::vector<std::string>{"Erreur calcul Q"});
    EXPECT_FALSE(EstFini(c.X[1]));
    EXPECT_EQ(c.X[12], 0.25f);
    c.DT[1] = 0;
    EXPECT_THROW(CalculerT(c), ErreurArithmetique);
}
