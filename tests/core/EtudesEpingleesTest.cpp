// Les études épinglées, calculées par le cœur comme la ligne de commande et la fenêtre
// les ouvrent : leurs douze couvertures et leur productivité ne bougent pas.

#include "tests/support/EtudesEpinglees.h"

#include "ProjetTest.h"

class EtudesEpingleesTest : public ProjetTest {
protected:
    void SetUp() override {
        essai::ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(VARQUIN_REFERENCE_DIR));
        InitialiserProjets();
        Etat().Reinitialiser();
    }
};

TEST_F(EtudesEpingleesTest, LesResultatsEpinglesRestentExacts) {
    const auto etudes = essai::EtudesEpinglees();
    ASSERT_EQ(etudes.size(), 5u);
    for (const essai::EtudeEpinglee& etude : etudes) {
        clsprojet p;
        (void)p.Nouveau();
        p.Ouvrir(essai::DossierEtudes() + "/" + etude.fichier);
        const RapportCalcul rapport = p.Calculer();
        ASSERT_TRUE(rapport.Complet()) << etude.fichier;
        for (const MessageCalcul& m : rapport.Messages())
            EXPECT_TRUE(m.Numerote()) << etude.fichier << " : " << m.texte;
        const EnregistrementCalcul& c = p.Enregistrement().Calcul;
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(c.Fecs[m], etude.Fecs[m]) << etude.fichier << ", mois " << m;
        EXPECT_EQ(c.Productivite_an, etude.Productivite_an) << etude.fichier;
        p.Fermer();
    }
}
