// The numbered messages: loading MESSAGES.TXT, substituting parameters, the switch.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Erreurs.h"
#include "data/modMessages.h"

#include <gtest/gtest.h>

using namespace essai;

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiserDonnees(); }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(MessagesTest, LignesJointesArobaseEnSautDeLigne) {
    ChargerMessagesDepuisTexte(
        "#044\r\n  Première @ligne  \r\nseconde\r\n#045\r\nautre\r\n#FIN\r\n", "M.TXT");
    EXPECT_EQ(Messages[44], "Première \rligne seconde ");
    EXPECT_EQ(Messages[45], "autre ");
}

TEST_F(MessagesTest, LaDerniereLigneNEntreDansAucunMessage) {
    ChargerMessagesDepuisTexte("#001\r\nA\r\nB", "M.TXT");
    EXPECT_EQ(Messages[1], "A ");
}

TEST_F(MessagesTest, PremiereLigneSansDieseRienNestCharge) {
    ChargerMessagesDepuisTexte("Messages\r\n#001\r\nA\r\n#002\r\n", "M.TXT");
    EXPECT_EQ(Messages[1], "");
}

TEST_F(MessagesTest, NumeroHorsLimitesNommeFichierEtLigne) {
    Messages[5] = "déjà là";
    try {
        ChargerMessagesDepuisTexte("#001\r\nA\r\n#700\r\nB\r\n#002\r\nC\r\n#FIN\r\n", "M.TXT");
        FAIL() << "un numéro 700 doit être refusé";
    } catch (const ErreurIndice& e) {
        const std::string texte = e.what();
        EXPECT_NE(texte.find("M.TXT"), std::string::npos) << texte;
        EXPECT_NE(texte.find("ligne 3"), std::string::npos) << texte;
    }
    EXPECT_EQ(Messages[1], "A ");      // read before the fault
    EXPECT_EQ(Messages[2], "");        // after it: not read
    EXPECT_EQ(Messages[5], "déjà là"); // texts already there are kept
}

TEST_F(MessagesTest, FichierDeLaFixtureEnWindows1252) {
    InstallDir = DossierFixture();
    ChargerMessages();
    EXPECT_EQ(Messages[44], "Le fichier %s est introuvable.\rVérifiez le dossier des données. ");
    EXPECT_EQ(Messages[33], "Ligne sans « # » ignorée dans un fichier de données. ");
}

TEST_F(MessagesTest, FichierAbsentLaisseLesMessages) {
    Messages[7] = "gardé";
    InstallDir = DossierFixture() + "/Pays";
    EXPECT_THROW(ChargerMessages(), ErreurFichier);
    EXPECT_EQ(Messages[7], "gardé");
}

TEST_F(MessagesTest, SubstitutionDesParametres) {
    ListeParametres p;
    p[1] = "  ";
    p[2] = "Lyon";
    p[3] = "mars";
    // An empty first parameter is skipped; the first non-empty one fills every "%s".
    EXPECT_EQ(TexteMessage("%s en %s", p), "Lyon en Lyon");
    p[2].clear();
    EXPECT_EQ(TexteMessage("Station %s", p), "Station mars");
    EXPECT_EQ(TexteMessage("Sans paramètre", p), "Sans paramètre");
}

TEST_F(MessagesTest, LInterrupteurDecideDeLAffichage) {
    RecordingNotificateur notif;
    Messages[120] = "Température négative pour %s. ";
    AfficherMessage(120, {"Lille"});
    EXPECT_TRUE(notif.messages.empty()); // off as delivered
    AfficherMessages = true;
    AfficherMessage(120, {"Lille"});
    ASSERT_EQ(notif.messages.size(), 1u);
    EXPECT_EQ(notif.messages[0].texte, "Température négative pour Lille. ");
    EXPECT_EQ(notif.messages[0].titre, "Message");
    EXPECT_EQ(Messages[120], "Température négative pour %s. "); // the stored text keeps "%s"
}
