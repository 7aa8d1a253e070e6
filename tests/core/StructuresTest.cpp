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

TEST(EnregistrementCalcul, SameNamedGroupsAreSeparateFields) {
    EnregistrementCalcul c;
    c.Debit1.cp = 1.16f;
    c.Debit2.cp = 0.9f;
    c.Efficacite.TypeDeCalcul = 2;
    c.Deperdition.TypeDeCalcul = 1;
    c.Efficacite.R = 0.9f;
    c.R[1] = 0.5f;
    EXPECT_FLOAT_EQ(c.Debit1.cp, 1.16f);
    EXPECT_FLOAT_EQ(c.Debit2.cp, 0.9f);
    EXPECT_EQ(c.Echangeur.TypeDeCalcul, 0);
    EXPECT_EQ(c.Deperdition.TypeDeCalcul, 1);
    EXPECT_FLOAT_EQ(c.Efficacite.R, 0.9f);
    EXPECT_FLOAT_EQ(c.R[1], 0.5f);
}

TEST(Projets, FreeRecordsAreReusedHighestFirstAndTheTableGrows) {
    InitialiserProjets();
    ASSERT_EQ(Projets.size(), 2u);
    EXPECT_TRUE(EstLibre(Projets[1]));
    EXPECT_FALSE(EstLibre(Projets[0]));

    const int premier = ChoisirEnregistrement();
    EXPECT_EQ(premier, 1);
    Projet(premier).Calcul.NomProjet = "Projet0001";
    Projet(premier).Calcul.a = 4;

    const int second = ChoisirEnregistrement();
    EXPECT_EQ(second, 2);
    EXPECT_EQ(Projets.size(), 3u);
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
