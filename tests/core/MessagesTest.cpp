// The numbered messages: loading MESSAGES.TXT, substituting parameters, the switch.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modMessages.h"

#include <gtest/gtest.h>

using namespace essai;

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiserDonnees(); }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(MessagesTest, LignesJointesEtLimitesDuFichier) {
    ChargerMessagesDepuisTexte(
        "#044\r\n  Première @ligne  \r\nseconde\r\n#045\r\nautre\r\nderniere", "M.TXT");
    EXPECT_EQ(Messages[44], "Première \rligne seconde "); // "@" is a line break
    EXPECT_EQ(Messages[45], "autre ");                    // the last line enters no message
    ChargerMessagesDepuisTexte("Messages\r\n#001\r\nA\r\n#002\r\n", "M.TXT");
    EXPECT_EQ(Messages[1], ""); // a first line without "#": nothing is loaded

    Messages[5] = "déjà là";
    try {
        ChargerMessagesDepuisTexte("#001\r\nA\r\n#700\r\nB\r\n#002\r\nC\r\n#FIN\r\n", "M.TXT");
        ADD_FAILURE() << "un numéro 700 doit être refusé";
    } catch (const ErreurIndice& e) {
        EXPECT_NE(std::string(e.what()).find("« M.TXT », ligne 3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Messages[1], "A ");      // read before the fault
    EXPECT_EQ(Messages[2], "");        // after it: not read
    EXPECT_EQ(Messages[5], "déjà là"); // texts already there are kept

    InstallDir = DossierFixture() + "/Pays";
    EXPECT_THROW(ChargerMessages(), ErreurFichier);
    EXPECT_EQ(Messages[5], "déjà là");
    InstallDir = DossierFixture(); // Windows-1252
    ChargerMessages();
    EXPECT_EQ(Messages[44], "Le fichier %s est introuvable.\rVérifiez le dossier des données. ");
}

TEST_F(MessagesTest, ParametresEtInterrupteur) {
    ListeParametres p;
    p[1] = "  ";
    p[2] = "Lyon";
    p[3] = "mars";
    // An empty first parameter is skipped; the first non-empty one fills every "%s".
    EXPECT_EQ(TexteMessage("%s en %s", p), "Lyon en Lyon");
    p[2].clear();
    EXPECT_EQ(TexteMessage("Station %s", p), "Station mars");

    NotificateurEnregistreur notif;
    Messages[120] = "Température négative pour %s. ";
    AfficherMessage(120, {"Lille"});
    EXPECT_TRUE(notif.messages.empty()); // off as delivered
    AfficherMessages = true;
    AfficherMessage(120, {"Lille"});
    EXPECT_EQ(notif.messages, std::vector<std::string>{"Température négative pour Lille. "});
    EXPECT_EQ(notif.titres, std::vector<std::string>{"Message"});
    EXPECT_EQ(Messages[120], "Température négative pour %s. "); // the stored text keeps "%s"
}
