// Saving a user station into the three station files: renamed or not, all files or
// none, and never under a name that would make the files unreadable.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modStationUtilisateur.h"
#include "data/modStations.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
StationUtilisateur Saisie(const std::string& nom) {
    StationUtilisateur s;
    s.nom = nom;
    s.altitude = "210";
    s.classeMer = 4;
    s.classePopulation = 2;
    s.latitude = "45,7";
    s.hemisphere = "N";
    s.zone = "Zone continentale";
    for (std::size_t m = 0; m < 12; ++m) {
        s.Gh[m] = std::to_string(m + 1) + ",5";
        s.Text[m] = std::to_string(m);
        s.Tef[m] = "1" + std::to_string(m) + ".25";
    }
    return s;
}

const char* const ClimatLyon =
    "45.73\xB0N #Lyon-Bron\r\n"
    "H1c #Lyon-Bron\r\n"
    "1.4 2.3 3.7 4.8 5.6 6.4 6.6 5.8 4.4 2.7 1.5 1.1 #Lyon-Bron\r\n"
    "3,1 4,6 8,4 11,3 15,6 19,1 21,9 21,5 17,6 13,2 7,6 4,1 #Lyon-Bron\r\n"
    "9 9 10,5 12 13,5 15 16 16 15 13 11 9,5 #Lyon-Bron\r\n";

std::string ClimatSaisi(const std::string& nom) {
    return "45,7\xB0N #" + nom + "\r\nZone continentale #" + nom +
           "\r\n1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5 10,5 11,5 12,5 #" + nom +
           "\r\n0 1 2 3 4 5 6 7 8 9 10 11 #" + nom +
           "\r\n10.25 11.25 12.25 13.25 14.25 15.25 16.25 17.25 18.25 19.25 110.25 111.25 #" + nom +
           "\r\n";
}

std::string Remplace(std::string octets, const std::string& ancien, const std::string& nouveau) {
    const std::size_t p = octets.find(ancien);
    EXPECT_NE(p, std::string::npos) << ancien;
    return p == std::string::npos ? octets : octets.replace(p, ancien.size(), nouveau);
}
} // namespace

class StationUtilisateurTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(copie.chemin()));
        for (const char* f : {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"})
            avant.push_back(LireOctets(copie / (std::string("Pays/") + f)));
    }
    void TearDown() override {
        SimulerEchecEcriture(-1);
        ReinitialiserDonnees();
    }
    std::string Fichier(int i) const {
        static const char* const noms[] = {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"};
        return LireOctets(copie / (std::string("Pays/") + noms[i]));
    }

    CopieFixture copie;
    RecordingNotificateur notif;
    std::vector<std::string> avant;
};

TEST_F(StationUtilisateurTest, RenommeeDansLesTroisFichiersSansToucherAuxAutres) {
    ASSERT_TRUE(EnregistrerStation("Lyon-Bron", Saisie("Lyon Est*")));
    EXPECT_EQ(Fichier(0), Remplace(avant[0], "Lyon-Bron #Rh\xF4ne\r\n", "Lyon Est* #Rh\xF4ne\r\n"));
    EXPECT_EQ(Fichier(1),
              Remplace(avant[1], "200 4 2 #Lyon-Bron\r\n", " 210  4  2 #Lyon Est*\r\n"));
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, ClimatSaisi("Lyon Est*")));
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_TRUE(notif.SablierRestaure());

    // Read back as at the next start: the department offers the new name, whose data
    // are those typed.
    ChargerDonnees();
    EXPECT_FALSE(Stations.Contient("Lyon-Bron"));
    RemplirStations("Rhône");
    EXPECT_EQ(Libelles[2][0], "Lyon Est*");
    EXPECT_EQ(Libelles[2][1], "Lille-Lesquin"); // the "&Nord" line still followed
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    LireStation("Lyon Est*", latitude, hemisphere, zone, gh, text, tef);
    EXPECT_FLOAT_EQ(latitude, 45.7f);
    EXPECT_EQ(hemisphere, "N");
    EXPECT_EQ(zone, "Zone continentale");
    EXPECT_DOUBLE_EQ(gh.Item(12), 12.5);
    EXPECT_DOUBLE_EQ(text.Item(1), 0);
    EXPECT_DOUBLE_EQ(tef.Item(12), 111.25);
}

TEST_F(StationUtilisateurTest, MemeNomReecritSesCinqLignesEtUneValeurVideResteAsaPlace) {
    StationUtilisateur s = Saisie("Lyon-Bron");
    s.Gh[3] = "";
    s.hemisphere = "S";
    ASSERT_TRUE(EnregistrerStation("Lyon-Bron", s));
    EXPECT_EQ(Fichier(0), avant[0]);
    std::string climat = Remplace(ClimatSaisi("Lyon-Bron"), " 4,5 ", " 0 ");
    climat = Remplace(climat, "\xB0N", "\xB0S");
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, climat));
    // Saved twice under one name: still one group of five lines.
    ASSERT_TRUE(EnregistrerStation("Lyon-Bron", s));
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, climat));
    ChargerDonnees();
    EXPECT_EQ(Stations.Count(), 4);
}

TEST_F(StationUtilisateurTest, NomsRefusesSansRienEcrire) {
    EXPECT_EQ(RefusNomStation("Ly", "Lyon-Bron"),
              "Le nom de la station doit comporter au moin 3 caractères");
    EXPECT_EQ(RefusNomStation("  Ly  ", "Lyon-Bron"),
              "Le nom de la station doit comporter au moin 3 caractères");
    EXPECT_NE(RefusNomStation("Lyon#2*", "Lyon-Bron"), "");
    EXPECT_NE(RefusNomStation("&Nord*", "Lyon-Bron"), "");
    EXPECT_NE(RefusNomStation("Győr*", "Lyon-Bron"), ""); // no Windows-1252 code
    EXPECT_EQ(RefusNomStation("Mâcon €*", "Lyon-Bron"), "");
    // Another station's name, in any case, would make two groups of one key.
    EXPECT_EQ(RefusNomStation("LILLE-LESQUIN", "Lyon-Bron"),
              "La station « LILLE-LESQUIN » existe déjà.");
    EXPECT_EQ(RefusNomStation("LYON-BRON", "Lyon-Bron"), ""); // itself
    EXPECT_EQ(RefusNomStation("Lyo", "Lyon-Bron"), "");

    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lille-Lesquin")), ErreurExecution);
    StationUtilisateur espace = Saisie("Lyon Est*");
    espace.Text[5] = "1 2"; // would shift every month after it
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", espace), ErreurExecution);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Fichier(i), avant[i]) << i;
}

TEST_F(StationUtilisateurTest, StationAbsenteOuEcritureEchoueeLaissentLesFichiers) {
    EXPECT_FALSE(EnregistrerStation("Paris*", Saisie("Paris 2*")));
    // The climate file, written last, fails: the two written before get their bytes
    // back.
    SimulerEchecEcriture(600);
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lyon Est*")), ErreurFichier);
    SimulerEchecEcriture(-1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Fichier(i), avant[i]) << i;
    EXPECT_TRUE(notif.SablierRestaure());
}
