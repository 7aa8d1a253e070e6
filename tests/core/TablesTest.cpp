// Reading text tables and looking entries up.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modTables.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
Table Lire(const std::string& lignes) {
    Table t;
    LireTableDepuisTexte("Titre\r\nColonnes #Nom\r\n" + lignes, "essai.txt", t);
    return t;
}
} // namespace

TEST(LireTable, DecoupageAuPremierDieseEtLignesSansDiese) {
    EXPECT_EQ(Lire("").size(), 1u); // the headings only: entry 0
    NotificateurEnregistreur notif;
    Messages[33] = "Ligne ignorée.";
    AfficherMessages = true;
    const Table t = Lire("  12 #  Nom  \r\n1 2 #a#b\r\n\r\nsans diese\r\n#Sans valeurs\r\n");
    AfficherMessages = false;
    Messages[33].clear();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Commentaire, "essai.txt");
    EXPECT_EQ(t[1].Texte, "12");
    EXPECT_EQ(t[1].Commentaire, "  Nom"); // leading spaces stay, trailing ones go
    EXPECT_EQ(t[2].Texte, "1 2");
    EXPECT_EQ(t[2].Commentaire, "a#b");
    EXPECT_EQ(t[3].Texte, "");
    EXPECT_EQ(t[3].Indice, 3); // the skipped lines do not count
    // The empty line and the line without "#".
    EXPECT_EQ(notif.messages, std::vector<std::string>(2, "Ligne ignorée."));
    EXPECT_EQ(notif.titres.front(), "Message");
}

TEST(LireTable, FichierAbsentOuDossier) {
    NotificateurEnregistreur notif;
    Messages[44] = "Fichier %s introuvable.";
    AfficherMessages = true;
    Table t = {TableLigne{}, TableLigne{"1", "ancien", 1}};
    const std::string chemin = DossierFixture() + "/absent.txt";
    EXPECT_THROW(LireTable(chemin, t), ErreurFichier);
    AfficherMessages = false;
    Messages[44].clear();
    ASSERT_EQ(t.size(), 1u); // the old content is gone, entry 0 holds the path
    EXPECT_EQ(t[0].Commentaire, chemin);
    EXPECT_EQ(notif.messages, std::vector<std::string>{"Fichier " + chemin + " introuvable."});
    EXPECT_TRUE(FichierExiste("  " + DossierFixture() + "/MESSAGES.TXT  "));
    EXPECT_FALSE(FichierExiste(DossierFixture() + "/Pays"));
}

TEST(LireValeursTable, ParNumeroEtParNom) {
    const Table t = Lire("0,8 4.2 2 1 #Capteur\r\n0,5 1 #Autre  \r\n0,9 5 3 7 #Capteur\r\n");
    float bc = -1, kc = -1;
    int16_t type = -1;
    std::string texte;
    LireValeursTable(t, 1, {&bc, &kc, &texte, &type});
    EXPECT_FLOAT_EQ(bc, 0.8f);
    EXPECT_FLOAT_EQ(kc, 4.2f);
    EXPECT_EQ(texte, "2");
    EXPECT_EQ(type, 1);
    LireValeursTable(t, std::string("Capteur"), {&bc, &kc}); // the last entry of that name
    EXPECT_FLOAT_EQ(bc, 0.9f);
    LireValeursTable(t, std::string("Autre"), {&bc, &kc, &type}); // missing value gives 0
    EXPECT_FLOAT_EQ(bc, 0.5f);
    EXPECT_EQ(type, 0);
    for (const std::string cle : {"capteur", "", "Inconnu"}) {
        texte = "x";
        LireValeursTable(t, cle, {&bc, &texte});
        EXPECT_EQ(bc, 0) << cle;
        EXPECT_EQ(texte, "") << cle;
    }
}
