// Writing an edited user entry back into its catalogue file.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modCatalogues.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
// The bytes with the first occurrence of `ancien` replaced by `nouveau`.
std::string Remplacement(std::string octets, const std::string& ancien,
                         const std::string& nouveau) {
    const std::size_t p = octets.find(ancien);
    EXPECT_NE(p, std::string::npos) << ancien;
    return p == std::string::npos ? octets : octets.replace(p, ancien.size(), nouveau);
}

int NombreDeFichiers(const std::string& dossier) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dossier))
        ++n;
    return n;
}
} // namespace

class CataloguesTest : public ::testing::Test {
protected:
    void SetUp() override {
        chemin = copie / "Systeme/Capteurs/Capteurs.txt";
        avant = LireOctets(chemin);
        LireTable(chemin, table);
    }
    void TearDown() override { SimulerEchecEcriture(-1); }

    CopieFixture copie;
    std::string chemin;
    std::string avant;
    Table table;
};

TEST_F(CataloguesTest, RemplaceExactementLEntreeDuNom) {
    RecordingNotificateur notif;
    ASSERT_TRUE(EnregistrerEntree(table, "Capteur A*", {"Capteur é*", "0,81", "4.1", "-2", "1"}));
    EXPECT_TRUE(notif.SablierRestaure());
    // Only that line changed: "Capteur A* bis" and every other byte are as they were,
    // and the new line is in Windows-1252 with the file's CR LF.
    const std::string attendu =
        Remplacement(avant, "0,8 4 2 1 #Capteur A*\r\n", " 0.81  4.1 -2  1 #Capteur \xE9*\r\n");
    EXPECT_EQ(LireOctets(chemin), attendu);

    LireTable(chemin, table);
    float bc = 0, kc = 0;
    LireValeursTable(table, std::string("Capteur é*"), {&bc, &kc});
    EXPECT_FLOAT_EQ(bc, 0.81f);
    EXPECT_FLOAT_EQ(kc, 4.1f);
    LireValeursTable(table, std::string("Capteur A* bis"), {&bc});
    EXPECT_FLOAT_EQ(bc, 0.7f);
}

TEST_F(CataloguesTest, NomAbsentNeModifieRien) {
    EXPECT_FALSE(EnregistrerEntree(table, "Capteur", {"Capteur", "1"}));
    EXPECT_FALSE(EnregistrerEntree(table, "Modèle", {"Modèle", "1"})); // a heading line
    EXPECT_EQ(LireOctets(chemin), avant);
    Table absente = {TableLigne{"", copie / "absent.txt", 0}};
    EXPECT_FALSE(EnregistrerEntree(absente, "Capteur A*", {"Capteur A*", "1"}));
    EXPECT_FALSE(fs::exists(copie / "absent.txt"));
}

TEST_F(CataloguesTest, NomRepeteRemplaceLaDerniereEntree) {
    EcrireOctets(chemin, "T\r\nT\r\n1 #X*\r\n2 #Y\r\n3 #X*  \r\n");
    LireTable(chemin, table);
    ASSERT_TRUE(EnregistrerEntree(table, "X*", {"X*", "9"}));
    EXPECT_EQ(LireOctets(chemin), "T\r\nT\r\n1 #X*\r\n2 #Y\r\n 9 #X*\r\n");
}

TEST_F(CataloguesTest, EchecDEcritureLaisseLeFichierIntact) {
    SimulerEchecEcriture(10);
    const int fichiers = NombreDeFichiers(copie / "Systeme/Capteurs");
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"Capteur B*", "1", "2", "3", "1"}),
                 ErreurFichier);
    EXPECT_EQ(LireOctets(chemin), avant);
    EXPECT_EQ(NombreDeFichiers(copie / "Systeme/Capteurs"), fichiers); // no temporary left
}

TEST_F(CataloguesTest, ValeursQuiCasseraientLaLigneRefusees) {
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"Capteur B*", "1#2"}), ErreurExecution);
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"B*\r\nX", "1"}), ErreurExecution);
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"  ", "1"}), ErreurExecution);
    EXPECT_EQ(LireOctets(chemin), avant);
}

TEST_F(CataloguesTest, FichiersUtf8EtLfGardentLeurForme) {
    const std::string utf8 = "Titre\nNom\n1 #Chauffe-eau é*\n2 #Autre ü\n";
    EcrireOctets(chemin, utf8);
    LireTable(chemin, table);
    ASSERT_TRUE(EnregistrerEntree(table, "Chauffe-eau é*", {"Chauffe-eau è*", "5"}));
    EXPECT_EQ(LireOctets(chemin), "Titre\nNom\n 5 #Chauffe-eau è*\n2 #Autre ü\n");
}

TEST(LigneEntree, FormeInvarianteDesNombres) {
    EXPECT_EQ(LigneEntree({"Nom", "12,5", "-3", "0", "45,7°N", "texte"}),
              " 12.5 -3  0 45,7°N texte #Nom");
    EXPECT_EQ(LigneEntree({"Nom", "1 2 3"}), "1 2 3 #Nom"); // a series is not one number
    EXPECT_EQ(LigneEntree({"Nom"}), "#Nom");
}
