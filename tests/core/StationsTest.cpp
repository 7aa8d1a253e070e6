// The country -> department -> station cascade and the reading of a station.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modStations.h"

#include <gtest/gtest.h>

using namespace essai;
using Noms = std::vector<std::string>;

class StationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        InstallDir = DossierFixture();
        ChargerDonnees();
    }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(StationsTest, DepartementsEtStationsAvecUnNiveauDeRenvois) {
    // A department whose countries text names two countries is under each of them.
    const std::pair<const char*, Noms> pays[] = {
        {"France", {"Ain", "Rhône", "Nord"}}, {"Belgique", {"Nord", "Hainaut"}}, {"Japon", {}}};
    for (const auto& [nom, departements] : pays) {
        RemplirDepartements(nom);
        EXPECT_EQ(ItemsDe(1), departements) << nom;
    }
    // Ain: its own station first, then those of Rhône ("&Rhône"), but not those of
    // Nord that Rhône itself refers to. A shorter list leaves nothing of the longer.
    const std::pair<const char*, Noms> departements[] = {{"Ain", {"Ambérieu", "Lyon-Bron"}},
                                                         {"Rhône", {"Lyon-Bron", "Lille-Lesquin"}},
                                                         {"Nord", {"Lille-Lesquin"}},
                                                         {"Hainaut", {}}};
    for (const auto& [nom, stations] : departements) {
        RemplirStations(nom, true);
        EXPECT_EQ(ItemsDe(2), stations) << nom;
    }

    std::string departement = "inchangé";
    DepartementDeStation("Lille-Lesquin", departement);
    EXPECT_EQ(departement, "Nord");
    DepartementDeStation("Inconnue", departement);
    EXPECT_EQ(departement, "Nord");
    LireTableDepuisTexte("V\r\nV\r\nNice-Côte #A\r\n&Nice #B\r\nNice #C\r\nAntibes #D\r\n",
                         "Ville.TXT", TableVilles);
    DepartementDeStation("Nice", departement); // the exact name first
    EXPECT_EQ(departement, "C");
    DepartementDeStation("Antib", departement); // or the first containing it
    EXPECT_EQ(departement, "D");
}

TEST_F(StationsTest, LectureDesStations) {
    NotificateurEnregistreur notif;
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    RemplirCollection(gh, 1.0, 20);
    LireStation("Saint-Denis-Gillot", latitude, hemisphere, zone, gh, text, tef);
    EXPECT_FLOAT_EQ(latitude, -21.1f);
    EXPECT_EQ(hemisphere, "S");
    EXPECT_EQ(zone, "H3");
    ASSERT_EQ(gh.Count(), 12);
    EXPECT_DOUBLE_EQ(gh.Item(1), 6.2);
    EXPECT_DOUBLE_EQ(text.Item(7), 21.6);
    EXPECT_DOUBLE_EQ(tef.Item(12), 24.5);
    LireStation("Lyon-Bron", latitude, hemisphere, zone, gh, text, tef); // decimal points
    EXPECT_FLOAT_EQ(latitude, 45.73f);
    EXPECT_EQ(hemisphere, "N");
    EXPECT_DOUBLE_EQ(gh.Item(12), 1.1);
    LireStation("Ambérieu", latitude, hemisphere, zone, gh, text, tef); // key with an accent
    EXPECT_FLOAT_EQ(latitude, 45.98f);
    EXPECT_TRUE(notif.messages.empty());

    EXPECT_THROW(LireStation("Paris", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);
    ChargerCollectionDepuisTexte("N #Courte\r\nZ #Courte\r\n", "S.TXT", Stations, ColonnesStation);
    EXPECT_THROW(LireStation("Courte", latitude, hemisphere, zone, gh, text, tef), ErreurExecution);
    ChargerCollectionDepuisTexte("45°N #Partielle\r\nZ #Partielle\r\n", "S.TXT", Stations,
                                 ColonnesStation);
    EXPECT_THROW(LireStation("Partielle", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);
}
