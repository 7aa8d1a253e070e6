// The choice lists: fixed lists, catalogue names, orientation reloads, stepping.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Erreurs.h"
#include "data/modLibelles.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
using Noms = std::vector<std::string>;
Noms ItemsDe(int n) {
    Noms r;
    for (const std::string& s : Libelles[static_cast<std::size_t>(n)]) {
        if (s.empty())
            break;
        r.push_back(s);
    }
    return r;
}
} // namespace

class LibellesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        InstallDir = DossierFixture();
        ChargerDonnees();
    }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(LibellesTest, ListesFixesMotPourMot) {
    RemplirLibelles();
    EXPECT_EQ(ItemsDe(3), (Noms{"< 1", "[1;5[", "[5;10[", ">= 10"}));
    EXPECT_EQ(ItemsDe(4), (Noms{"< 0.5", "[0,5;1[", ">= 1"}));
    EXPECT_EQ(ItemsDe(10), (Noms{"Sans masque", "Masques"}));
    EXPECT_EQ(ItemsDe(11), (Noms{"Sans échangeur", "Echangeur"}));
    EXPECT_EQ(ItemsDe(14), (Noms{"CHAUFFE-EAU MONOBLOC", "SYSTEME CAPTEUR BALLON"}));
    EXPECT_EQ(ItemsDe(19), (Noms{"Sans", "Avec"}));
    EXPECT_EQ(ItemsDe(26), (Noms{"Sans appoint", "Appoint intégré"}));
    EXPECT_EQ(ItemsDe(27), (Noms{"Séparé", "Incorporé"}));
    EXPECT_EQ(ItemsDe(28), (Noms{"Calc. simple", "Calc. détaillé", "Val. forcée"}));
    EXPECT_EQ(ItemsDe(31), (Noms{"Continue", "H creuses"}));
    EXPECT_EQ(ItemsDe(34), (Noms{"Zone maritime", "Zone continentale"}));
}

TEST_F(LibellesTest, NomsDesCatalogues) {
    RecordingNotificateur notif;
    RemplirLibelles();
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_EQ(ItemsDe(0), (Noms{"France", "Réunion", "Belgique"}));
    EXPECT_EQ(ItemsDe(12), (Noms{"Serpentin", "Plaques"}));
    EXPECT_EQ(ItemsDe(15).size(), 6u);
    EXPECT_EQ(ItemsDe(15)[3], "Capteur A*");
    EXPECT_EQ(ItemsDe(5).back(), "Monobloc utilisateur*");
    EXPECT_EQ(ItemsDe(16), (Noms{"Horizontal", "30°", "45°", "60°", "Vertical"}));
    EXPECT_EQ(ItemsDe(23).size(), 3u);
    EXPECT_EQ(ItemsDe(24), (Noms{"Extérieur", "Local non chauffé", "Local chauffé"}));
    EXPECT_EQ(ItemsDe(29), (Noms{"Mousse élastomère", "Laine minérale"}));
    EXPECT_EQ(ItemsDe(32).size(), 3u);
    EXPECT_EQ(ItemsDe(1), Noms{}); // filled by the site choice, not here
}

TEST_F(LibellesTest, OrientationPlusCourteLaisseLesAnciensLibelles) {
    ChargerOrientations("N");
    EXPECT_EQ(ItemsDe(17), (Noms{"Sud", "Sud-Est", "Sud-Ouest", "Est", "Ouest"}));
    ChargerOrientations("S");
    EXPECT_EQ(ItemsDe(17), (Noms{"Nord", "Nord-Est", "Nord-Ouest", "Est", "Ouest"}));
    EXPECT_EQ(TableOrientations.size(), 4u);
    ChargerOrientations(""); // anything but "S" is the northern file
    EXPECT_EQ(ItemsDe(17)[0], "Sud");
}

TEST_F(LibellesTest, CatalogueDePlusDe151Entrees) {
    Table t(1);
    t[0].Commentaire = "/donnees/Systeme/Ballons/Ballons.TXT";
    for (int i = 1; i <= 152; ++i)
        t.push_back({"1", "Ballon " + std::to_string(i) + "  ", static_cast<int16_t>(i)});
    try {
        RemplirListe(23, t);
        FAIL() << "la 152e entrée ne tient pas dans la liste";
    } catch (const ErreurIndice& e) {
        EXPECT_NE(std::string(e.what()).find("/donnees/Systeme/Ballons/Ballons.TXT"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(Libelles[23][0], "Ballon 1"); // trailing spaces removed
    EXPECT_EQ(Libelles[23][150], "Ballon 151");
}

TEST_F(LibellesTest, LibelleSuivantBoucle) {
    RemplirLibelles();
    EXPECT_EQ(LibelleSuivant("Calc. simple", 28), "Calc. détaillé");
    EXPECT_EQ(LibelleSuivant("Val. forcée", 28), "Calc. simple");
    EXPECT_EQ(LibelleSuivant("Inconnu", 28), "Calc. simple");
    EXPECT_EQ(LibelleSuivant("", 28), "Calc. simple");
    EXPECT_EQ(LibelleSuivant("Sans", 40), ""); // an empty list

    for (std::size_t i = 0; i < Libelles[40].size(); ++i)
        Libelles[40][i] = "L" + std::to_string(i);
    EXPECT_EQ(LibelleSuivant("L150", 40), "L0"); // a full list wraps too
    EXPECT_THROW(LibelleSuivant("x", 51), ErreurIndice);
}
