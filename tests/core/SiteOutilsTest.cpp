// What helps a person describe the site: names found as typed, the sun's height over
// the mask, a surveyed horizon brought into the mask, and the communes of the real
// reference data leading to a department's stations.

#include "ReferenceOutils.h"
#include "common/Erreurs.h"
#include "common/Recherche.h"
#include "data/modCommunes.h"
#include "data/modLibelles.h"
#include "engine/CourseSoleil.h"
#include "project/ImportHorizon.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>

using namespace reference;

TEST(Recherche, CasseAccentsTraitsEtApostrophesNeComptentPas) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"Rhône", "rhone"},
        {"  Saint-Étienne ", "saint etienne"},
        {"CÔTE-D’OR", "cote d or"},
        {"L'Haÿ-les-Roses", "l hay les roses"},
        {"Œuvre Æsop", "oeuvre aesop"}};
    for (const auto& [nom, cle] : cas)
        EXPECT_EQ(CleRecherche(nom), cle) << nom;
    EXPECT_TRUE(CorrespondRecherche("Bouches-du-Rhône", "DU RHONE"));
    EXPECT_FALSE(CorrespondRecherche("Ain", "rhone"));
}

TEST(CourseSoleil, HauteursCalculeesALaMain) {
    // Lyon, 21 June, solar noon: 90 - 45.7 + 23.45.
    EXPECT_NEAR(HauteurSoleil(45.7, DeclinaisonSoleil(JourSolsticeJuin), 0), 67.7, 0.05);
    EXPECT_NEAR(HauteurSoleil(0, 0, 0), 90, 1e-9);
    EXPECT_NEAR(HauteurSoleil(45, 0, 90), 0, 1e-9); // equinox sunset at 18 h
    EXPECT_NEAR(AngleCoucher(45.7, 0), 90, 1e-9);
    // Polar night and midnight sun at 70° N.
    EXPECT_TRUE(CourseSoleil(70, JourSolsticeDecembre).empty());
    const std::vector<PointCourse> jour = CourseSoleil(70, JourSolsticeJuin);
    ASSERT_FALSE(jour.empty());
    EXPECT_EQ(jour.front().angleHoraire, -180);
    EXPECT_EQ(jour.back().angleHoraire, 180);
}

TEST(ImportHorizon, ReleveLuSelonSonSeparateur) {
    const std::vector<PointHorizon> points = LireReleveHorizon(
        "Azimut;Hauteur\r\n# relevé du 3 mai\r\n-90;12,5;\r\n\r\n0;4\r\n 45,5 ; 20 \r\n");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].hauteur, 12.5);
    EXPECT_EQ(points[2].angle, 45.5);
    EXPECT_EQ(LireReleveHorizon("-10.5,3\n10,3.25\n")[1].hauteur, 3.25);
    EXPECT_EQ(LireReleveHorizon("-10\t3\n10 \t 4\n")[1].hauteur, 4);
}

TEST(ImportHorizon, MauvaiseLigneNommeeParSonNumero) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"angle;hauteur\n-90;10\n0;5\n30;huit\n", "Ligne 4 : « 30;huit »"},
        {"-90;10\n200;5\n", "Ligne 2 : l'angle 200°"},
        {"-90;10\n0;95,5\n", "Ligne 2 : la hauteur 95,5°"},
        {"0;10,5,2\n", "Ligne 1 :"},
        {"# vide\n0;5\n", "au moins deux points"}};
    for (const auto& [texte, debut] : cas) {
        try {
            LireReleveHorizon(texte);
            ADD_FAILURE() << texte;
        } catch (const ErreurExecution& e) {
            EXPECT_NE(std::string(e.what()).find(debut), std::string::npos) << e.what();
        }
    }
}

TEST(ImportHorizon, ReduitA20PointsEntreLesExtremesFixes) {
    // A zigzag of 18 corners from -90 to 80, flat before and after it: the 7 flat
    // points change no area and go, whatever their place; every corner stays.
    std::vector<PointHorizon> releve = {{-140, 10}, {-120, 10}, {-110, 10}, {-100, 10}};
    std::vector<PointHorizon> attendu = {{-130, 10}};
    for (int i = 0; i < 18; ++i) {
        releve.push_back({-90.0 + 10 * i, i % 2 == 0 ? 10.0 : 30.0});
        attendu.push_back(releve.back());
    }
    for (double a : {90, 100, 110, 120, 140})
        releve.push_back({a, 30});
    attendu.push_back({130, 30});
    // The survey's order does not matter.
    std::reverse(releve.begin(), releve.end());
    const std::vector<PointHorizon> masque = ReduireHorizon(releve);
    ASSERT_EQ(masque.size(), PointsMasqueMax);
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_EQ(masque[i].angle, attendu[i].angle) << i;
        EXPECT_EQ(masque[i].hauteur, attendu[i].hauteur) << i;
    }
    // What the person is told: every point read is kept, merged or set aside.
    const ImportHorizon import = ReduireReleve(releve);
    EXPECT_EQ(import.points.size(), masque.size());
    EXPECT_EQ(BilanImportHorizon(import),
              "27 points lus, 7 fusionnés, 2 écartés au-delà de ±130° : le profil garde 20 "
              "points, dont les deux extrémités à ±130° ajoutées d'après le relevé.");
    // A point right on an end is that end; a second one there merges into it.
    EXPECT_EQ(BilanImportHorizon(ReduireReleve({{130, 2}, {-130, 5}, {0, 0}, {-130, 8}})),
              "4 points lus, 1 fusionné : le profil garde 3 points.");
    // The ends read on the profile between the points around them.
    const std::vector<PointHorizon> coupe = ReduireHorizon({{-140, 10}, {-120, 30}, {0, 0}});
    EXPECT_EQ(coupe.front().hauteur, 20);
    EXPECT_EQ(coupe.back().hauteur, 0);
    EXPECT_EQ(coupe.size(), 4u);
}

TEST(Communes, RechercheSurLesDonneesDeReference) {
    ASSERT_TRUE(ChargementInitial(Dossier()));
    const std::vector<const Commune*> lyon = ChercherCommunes("lyon");
    ASSERT_FALSE(lyon.empty());
    EXPECT_EQ(lyon.front()->nom, "Lyon");
    EXPECT_EQ(lyon.front()->departement, "Rhône");
    EXPECT_EQ(ChercherCommunes("69003").front()->nom, "Lyon");
    EXPECT_EQ(ChercherCommunes("saint etienne").front()->nom, "Saint-Étienne");
    EXPECT_TRUE(ChercherCommunes("l").empty());
    // Every department found names a department of the department table.
    for (const Commune& c : Communes())
        ASSERT_EQ(PaysDuDepartement(c.departement, "").empty(), false) << c.nom;
    EXPECT_EQ(
        PaysDuDepartement(ChercherCommunes("97400").front()->departement, "France métropolitaine"),
        "France d'outre-mer");
    // The department's stations, without touching the list the window shows.
    const ListeLibelles avant = Libelles[2];
    const std::vector<std::string> stations = StationsDuDepartement("Rhône");
    EXPECT_EQ(Libelles[2], avant);
    EXPECT_NE(std::find(stations.begin(), stations.end(), "Lyon"), stations.end());
}
