// Saving a user station into the three station files: renamed or not, all files or
// none, and never under a name that would make the files unreadable.

#include "DonneesTest.h"
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
    "45.73\xB0N #Lyon-Bron\r\nH1c #Lyon-Bron\r\n"
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
} // namespace

class StationUtilisateurTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(copie.chemin()));
        for (int i = 0; i < 3; ++i)
            avant.push_back(Fichier(i));
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
    NotificateurEnregistreur notif;
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
    // Read back as at the next start: the department offers the new name.
    ChargerDonnees();
    RemplirStations("Rhône");
    EXPECT_EQ(ItemsDe(2), (std::vector<std::string>{"Lyon Est*", "Lille-Lesquin"}));
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    LireStation("Lyon Est*", latitude, hemisphere, zone, gh, text, tef);
    EXPECT_FLOAT_EQ(latitude, 45.7f);
    EXPECT_DOUBLE_EQ(tef.Item(12), 111.25);

    // Saved twice under its own name, an empty value kept in its place: still one
    // group of five lines.
    StationUtilisateur s = Saisie("Lyon Est*");
    s.Gh[3] = "";
    s.hemisphere = "S";
    for (int fois = 0; fois < 2; ++fois)
        ASSERT_TRUE(EnregistrerStation("Lyon Est*", s));
    const std::string climat =
        Remplace(Remplace(ClimatSaisi("Lyon Est*"), " 4,5 ", " 0 "), "\xB0N", "\xB0S");
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, climat));
}

TEST_F(StationUtilisateurTest, RefusSansRienEcrire) {
    const std::string court = "Le nom de la station doit comporter au moin 3 caractères";
    const std::pair<const char*, std::string> noms[] = {
        {"Ly", court},
        {"  Ly  ", court},
        {"LILLE-LESQUIN", "La station « LILLE-LESQUIN » existe déjà."}, // in any case
        {"LYON-BRON", ""},                                              // itself
        {"Lyo", ""},
        {"Mâcon €*", ""}};
    for (const auto& [nom, refus] : noms)
        EXPECT_EQ(RefusNomStation(nom, "Lyon-Bron"), refus) << nom;
    // Characters the files cannot hold: "#", a leading "&", no Windows-1252 code.
    for (const char* nom : {"Lyon#2*", "&Nord*", "Győr*"})
        EXPECT_NE(RefusNomStation(nom, "Lyon-Bron"), "") << nom;

    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lille-Lesquin")), ErreurExecution);
    StationUtilisateur espace = Saisie("Lyon Est*");
    espace.Text[5] = "1 2"; // would shift every month after it
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", espace), ErreurExecution);
    EXPECT_FALSE(EnregistrerStation("Paris*", Saisie("Paris 2*")));
    // The climate file, written last, fails: the two written before get their bytes back.
    SimulerEchecEcriture(600);
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lyon Est*")), ErreurFichier);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Fichier(i), avant[i]) << i;
}
