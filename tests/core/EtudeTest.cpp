// The study's helpers and figures: a household's consumptions, collectors from their
// certified datasheets, and the economic study.

#include "DonneesTest.h"
#include "common/CacheFichiers.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "data/modBibliothequeCapteurs.h"
#include "engine/modCalculORIN.h"
#include "project/DonneesEconomie.h"
#include "project/clsprojet.h"
#include "project/modBesoinsFoyer.h"
#include "project/modEconomie.h"
#include "startup/Modgeneral.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using namespace essai;

TEST(BesoinsFoyer, AdultesEquivalentsParSurfaceEtLogement) {
    const struct {
        double surface;
        TypeLogement logement;
        double nadeq;
    } cas[] = {
        {20, TypeLogement::Maison, 1.0},        {50, TypeLogement::Maison, 1.375},
        {100, TypeLogement::Maison, 1.975},     {30, TypeLogement::Appartement, 1.375},
        {60, TypeLogement::Appartement, 1.855}, {8, TypeLogement::Appartement, 1.0},
    };
    for (const auto& c : cas)
        EXPECT_NEAR(AdultesEquivalents(c.surface, c.logement), c.nadeq, 1e-12) << c.surface;
}

// Worked by hand, a 100 m² house: Nadeq = 1,975, V(40) = 1,975 × 56 = 110,6 l/j.
//   January, Tef 8, Tref 50:              110,6 × 32 / 42        = 84,2667 l/j
//   August at 50 %, Tef 18, Tref 55:      55,3 × 22 / 37         = 32,8811 l/j
//   December empty:                        0, raised to the method's 1 l/j
//   other months, Tef 12, Tref 50:        110,6 × 28 / 38        = 81,4947 l/j
TEST(BesoinsFoyer, ConsommationsALaTemperatureDeChaqueMois) {
    FoyerBesoins foyer;
    foyer.Occupants = AdultesEquivalents(100, TypeLogement::Maison);
    std::array<float, 13> tref{}, tef{};
    for (std::size_t m = 1; m <= 12; ++m) {
        foyer.Occupation[m] = 1;
        tref[m] = 50;
        tef[m] = 12;
    }
    tef[1] = 8;
    foyer.Occupation[8] = 0.5;
    tef[8] = 18;
    tref[8] = 55;
    foyer.Occupation[12] = 0;
    const auto conso = ConsommationsFoyer(foyer, tref, tef);
    EXPECT_NEAR(conso[1], 84.2667f, 1e-3f);
    EXPECT_NEAR(conso[8], 32.8811f, 1e-3f);
    EXPECT_FLOAT_EQ(conso[12], 1.0f);
    EXPECT_NEAR(conso[5], 81.4947f, 1e-3f);

    tref[3] = 12; // no warmer than the cold water
    try {
        ConsommationsFoyer(foyer, tref, tef);
        ADD_FAILURE() << "mars accepté";
    } catch (const ErreurExecution& e) {
        EXPECT_NE(std::string(e.what()).find("En mars, la température de l'eau chaude"),
                  std::string::npos)
            << e.what();
    }
}

namespace {
// Worked by hand: η0,hem = 0,62 × (0,85 + 0,15 × 0,95) = 0,62 × 0,9925 = 0,61535;
// Kc = 0,9 + 0,004 × 40 = 1,06 W/(m².K); Ac = 3,1 m², the gross area.
FicheCapteur Tubes() {
    return {.Nom = "Tubes",
            .Genre = GenreCapteur::TubesSousVide,
            .Eta0Hem = std::nullopt,
            .Eta0b = 0.62,
            .Kd = 0.95,
            .a1 = 0.9,
            .a2 = 0.004,
            .K50 = 0.98,
            .SurfaceBrute = 3.1,
            .SurfaceOuverture = 2.8};
}

const char* const CsvBon =
    "nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\r\n"
    "Soléo Plan 25;Plan vitré;0,78;;;3,5;0,015;0,94;2,51;2,32\r\n"
    "\"Tube; CPC 18\";tubes sous vide;;0.62;0.95;0.9;0.004;0.98;3.1;2.8\r\n"
    ";;;;;;;;;\r\n";
} // namespace

TEST(FicheCapteur, ValeursDeLaMethodeEtValeursRefusees) {
    const ValeursMethodeCapteur faisceau = ValeursMethode(Tubes());
    EXPECT_NEAR(faisceau.Bc, 0.61535f, 1e-6f);
    EXPECT_NEAR(faisceau.Kc, 1.06f, 1e-6f);
    EXPECT_FLOAT_EQ(faisceau.Ac, 3.1f);
    // A published η0,hem is taken as it is, η0,b and Kd beside it ignored.
    FicheCapteur plan = Tubes();
    plan.Eta0Hem = 0.78;
    EXPECT_FLOAT_EQ(ValeursMethode(plan).Bc, 0.78f);

    const std::tuple<std::function<void(FicheCapteur&)>, const char*, const char*> cas[] = {
        {[](FicheCapteur& f) { f.a1 = -0.5; }, "a1", "a1 = -0,5"},
        {[](FicheCapteur& f) { f.a2 = -0.001; }, "a2", "a2 = -0,001"},
        {[](FicheCapteur& f) { f.Eta0Hem = 1.05; }, "eta0_hem", "η0,hem = 1,05"},
        {[](FicheCapteur& f) { f.Eta0b = 0; }, "eta0_b", "η0,b = 0"},
        {[](FicheCapteur& f) { f.Kd = 1.2; }, "kd", "Kd = 1,2"},
        {[](FicheCapteur& f) { f.K50 = 1.3; }, "k50", "K50 = 1,3"},
        {[](FicheCapteur& f) { f.SurfaceBrute = 0; }, "surface_brute", "surface brute = 0"},
        {[](FicheCapteur& f) { f.SurfaceOuverture = 3.5; }, "surface_ouverture", "3,5"},
        {[](FicheCapteur& f) { f.Kd.reset(); }, "kd", "η0,b avec Kd"}};
    for (const auto& [modifier, colonne, morceau] : cas) {
        FicheCapteur f = Tubes();
        modifier(f);
        try {
            ValeursMethode(f);
            ADD_FAILURE() << "accepté : " << morceau;
        } catch (const ErreurFicheCapteur& e) {
            EXPECT_EQ(e.Colonne(), colonne);
            EXPECT_NE(std::string(e.what()).find(morceau), std::string::npos) << e.what();
        }
    }
}

class BibliothequeCapteurs : public ::testing::Test {
protected:
    void SetUp() override { InstallDir = donnees.chemin(); }
    void TearDown() override { InstallDir.clear(); }
    std::string Importer(const std::string& csv) {
        EcrireOctets(csv_, csv);
        try {
            ImporterCapteurs(csv_);
        } catch (const ErreurExecution& e) {
            return e.what();
        }
        return {};
    }

    CopieFixture donnees;
    DossierTemporaire ailleurs;
    const std::string csv_ = ailleurs / "fiches.csv";
    const std::string bibliotheque = donnees / "Systeme/Capteurs/CapteursCertifies.csv";
};

TEST_F(BibliothequeCapteurs, ImportFrancaisOuAnglaisReluEtFusionneParNom) {
    ASSERT_EQ(Importer(VersWindows1252(CsvBon)), "");
    auto fiches = LireBibliothequeCapteurs();
    ASSERT_EQ(fiches.size(), 2u);
    EXPECT_FALSE(fiches[0].Eta0b.has_value());
    EXPECT_NEAR(ValeursMethode(fiches[1]).Bc, 0.61535f, 1e-6f); // quoted, with points
    EXPECT_EQ(fiches[1].Genre, GenreCapteur::TubesSousVide);

    // An English export, its columns in another order, replaces the datasheet of the
    // same name and keeps the other one.
    ASSERT_EQ(Importer("A1,Nom,a2,K50,Type,Eta0_hem,Surface_brute,Surface_ouverture\n"
                       "1.1,Tube; CPC 18,0.005,0.97,tubes,0.6,3.1,2.8\n"),
              "");
    fiches = LireBibliothequeCapteurs();
    ASSERT_EQ(fiches.size(), 2u);
    EXPECT_EQ(fiches[0].Nom, "Soléo Plan 25");
    EXPECT_DOUBLE_EQ(fiches[1].a1, 1.1);
    EXPECT_DOUBLE_EQ(*fiches[1].Eta0Hem, 0.6);
    EXPECT_EQ(LireOctets(bibliotheque).find("Soléo"), std::string::npos); // Windows-1252
}

TEST_F(BibliothequeCapteurs, UnFichierFautifNImporteRienEtNommeLigneEtColonne) {
    ASSERT_EQ(Importer(CsvBon), "");
    const std::string avant = LireOctets(bibliotheque);
    const std::string entete =
        "nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\n"
        "Bon;plan;0,8;;;3;0,01;0,9;2;1,9\n";
    const std::vector<std::pair<std::string, std::string>> cas = {
        {entete + "Mauvais;plan;0,8;;;3,x;0,01;0,9;2;1,9\n",
         "Ligne 3, colonne 6 (« a1 »). « 3,x » n'est pas un nombre."},
        {entete + "Mauvais;plan;0,8;;;3;0,01;1,2;2;1,9\n",
         "Ligne 3, colonne 8 (« k50 »). Valeur refusée : K50 = 1,2"},
        {entete + "Mauvais;cylindre;0,8;;;3;0,01;0,9;2;1,9\n", "Ligne 3, colonne 2 (« type »)"},
        {entete + "Mauvais;plan;;;;3;0,01;0,9;2;1,9\n", "Ligne 3, colonne 3 (« eta0_hem »)"},
        {entete + "\"Mauvais;plan;0,8;;;3;0,01;0,9;2;1,9\n", "Ligne 3. Guillemet non fermé."},
        {"nom;type;eta0_hem;a1;a2;k50;surface_brute\nBon;plan;0,8;3;0;0,9;2\n",
         "Ligne 1. Colonne « surface_ouverture » absente."},
    };
    for (const auto& [csv, morceau] : cas) {
        const std::string message = Importer(csv);
        EXPECT_NE(message.find("n'a pas été importé"), std::string::npos) << message;
        EXPECT_NE(message.find(morceau), std::string::npos) << message;
        EXPECT_EQ(LireOctets(bibliotheque), avant) << morceau;
    }
}

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

// Worked by hand, with η = 1 and p = 0,10 €/kWh (S = E / 10 € the first year):
//   S = 100, N = 20, d = 4 %, I = 1500 − 500: gain 20 × 100 − 1000          = 1000 €
//     annuity factor (1 − 1,04^−20) / 0,04 = 13,590326: VAN 1359,0326 − 1000 = 359,0326 €
//     TRI: the rate whose annuity factor is 10                             = 7,7547 %
//   S = 121, N = 2, I = 210: 121 / 1,1 + 121 / 1,21 = 110 + 100, so TRI = 10 % exactly
//   S = 450, N = 2, I = 1000: 450 x² + 450 x = 1000, x = 1 / (1 + TRI) = 1,072325,
//     TRI = −6,7451 %, gain −100 €
//   S = 1000, N = 1, I = 100: the rate would be 900 %, beyond the range: none
//   S = 100, rise −50 %, upkeep 30, N = 3, I = 50: flows −50, 70, 20, −5 change sign
//     twice: none; gain 85 − 50 = 35 €
TEST(Economie, GainNetValeurActuelleEtTauxDeRentabilite) {
    const struct {
        const char* nom;
        double solaire, hausse, maintenance;
        int duree;
        double actualisation, investissement, aides, gain, van;
        std::optional<double> tri;
    } cas[] = {
        {"annuité à 4 %", 1000, 0, 0, 20, 0.04, 1500, 500, 1000, 359.0326, 7.7547},
        {"deux ans à 10 %", 1210, 0, 0, 2, 0.10, 210, 0, 32, 0, 10},
        {"taux négatif", 4500, 0, 0, 2, 0, 1000, 0, -100, -100, -6.7451},
        {"taux au-delà de 100 %", 10000, 0, 0, 1, 0.04, 100, 0, 900, 861.5385, std::nullopt},
        {"flux de signe changeant deux fois", 1000, -0.5, 30, 3, 0, 50, 0, 35, 35, std::nullopt},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EntreesEconomie e;
        e.energieSolaire = c.solaire;
        e.prix = 0.10;
        e.hausse = c.hausse;
        e.maintenance = c.maintenance;
        e.duree = c.duree;
        e.actualisation = c.actualisation;
        e.investissement = c.investissement;
        e.aides = c.aides;
        const ResultatsEconomie r = CalculerEconomie(e);
        EXPECT_NEAR(r.gainNetCumule, c.gain, 1e-9);
        EXPECT_NEAR(r.valeurActuelleNette, c.van, 1e-4);
        ASSERT_EQ(r.tauxRentabilite.has_value(), c.tri.has_value());
        if (!c.tri)
            continue;
        EXPECT_NEAR(*r.tauxRentabilite, *c.tri, 1e-4);
        // Discounted at that rate, the investment is exactly paid back.
        e.actualisation = *r.tauxRentabilite / 100;
        EXPECT_NEAR(CalculerEconomie(e).valeurActuelleNette, 0, 1e-6);
    }
    EXPECT_FALSE(TauxRentabiliteInterne({0, 0, 0}));
    EXPECT_FALSE(TauxRentabiliteInterne({100, 50}));
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
    limites.TauxActualisation = -99;
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

// The tables are read again as soon as a design office edits one, and a damaged one is
// refused, never answered from the tables read before.
TEST(Economie, TablesRelues) {
    DossierTemporaire copie;
    fs::copy(fs::path(VARQUIN_REFERENCE_DIR) / "Systeme", copie / "Systeme",
             fs::copy_options::recursive);
    InstallDir = copie.chemin();
    DefinirMargeStabilite(0);
    EXPECT_DOUBLE_EQ(LireDonneesEconomie().energies.at(2).prix, 0.1345);
    const std::string energies = copie / "Systeme/Energies.TXT";
    const std::string texte = LireOctets(energies);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EcrireOctets(energies, Remplace(texte, "0,85 0,1345", "0,85 0,1500"));
    EXPECT_DOUBLE_EQ(LireDonneesEconomie().energies.at(2).prix, 0.15);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EcrireOctets(energies, Remplace(texte, "0,85 0,1345", "0,85 abc"));
    EXPECT_THROW(LireDonneesEconomie(), ErreurEconomie);
    DefinirMargeStabilite(2'000'000'000);
    InstallDir.clear();
}
