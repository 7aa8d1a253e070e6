#include "EngineTestOutils.h"
#include "engine/CacheFichiers.h"
#include "engine/modCalcul.h"
#include "engine/modCalculORIN.h"
#include "engine/modSoleil.h"
#include "tests/support/EnregistrementExemple.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {
class EngineRun : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        RemplirEnregistrementExemple(projet, ClimatExemple());
    }
    void TearDown() override {
        DefinirMargeStabilite(2'000'000'000);
        EngineTest::TearDown();
    }
    bool Executer(EtenduCalcul etendu = EtenduCalcul::Complet) {
        rapport = ExecuterCalcul(projet.Calcul, projet.Entrees, etendu);
        return rapport.Complet();
    }

    static void Ecrire(const std::string& chemin, const std::string& texte) {
        std::ofstream(chemin, std::ios::binary) << texte;
    }
    // Gives every file of the folder an old modification time, as installed data has.
    static void Vieillir(const std::string& dossier) {
        for (const auto& f : fs::recursive_directory_iterator(dossier))
            if (f.is_regular_file())
                fs::last_write_time(f.path(),
                                    fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    EnregistrementProjet projet;
    EnregistrementCalcul& c = projet.Calcul;
};

std::vector<const TableauMois*> Mensuels(const EnregistrementCalcul& c) {
    return {&c.FacteurMois, &c.Becs,      &c.TLocal, &c.Text, &c.Cs, &c.Delta, &c.AlphagG,
            &c.R,           &c.G_l_i_g_R, &c.Nj,     &c.Em,   &c.DT, &c.DT1,   &c.DT2,
            &c.T,           &c.X,         &c.S,      &c.F2,   &c.Z,  &c.Fecs,  &c.Prod};
}

bool Identiques(const EnregistrementCalcul& a, const EnregistrementCalcul& b) {
    const auto ma = Mensuels(a);
    const auto mb = Mensuels(b);
    for (std::size_t i = 0; i < ma.size(); ++i)
        if (std::memcmp(ma[i]->data(), mb[i]->data(), sizeof(TableauMois)) != 0)
            return false;
    return a.Fecs_an == b.Fecs_an && a.Becs_an == b.Becs_an &&
           a.Productivite_an == b.Productivite_an &&
           a.Productivite_par_m2 == b.Productivite_par_m2 &&
           a.Efficacite.Etap == b.Efficacite.Etap && a.Deperdition.K == b.Deperdition.K;
}

void VerifierFinis(const EnregistrementCalcul& c) {
    for (const TableauMois* t : Mensuels(c))
        EXPECT_TRUE(TableauFini(*t));
    EXPECT_TRUE(EstFini(c.Fecs_an));
    EXPECT_TRUE(EstFini(c.Productivite_par_m2));
}
} // namespace

TEST_F(EngineRun, FullRunIsPlausibleAndRepeatable) {
    ASSERT_TRUE(Executer());
    EXPECT_TRUE(rapport.Messages().empty());
    VerifierFinis(c);
    EXPECT_GT(c.Fecs_an, 30.0f);
    EXPECT_LT(c.Fecs_an, 90.0f);
    EXPECT_LT(c.Fecs[1], c.Fecs[7]);
    EXPECT_NEAR(c.Becs[1], 42 * 0.00116 * 200 * 31, 1e-3);
    const EnregistrementCalcul premier = c;
    ASSERT_TRUE(Executer());
    EXPECT_TRUE(Identiques(premier, c));

    AjouterMasqueExemple(projet.Entrees);
    ASSERT_TRUE(Executer());
    EXPECT_LT(c.Fecs_an, premier.Fecs_an);
    const EnregistrementCalcul masque = c;
    ASSERT_TRUE(Executer());
    EXPECT_TRUE(Identiques(masque, c));
}

TEST_F(EngineRun, OnDemandModeRecomputesOnlyTheParameters) {
    ASSERT_TRUE(Executer(EtenduCalcul::Parametres));
    EXPECT_FLOAT_EQ(c.Efficacite.Etap, 0.7f);
    EXPECT_EQ(c.Becs[1], 0.0f);
    EXPECT_EQ(c.Fecs_an, 0.0f);
}

TEST_F(EngineRun, AnUntrappedFaultEndsTheRunWithAMessage) {
    c.Tref = c.Tef; // DT = 0 in every month
    c.Fecs.fill(33);
    {
        SablierActif sablier;
        EXPECT_TRUE(notes.sablier);
        EXPECT_FALSE(Executer());
    }
    EXPECT_FALSE(notes.sablier); // nothing escaped past the caller's cursor guard
    EXPECT_EQ(Textes(), (std::vector<std::string>{
                            "Erreur calcul Q",
                            "Le calcul a été interrompu. Division par zéro dans le calcul de T."}));
    EXPECT_EQ(rapport.Etape(), "CalculerBilanMensuel");
    EXPECT_TRUE(notes.messages.empty());      // the engine shows nothing itself
    EXPECT_FLOAT_EQ(c.Efficacite.Etap, 0.7f); // written before the fault
    EXPECT_GT(c.FacteurMois[6], 0.0f);
    EXPECT_EQ(c.Fecs[6], 33.0f); // not reached

    rapport = RapportCalcul{};
    InstallDir = "/nonexistent";
    RemplirEnregistrementExemple(projet, ClimatExemple());
    EXPECT_FALSE(Executer());
    EXPECT_EQ(DernierMessage().rfind("Le calcul a été interrompu. Impossible d'ouvrir", 0), 0u);
}

TEST_F(EngineRun, AChangedSolarFileTakesEffectAtTheNextRun) {
    InstallDir = CopieFixture();
    Vieillir(InstallDir);
    ASSERT_TRUE(Executer());
    const float fevrier = c.Becs[2];
    const float juin = c.FacteurMois[6];

    // Same size, written at once, modification time set back: still seen.
    const std::string nj = InstallDir + "/Soleil/Nj.don";
    const auto date = fs::last_write_time(nj);
    Ecrire(nj, "31 29 31 30 31 30 31 31 30 31 30 31\r\nJours par mois\r\n");
    fs::last_write_time(nj, date);
    ASSERT_TRUE(Executer());
    EXPECT_EQ(c.Nj[2], 29.0f);
    EXPECT_NEAR(c.Becs[2], fevrier * 29 / 28, 1e-3);

    // The angular factor file replaced by another one.
    std::ifstream source(InstallDir + "/Soleil/MatAlpha.don", std::ios::binary);
    std::stringstream contenu;
    contenu << source.rdbuf();
    std::string texte = contenu.str();
    for (std::size_t p = 0; (p = texte.find("1.000", p)) != std::string::npos;)
        texte.replace(p, 5, "0.500");
    const std::string autre = InstallDir + "/Soleil/MatAlpha.tmp";
    Ecrire(autre, texte);
    fs::rename(autre, InstallDir + "/Soleil/MatAlpha.don");
    ASSERT_TRUE(Executer());
    EXPECT_NEAR(c.FacteurMois[6], juin * 0.5, 1e-4 * juin);

    fs::remove(InstallDir + "/Soleil/MatAlpha.don");
    ASSERT_TRUE(Executer());
    EXPECT_EQ(c.FacteurMois[6], 0.0f); // missing: empty rows
}

TEST_F(EngineRun, KeptContentsAreUsedUntilAFileChanges) {
    InstallDir = CopieFixture();
    DefinirMargeStabilite(0); // trust a file as soon as it is parsed
    ASSERT_TRUE(Executer());
    const long analyses = AnalysesSoleil();
    ASSERT_TRUE(Executer());
    EXPECT_EQ(AnalysesSoleil(), analyses); // nothing parsed again

    // Past the file times' granularity, a rewrite of the same size is seen.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Ecrire(InstallDir + "/Soleil/Nj.don", "31 27 31 30 31 30 31 31 30 31 30 31\r\n");
    ASSERT_TRUE(Executer());
    EXPECT_EQ(AnalysesSoleil(), analyses + 1);
    EXPECT_EQ(c.Nj[2], 27.0f);
}

TEST_F(EngineRun, ConversionMessagesComeBackOnEveryRun) {
    InstallDir = CopieFixture();
    Ecrire(InstallDir + "/Soleil/Cs.Don",
           "1412 1400 1380 1355 1332 1318 1314 1323 1341 1365 1388 14x7\r\n");
    Vieillir(InstallDir);
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(Executer());
        EXPECT_EQ(Compter("Erreur de conversion de 14x7."), 1) << run;
    }
    EXPECT_EQ(c.Cs[12], 14.0f);
}
