#include "MethodeOutils.h"
#include "common/CacheFichiers.h"
#include "engine/modCalcul.h"
#include "engine/modCalculORIN.h"
#include "engine/modSoleil.h"
#include "tests/support/EnregistrementExemple.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {
class MethodeExecution : public MethodeEssai {
protected:
    void SetUp() override {
        MethodeEssai::SetUp();
        RemplirEnregistrementExemple(projet, ClimatExemple());
    }
    void TearDown() override {
        DefinirMargeStabilite(2'000'000'000);
        MethodeEssai::TearDown();
    }
    bool Executer(EtenduCalcul etendu = EtenduCalcul::Complet) {
        rapport = ExecuterCalcul(projet.Calcul, projet.Entrees, etendu);
        return rapport.Complet();
    }
    // Gives every file of the copy an old modification time, as installed data has.
    void Vieillir() {
        for (const auto& f : essai::fs::recursive_directory_iterator(copie.chemin()))
            if (f.is_regular_file())
                essai::fs::last_write_time(f.path(), essai::fs::file_time_type::clock::now() -
                                                         std::chrono::hours(1));
    }
    EnregistrementProjet projet;
    EnregistrementCalcul& c = projet.Calcul;
    essai::CopieFixture copie{"soleil"};
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
           a.Productivite_par_m2 == b.Productivite_par_m2 && a.Efficacite.Etap == b.Efficacite.Etap;
}
} // namespace

TEST_F(MethodeExecution, CalculCompletPlausibleEtRepetable) {
    ASSERT_TRUE(Executer());
    EXPECT_TRUE(rapport.Messages().empty());
    for (const TableauMois* t : Mensuels(c))
        EXPECT_TRUE(TableauFini(*t));
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

    // On demand, only the parameters are computed again.
    projet = EnregistrementProjet{};
    RemplirEnregistrementExemple(projet, ClimatExemple());
    ASSERT_TRUE(Executer(EtenduCalcul::Parametres));
    EXPECT_FLOAT_EQ(c.Efficacite.Etap, 0.7f);
    EXPECT_EQ(c.Becs[1], 0.0f);
    EXPECT_EQ(c.Fecs_an, 0.0f);
}

TEST_F(MethodeExecution, UneFauteNonRattrapeeArreteLeCalculAvecUnMessage) {
    c.Tref = c.Tef; // DT = 0 in every month
    c.Fecs.fill(33);
    {
        SablierActif sablier;
        EXPECT_FALSE(Executer());
    }
    EXPECT_TRUE(notes.SablierRestaure()); // nothing escaped past the caller's guard
    EXPECT_EQ(Textes(), (std::vector<std::string>{
                            "Erreur calcul Q",
                            "Le calcul a été interrompu. Division par zéro dans le calcul de T."}));
    EXPECT_EQ(rapport.Etape(), "CalculerBilanMensuel");
    EXPECT_TRUE(notes.messages.empty());      // the engine shows nothing itself
    EXPECT_FLOAT_EQ(c.Efficacite.Etap, 0.7f); // written before the fault
    EXPECT_EQ(c.Fecs[6], 33.0f);              // not reached

    InstallDir = "/nonexistent";
    RemplirEnregistrementExemple(projet, ClimatExemple());
    EXPECT_FALSE(Executer());
    EXPECT_EQ(Dernier().rfind("Le calcul a été interrompu. Impossible d'ouvrir", 0), 0u);
}

TEST_F(MethodeExecution, UnFichierSolaireChangeEstLuAuCalculSuivant) {
    InstallDir = copie.chemin();
    Vieillir();
    ASSERT_TRUE(Executer());
    const float fevrier = c.Becs[2];
    const float juin = c.FacteurMois[6];
    // Same size, written at once, modification time set back: still seen.
    const std::string nj = copie / "Soleil/Nj.don";
    const auto date = essai::fs::last_write_time(nj);
    essai::EcrireOctets(nj, "31 29 31 30 31 30 31 31 30 31 30 31\r\nJours par mois\r\n");
    essai::fs::last_write_time(nj, date);
    ASSERT_TRUE(Executer());
    EXPECT_NEAR(c.Becs[2], fevrier * 29 / 28, 1e-3);
    // The angular factor file replaced by another one.
    const std::string alpha = copie / "Soleil/MatAlpha.don";
    std::string texte = essai::LireOctets(alpha);
    for (std::size_t p = 0; (p = texte.find("1.000", p)) != std::string::npos;)
        texte.replace(p, 5, "0.500");
    essai::EcrireOctets(alpha + ".tmp", texte);
    essai::fs::rename(alpha + ".tmp", alpha);
    ASSERT_TRUE(Executer());
    EXPECT_NEAR(c.FacteurMois[6], juin * 0.5, 1e-4 * juin);
    essai::fs::remove(alpha);
    ASSERT_TRUE(Executer());
    EXPECT_EQ(c.FacteurMois[6], 0.0f); // missing: empty rows
}

TEST_F(MethodeExecution, ContenusGardesJusquAuChangementDUnFichier) {
    InstallDir = copie.chemin();
    DefinirMargeStabilite(0); // trust a file as soon as it is parsed
    ASSERT_TRUE(Executer());
    const long analyses = AnalysesSoleil();
    ASSERT_TRUE(Executer());
    EXPECT_EQ(AnalysesSoleil(), analyses); // nothing parsed again
    // Past the file times' granularity, a rewrite of the same size is seen.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    essai::EcrireOctets(copie / "Soleil/Nj.don", "31 27 31 30 31 30 31 31 30 31 30 31\r\n");
    ASSERT_TRUE(Executer());
    EXPECT_EQ(AnalysesSoleil(), analyses + 1);
    EXPECT_EQ(c.Nj[2], 27.0f);
}

TEST_F(MethodeExecution, MessagesDeConversionAChaqueCalcul) {
    InstallDir = copie.chemin();
    essai::EcrireOctets(copie / "Soleil/Cs.Don",
                        "1412 1400 1380 1355 1332 1318 1314 1323 1341 1365 1388 14x7\r\n");
    Vieillir();
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(Executer());
        EXPECT_EQ(Compter("Erreur de conversion de 14x7."), 1) << run;
    }
    EXPECT_EQ(c.Cs[12], 14.0f);
}
