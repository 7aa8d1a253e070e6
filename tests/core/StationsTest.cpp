// The country -> department -> station cascade and the reading of a station.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Erreurs.h"
#include "data/modStations.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
// The items of a list up to its first empty one.
std::vector<std::string> ItemsDe(int n) {
    std::vector<std::string> r;
    for (const std::string& s : Libelles[static_cast<std::size_t>(n)]) {
        if (s.empty())
            break;
        r.push_back(s);
    }
    return r;
}
using Noms = std::vector<std::string>;
} // namespace

class StationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        InstallDir = DossierFixture();
        ChargerDonnees();
    }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(StationsTest, DepartementsDUnPays) {
    RemplirDepartements("France");
    EXPECT_EQ(ItemsDe(1), (Noms{"Ain", "Rhône", "Nord"}));
    // A department whose countries text names two countries is under each of them.
    RemplirDepartements("Belgique");
    EXPECT_EQ(ItemsDe(1), (Noms{"Nord", "Hainaut"}));
    RemplirDepartements("Japon");
    EXPECT_EQ(ItemsDe(1), Noms{});
}

TEST_F(StationsTest, StationsAvecUnNiveauDeRenvois) {
    // Ain: its own station first, then those of Rhône ("&Rhône"), but not those of
    // Nord that Rhône itself refers to.
    RemplirStations("Ain", true);
    EXPECT_EQ(ItemsDe(2), (Noms{"Ambérieu", "Lyon-Bron"}));
    RemplirStations("Rhône", true);
    EXPECT_EQ(ItemsDe(2), (Noms{"Lyon-Bron", "Lille-Lesquin"}));
    RemplirStations("Nord", true);
    EXPECT_EQ(ItemsDe(2), Noms{"Lille-Lesquin"});
    EXPECT_EQ(Libelles[2][1], ""); // the longer earlier list is emptied
    RemplirStations("Hainaut", true);
    EXPECT_EQ(ItemsDe(2), Noms{});
}

TEST_F(StationsTest, DepartementDeStationPrefereLeNomExact) {
    std::string departement = "inchangé";
    DepartementDeStation("Lille-Lesquin", departement);
    EXPECT_EQ(departement, "Nord");
    DepartementDeStation("Inconnue", departement);
    EXPECT_EQ(departement, "Nord");

    LireTableDepuisTexte("V\r\nV\r\nNice-Côte #A\r\n&Nice #B\r\nNice #C\r\nAntibes #D\r\n",
                         "Ville.TXT", TableVilles);
    DepartementDeStation("Nice", departement);
    EXPECT_EQ(departement, "C");
    DepartementDeStation("Antib", departement); // no exact name: the first containing it
    EXPECT_EQ(departement, "D");
}

TEST_F(StationsTest, LireStationsNordEtSud) {
    RecordingNotificateur notif;
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
}

TEST_F(StationsTest, StationInconnueOuLatitudeIllisible) {
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    EXPECT_THROW(LireStation("Paris", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);

    ChargerCollectionDepuisTexte("N #Courte\r\nZ #Courte\r\n", "S.TXT", Stations, ColonnesStation);
    EXPECT_THROW(LireStation("Courte", latitude, hemisphere, zone, gh, text, tef), ErreurExecution);
    ChargerCollectionDepuisTexte("45°N #Partielle\r\nZ #Partielle\r\n", "S.TXT", Stations,
                                 ColonnesStation);
    EXPECT_THROW(LireStation("Partielle", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);
}
