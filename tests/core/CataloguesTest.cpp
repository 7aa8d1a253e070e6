// Writing an edited user entry back into its catalogue file.

#include "DonneesTest.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modCatalogues.h"

#include <gtest/gtest.h>

using namespace essai;

class CataloguesTest : public ::testing::Test {
protected:
    void SetUp() override { LireTable(chemin, table); }
    void TearDown() override { SimulerEchecEcriture(-1); }
    // Replaces the file and reads it again.
    void Ecrire(const std::string& octets) {
        EcrireOctets(chemin, octets);
        LireTable(chemin, table);
    }

    CopieFixture copie;
    const std::string chemin = copie / "Systeme/Capteurs/Capteurs.txt";
    const std::string avant = LireOctets(chemin);
    Table table;
};

TEST_F(CataloguesTest, RemplaceExactementLaDerniereEntreeDuNom) {
    NotificateurEnregistreur notif;
    ASSERT_TRUE(EnregistrerEntree(table, "Capteur A*", {"Capteur é*", "0,81", "4.1", "-2", "1"}));
    EXPECT_TRUE(notif.SablierRestaure());
    // Only that line changed ("Capteur A* bis" neither), in Windows-1252 with CR LF and
    // numbers in the invariant form.
    EXPECT_EQ(LireOctets(chemin),
              Remplace(avant, "0,8 4 2 1 #Capteur A*\r\n", " 0.81  4.1 -2  1 #Capteur \xE9*\r\n"));
    LireTable(chemin, table);
    float bc = 0, kc = 0;
    LireValeursTable(table, std::string("Capteur é*"), {&bc, &kc});
    EXPECT_FLOAT_EQ(kc, 4.1f);

    Ecrire("T\r\nT\r\n1 #X*\r\n2 #Y\r\n3 #X*  \r\n");
    ASSERT_TRUE(EnregistrerEntree(table, "X*", {"X*", "9"}));
    EXPECT_EQ(LireOctets(chemin), "T\r\nT\r\n1 #X*\r\n2 #Y\r\n 9 #X*\r\n");
    // A UTF-8 file with LF keeps its form.
    Ecrire("Titre\nNom\n1 #Chauffe-eau é*\n2 #Autre ü\n");
    ASSERT_TRUE(EnregistrerEntree(table, "Chauffe-eau é*", {"Chauffe-eau è*", "5"}));
    EXPECT_EQ(LireOctets(chemin), "Titre\nNom\n 5 #Chauffe-eau è*\n2 #Autre ü\n");
    EXPECT_EQ(LigneEntree({"Nom", "12,5", "0", "45,7°N", "1 2 3"}), " 12.5  0 45,7°N 1 2 3 #Nom");
}

TEST_F(CataloguesTest, RienNEstEcritSansEntreeOuSurEchec) {
    EXPECT_FALSE(EnregistrerEntree(table, "Capteur", {"Capteur", "1"}));
    EXPECT_FALSE(EnregistrerEntree(table, "Modèle", {"Modèle", "1"})); // a heading line
    Table absente = {TableLigne{"", copie / "absent.txt", 0}};
    EXPECT_FALSE(EnregistrerEntree(absente, "Capteur A*", {"Capteur A*", "1"}));
    EXPECT_FALSE(fs::exists(copie / "absent.txt"));
    // Values that would break the line.
    for (const std::vector<std::string>& valeurs :
         {std::vector<std::string>{"Capteur B*", "1#2"}, {"B*\r\nX", "1"}, {"  ", "1"}})
        EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", valeurs), ErreurExecution);
    const auto fichiers = [&] {
        return std::distance(fs::directory_iterator(copie / "Systeme/Capteurs"), {});
    };
    const auto avantEchec = fichiers();
    SimulerEchecEcriture(10);
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"Capteur B*", "1", "2", "3", "1"}),
                 ErreurFichier);
    EXPECT_EQ(LireOctets(chemin), avant);
    EXPECT_EQ(fichiers(), avantEchec); // no temporary left
}
