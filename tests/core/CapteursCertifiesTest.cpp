// Collectors from their certified datasheets: the values the method takes from them,
// the datasheets refused, and the library imported from a CSV file.

#include "DonneesTest.h"
#include "common/Encodage.h"
#include "data/modBibliothequeCapteurs.h"

#include <functional>
#include <gtest/gtest.h>

using namespace essai;

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
