#include "common/Erreurs.h"
#include "project/modStructures.h"

#include <gtest/gtest.h>

TEST(ChaineFixe, PadsAndCutsByCharacters) {
    ChaineFixe<25> zone;
    EXPECT_EQ(zone.str(), std::string(25, ' '));
    zone = "Zone maritime";
    EXPECT_EQ(zone.str().size(), 25u);
    EXPECT_TRUE(zone == "Zone maritime");
    Marque marque;
    marque = "éV"; // one character kept, though it takes two bytes
    EXPECT_EQ(marque.str(), "é");
    ChaineFixe<3> court;
    court = "àéèxyz";
    EXPECT_EQ(court.str(), "àéè");
}

TEST(Projets, FreeRecordsAreReusedHighestFirstAndTheTableGrows) {
    InitialiserProjets();
    ASSERT_EQ(NombreEnregistrements(), 1);
    EXPECT_TRUE(EstLibre(Projet(1)));

    const int premier = ChoisirEnregistrement();
    EXPECT_EQ(premier, 1);
    Projet(premier).Calcul.NomProjet = "Projet0001";
    Projet(premier).Calcul.a = 4;

    const int second = ChoisirEnregistrement();
    EXPECT_EQ(second, 2);
    EXPECT_EQ(NombreEnregistrements(), 2);
    EXPECT_EQ(Projet(second).Calcul.a, 0.0f); // a grown element starts at zero
    Projet(second).Calcul.NomProjet = "Projet0002";

    LibererEnregistrement(premier);
    LibererEnregistrement(second);
    EXPECT_EQ(ChoisirEnregistrement(), 2);
    // A freed record keeps its values until the next project overwrites them.
    EXPECT_EQ(Projet(premier).Calcul.a, 4.0f);

    Projet(2).Calcul.NomProjet = "Projet0002";
    Projet(1).Calcul.NomProjet = "  VIDE  "; // trimmed comparison
    EXPECT_EQ(ChoisirEnregistrement(), 1);
    EXPECT_THROW(Projet(0), ErreurIndice);
    EXPECT_THROW(Projet(3), ErreurIndice);
}
