// The real reference data folder through the whole start-up load: every file read,
// no message at all, and every department of every country offering stations that
// parse into a latitude, a hemisphere and three series of twelve values.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "data/modStations.h"
#include "startup/Modgeneral.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
class ReferenceChargementTest : public ::testing::Test {
protected:
    void SetUp() override { essai::ReinitialiserDonnees(); }
    void TearDown() override { essai::ReinitialiserDonnees(); }
};

std::vector<std::string> ItemsDe(int numero) {
    std::vector<std::string> r;
    for (const std::string& item : Libelles[numero]) {
        if (item.empty())
            break;
        r.push_back(item);
    }
    return r;
}
} // namespace

TEST_F(ReferenceChargementTest, ChargementSansAucunMessage) {
    RecordingNotificateur notif;
    AfficherMessages = true; // numbered messages 33 and 44 would show
    EXPECT_TRUE(ChargementInitial(VARQUIN_REFERENCE_DIR));
    for (const auto& boite : notif.messages)
        ADD_FAILURE() << boite.titre << " : " << boite.texte;
    EXPECT_TRUE(notif.SablierRestaure());
    for (const FichierReference& f : FichiersReference())
        EXPECT_GT(f.table->size(), 1u) << f.chemin;
    EXPECT_GT(Stations.Count(), 100);
    for (int liste : {0, 5, 12, 15, 16, 23, 24, 29, 32})
        EXPECT_FALSE(Libelles[liste][0].empty()) << "liste " << liste;
}

TEST_F(ReferenceChargementTest, ChaqueDepartementOffreDesStationsLisibles) {
    RecordingNotificateur notif;
    ASSERT_TRUE(ChargementInitial(VARQUIN_REFERENCE_DIR));
    int departements = 0;
    for (const std::string& pays : ItemsDe(0)) {
        RemplirDepartements(pays);
        for (const std::string& departement : ItemsDe(1)) {
            ++departements;
            RemplirStations(departement);
            const auto stations = ItemsDe(2);
            ASSERT_FALSE(stations.empty()) << departement;
            for (const std::string& station : stations) {
                float latitude = 0;
                std::string hemisphere, zone;
                CollectionNombres gh, text, tef;
                LireStation(station, latitude, hemisphere, zone, gh, text, tef);
                EXPECT_TRUE(latitude != 0 && std::abs(latitude) < 60) << station;
                EXPECT_EQ(hemisphere, latitude > 0 ? "N" : "S") << station;
                ASSERT_EQ(gh.Count(), 12) << station;
                ASSERT_EQ(text.Count(), 12) << station;
                ASSERT_EQ(tef.Count(), 12) << station;
                for (int m = 1; m <= 12; ++m) {
                    EXPECT_GT(gh.Item(m), 0.2) << station << " mois " << m;
                    EXPECT_LT(gh.Item(m), 9.0) << station << " mois " << m;
                }
            }
        }
    }
    // 101 departments and the user stations' pseudo-department under each country.
    EXPECT_GE(departements, 102);
    EXPECT_TRUE(notif.messages.empty());
}
