// The economic study: a reckoning worked by hand, the refusals of inputs out of their
// range, and the defaults of the real data folder for both system types.

#include "DonneesTest.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"
#include "project/modEconomie.h"
#include "startup/Modgeneral.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
// Worked by hand:
//   E = 2000 kWh/an, η = 0,8            -> Ef = 2500 kWh/an
//   p = 0,10 €/kWh, r = 10 %            -> savings 250; 275; 302,5; 332,75 €...
//   M = 25 €/an                         -> net 225; 250; 277,5; 307,75 €
//                                          cumulated 225; 475; 752,5; 1060,25 €
//   I = 1500 − 500 = 1000 €             -> payback in year 4 (752,5 < 1000 ≤ 1060,25)
//   f = 0,2 kg/kWh                      -> 500 kg/an, 5 t over N = 10 years
//   d = 0, N = 10: (1000 + 10 × 25) / (10 × 2000)               = 0,0625 €/kWh
//   d = 0, N = 3 : (1000 + 3 × 25) / (3 × 2000)                 = 0,179167 €/kWh
//   d = 10 %, N = 2: Σ 1/1,1^k = 1,735537;
//                  (1000 + 25 × 1,735537) / (2000 × 1,735537)   = 0,300595 €/kWh
EntreesEconomie Exemple() {
    EntreesEconomie e;
    e.energieSolaire = 2000;
    e.rendement = 0.8;
    e.prix = 0.10;
    e.facteurCO2 = 0.2;
    e.hausse = 0.10;
    e.investissement = 1500;
    e.aides = 500;
    e.maintenance = 25;
    e.duree = 10;
    e.actualisation = 0;
    return e;
}
} // namespace

TEST(Economie, CalculFaitALaMain) {
    struct Cas {
        const char* nom;
        double solaire;
        int duree;
        double actualisation;
        std::optional<int> retour;
        std::optional<double> cout;
        double co2Vie;
    };
    const Cas cas[] = {
        {"retour en 4 ans", 2000, 10, 0, 4, 0.0625, 5},
        {"pas de retour en 3 ans", 2000, 3, 0, std::nullopt, 1075.0 / 6000, 1.5},
        {"actualisé à 10 %", 2000, 2, 0.10, std::nullopt, 0.300595, 1},
        {"sans énergie solaire", 0, 10, 0, std::nullopt, std::nullopt, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EntreesEconomie e = Exemple();
        e.energieSolaire = c.solaire;
        e.duree = c.duree;
        e.actualisation = c.actualisation;
        const ResultatsEconomie r = CalculerEconomie(e);
        EXPECT_DOUBLE_EQ(r.economieEnergie, c.solaire / 0.8);
        EXPECT_DOUBLE_EQ(r.economieAnnuelle, c.solaire / 0.8 * 0.10);
        EXPECT_DOUBLE_EQ(r.co2An, c.solaire / 0.8 * 0.2);
        EXPECT_NEAR(r.co2Vie, c.co2Vie, 1e-12);
        EXPECT_DOUBLE_EQ(r.investissementNet, 1000);
        EXPECT_EQ(r.tempsRetour, c.retour);
        ASSERT_EQ(r.coutKwhSolaire.has_value(), c.cout.has_value());
        if (c.cout) {
            EXPECT_NEAR(*r.coutKwhSolaire, *c.cout, 1e-6);
        }
    }
    // The first year's cumulated saving, 225 €, against an investment of 225 € and of
    // one cent more: the payback year is the first whose sum reaches it.
    EntreesEconomie e = Exemple();
    e.investissement = 725;
    EXPECT_EQ(CalculerEconomie(e).tempsRetour, 1);
    e.investissement = 725.01;
    EXPECT_EQ(CalculerEconomie(e).tempsRetour, 2);
}

TEST(Economie, ValeursHorsLimitesRefuseesEnNommantLeChamp) {
    using Changement = std::function<void(clsEconomie&)>;
    const std::pair<Changement, const char*> refus[] = {
        {[](clsEconomie& e) { e.Prix = -0.01; }, "Prix de l'énergie [€/kWh] : la valeur -0,01"},
        {[](clsEconomie& e) { e.Rendement = 0; }, "Rendement de l'énergie remplacée"},
        {[](clsEconomie& e) { e.Rendement = -1; }, "Rendement de l'énergie remplacée"},
        {[](clsEconomie& e) { e.FacteurCO2 = -0.1; }, "Facteur CO2"},
        {[](clsEconomie& e) { e.DureeVie = 0; }, "Durée de vie [ans]"},
        {[](clsEconomie& e) { e.TauxActualisation = -100; }, "Taux d'actualisation [%]"},
        {[](clsEconomie& e) { e.HaussePrix = -100; }, "Hausse annuelle du prix [%]"},
        {[](clsEconomie& e) { e.Investissement = -1; }, "Investissement [€]"},
        {[](clsEconomie& e) { e.Maintenance = -5; }, "Entretien annuel [€/an]"},
        {[](clsEconomie& e) { e.SeuilProductivite = -1; }, "Seuil de productivité"},
        {[](clsEconomie& e) {
             e.Aides = {{"", -10}};
         },
         "Aide [€]"},
        {[](clsEconomie& e) {
             e.Investissement = 1000;
             e.Aides = {{"a", 600}, {"b", 500}};
         },
         "Aides [€] : leur total (1100 €) dépasse l'investissement (1000 €)"},
    };
    for (const auto& [changer, message] : refus) {
        clsEconomie e;
        changer(e);
        try {
            VerifierEconomie(e);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const ErreurEconomie& erreur) {
            EXPECT_NE(std::string(erreur.what()).find(message), std::string::npos) << erreur.what();
        }
    }
    // The bounds themselves are accepted, and the reckoning refuses as the inputs do.
    clsEconomie limites;
    limites.Rendement = 10;
    limites.Prix = 0;
    limites.DureeVie = 1;
    limites.TauxActualisation = -99.9;
    limites.Investissement = 0;
    EXPECT_NO_THROW(VerifierEconomie(limites));
    EXPECT_FALSE(limites.ParDefaut());
    EXPECT_TRUE(clsEconomie{}.ParDefaut());
    EntreesEconomie e = Exemple();
    e.actualisation = -1;
    EXPECT_THROW(CalculerEconomie(e), ErreurEconomie);
}

// Every system type finds its default investment, and the default energy its row, in
// the real data folder; a price given by the person is kept over the table's.
TEST(Economie, ValeursParDefautDuDossierDeDonnees) {
    essai::ReinitialiserDonnees();
    NotificateurEnregistreur notif;
    ASSERT_TRUE(ChargementInitial(VARQUIN_REFERENCE_DIR));
    InitialiserProjets();
    for (const char* type : {"CHAUFFE-EAU MONOBLOC", "SYSTEME CAPTEUR BALLON"}) {
        SCOPED_TRACE(type);
        clsprojet p;
        (void)p.Nouveau();
        (void)p.Modifier("TypeSysteme", type);
        EtudeEconomique etude = EvaluerEconomie(p);
        ASSERT_TRUE(etude.resultats) << etude.erreur;
        EXPECT_TRUE(etude.investissementEstime);
        EXPECT_GT(etude.entrees.investissement, 0);
        EXPECT_FLOAT_EQ(etude.entrees.energieSolaire, p.Enregistrement().Calcul.Productivite_an);
        p.Economie.Prix = 0.5;
        p.Economie.Energie = "Gaz naturel";
        etude = EvaluerEconomie(p);
        ASSERT_TRUE(etude.resultats) << etude.erreur;
        EXPECT_DOUBLE_EQ(etude.entrees.prix, 0.5);
        EXPECT_LT(etude.entrees.rendement, 1);
        p.Economie.Energie = "Charbon";
        EXPECT_NE(EvaluerEconomie(p).erreur.find("Charbon"), std::string::npos);
    }
    essai::ReinitialiserDonnees();
}
