// The choice lists: catalogue names, orientation reloads, full lists, stepping.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modLibelles.h"

#include <gtest/gtest.h>

using namespace essai;
using Noms = std::vector<std::string>;

class LibellesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        InstallDir = DossierFixture();
        ChargerDonnees();
    }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(LibellesTest, ListesRempliesDepuisLeursCatalogues) {
    NotificateurEnregistreur notif;
    RemplirLibelles();
    EXPECT_TRUE(notif.SablierRestaure());
    const std::pair<std::size_t, Noms> listes[] = {
        {0, {"France", "Réunion", "Belgique"}},
        {1, {}}, // filled by the site choice, not here
        {12, {"Serpentin", "Plaques"}},
        {16, {"Horizontal", "30°", "45°", "60°", "Vertical"}},
        {24, {"Extérieur", "Local non chauffé", "Local chauffé"}},
        {29, {"Mousse élastomère", "Laine minérale"}}};
    for (const auto& [liste, noms] : listes)
        EXPECT_EQ(ItemsDe(liste), noms) << liste;
    EXPECT_EQ(ItemsDe(15)[3], "Capteur A*");
    EXPECT_EQ(ItemsDe(5).back(), "Monobloc utilisateur*");

    // A shorter orientation file leaves nothing of the longer one; "S" only is south.
    ChargerOrientations("N");
    EXPECT_EQ(ItemsDe(17), (Noms{"Sud", "Sud-Est", "Sud-Ouest", "Est", "Ouest"}));
    ChargerOrientations("S");
    EXPECT_EQ(ItemsDe(17), (Noms{"Nord", "Nord-Est", "Nord-Ouest", "Est", "Ouest"}));
    EXPECT_EQ(TableOrientations.size(), 4u);
    ChargerOrientations("");
    EXPECT_EQ(ItemsDe(17)[0], "Sud");
}

TEST_F(LibellesTest, CatalogueTropLongEtLibelleSuivant) {
    Table t(1);
    t[0].Commentaire = "/donnees/Systeme/Ballons/Ballons.TXT";
    for (int i = 1; i <= 152; ++i)
        t.push_back({"1", "Ballon " + std::to_string(i) + "  ", static_cast<int16_t>(i)});
    try {
        RemplirListe(23, t);
        ADD_FAILURE() << "la 152e entrée ne tient pas dans la liste";
    } catch (const ErreurIndice& e) {
        EXPECT_NE(std::string(e.what()).find(t[0].Commentaire), std::string::npos) << e.what();
    }
    EXPECT_EQ(Libelles[23][0], "Ballon 1"); // trailing spaces removed
    EXPECT_EQ(Libelles[23][150], "Ballon 151");

    RemplirLibelles();
    const std::pair<const char*, const char*> suivants[] = {{"Calc. simple", "Calc. détaillé"},
                                                            {"Val. forcée", "Calc. simple"},
                                                            {"Inconnu", "Calc. simple"},
                                                            {"", "Calc. simple"}};
    for (const auto& [libelle, suivant] : suivants)
        EXPECT_EQ(LibelleSuivant(libelle, 28), suivant) << libelle;
    EXPECT_EQ(LibelleSuivant("Sans", 40), ""); // an empty list
    for (std::size_t i = 0; i < Libelles[40].size(); ++i)
        Libelles[40][i] = "L" + std::to_string(i);
    EXPECT_EQ(LibelleSuivant("L150", 40), "L0"); // a full list wraps too
    EXPECT_THROW(LibelleSuivant("x", 51), ErreurIndice);
}
