// Saving a user entry while the install folder is read-only: the folder is copied
// once to the user's data folder, the save goes there, and the next start finds it.
//
// The tests make the install folder read-only with chmod. The suites also run as
// root, whom permission bits do not stop: there the folder is declared read-only
// through SimulerDossierLectureSeule as well, so that the same paths are taken.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modCatalogues.h"
#include "data/modCopieUtilisateur.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

using namespace essai;

namespace {
// Every file below `dossier`, relative to it, without the copy's origin note.
std::set<std::string> Fichiers(const std::string& dossier) {
    std::set<std::string> noms;
    for (const auto& e : fs::recursive_directory_iterator(dossier)) {
        const std::string rel = fs::relative(e.path(), dossier).string();
        if (e.is_regular_file() && rel != ".origine")
            noms.insert(rel);
    }
    return noms;
}

void DroitsEcriture(const std::string& racine, bool ecriture) {
    const auto w = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const auto option = ecriture ? fs::perm_options::add : fs::perm_options::remove;
    for (const auto& e : fs::recursive_directory_iterator(racine))
        fs::permissions(e.path(), w, option);
    fs::permissions(racine, w, option);
}

std::vector<std::string> CapteurC() {
    return {"Capteur C*", "0,81", "4,1", "2,2", "1"};
}
} // namespace

class CopieUtilisateurTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        fs::create_directories(racine / "usr/share");
        fs::copy(DossierFixture(), installe, fs::copy_options::recursive);
        DroitsEcriture(installe, false);
        if (::geteuid() == 0)
            SimulerDossierLectureSeule(installe);
        avant = LireOctets(installe + "/Systeme/Capteurs/Capteurs.txt");
    }
    void TearDown() override {
        SimulerDossierLectureSeule("");
        AvisCopieUtilisateur();
        DroitsEcriture(racine.chemin(), true);
        ReinitialiserDonnees();
    }

    DossierTemporaire racine;
    const std::string installe = racine / "usr/share/varquin";
    const std::string copie = racine / "data/varquin";
    VariableEnvironnement donnees{"XDG_DATA_HOME", racine / "data"};
    VariableEnvironnement config{"XDG_CONFIG_HOME", racine / "config"};
    VariableEnvironnement configSysteme{"XDG_CONFIG_DIRS", racine / "config-systeme"};
    VariableEnvironnement varquinDir{"VARQUIN_DIR", std::nullopt};
    NotificateurEnregistreur notif;
    std::string avant;
};

TEST_F(CopieUtilisateurTest, LeCapteurVaDansLaCopieEtLeDemarrageSuivantLaTrouve) {
    ASSERT_TRUE(ChargementInitial(installe));
    ASSERT_FALSE(DossierInscriptible(installe + "/Systeme/Capteurs"));
    notif.Effacer();

    ASSERT_TRUE(EnregistrerEntree(TableCapteurs, "Capteur B*", CapteurC()));
    EXPECT_EQ(LireOctets(installe + "/Systeme/Capteurs/Capteurs.txt"), avant);
    EXPECT_NE(LireOctets(copie + "/Systeme/Capteurs/Capteurs.txt")
                  .find(" 0.81  4.1  2.2  1 #Capteur C*\r\n"),
              std::string::npos);
    EXPECT_EQ(Fichiers(copie), Fichiers(installe)); // the whole folder, once
    EXPECT_EQ(InstallDir, copie);
    EXPECT_EQ(TableStations2[0].Commentaire, copie + "/Pays/Stati_Fr2.TXT");
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_EQ(AvisCopieUtilisateur(), "Les données de référence ont été copiées dans " + copie +
                                          " pour enregistrer vos entrées.");
    EXPECT_EQ(AvisCopieUtilisateur(), ""); // shown once

    // A further save of the session (the station dialog writes three files) goes to
    // the copy without copying again.
    const std::string stations2 = LireOctets(installe + "/Pays/Stati_Fr2.TXT");
    ASSERT_TRUE(EnregistrerEntree(TableStations2, "Lyon-Bron", {"Lyon-Bron*", "210", "4", "2"}));
    EXPECT_EQ(LireOctets(installe + "/Pays/Stati_Fr2.TXT"), stations2);
    EXPECT_NE(LireOctets(copie + "/Pays/Stati_Fr2.TXT").find("#Lyon-Bron*"), std::string::npos);
    EXPECT_EQ(AvisCopieUtilisateur(), "");

    // The next start, with nothing configured, finds the copy first.
    ReinitialiserDonnees();
    ASSERT_TRUE(ChargementInitial());
    EXPECT_EQ(InstallDir, copie);
    float bc = 0;
    LireValeursTable(TableCapteurs, std::string("Capteur C*"), {&bc});
    EXPECT_FLOAT_EQ(bc, 0.81f);
}

TEST_F(CopieUtilisateurTest, UnDossierDesigneSuitSaCopieAuxDemarragesSuivants) {
    {
        VariableEnvironnement env("VARQUIN_DIR", installe);
        ASSERT_TRUE(ChargementInitial());
        ASSERT_EQ(InstallDir, installe);
        ASSERT_TRUE(EnregistrerEntree(TableCapteurs, "Capteur B*", CapteurC()));
        // Sent to the same folder again, the start takes the copy made from it...
        EXPECT_EQ(TrouverInstallDir(), copie);
    }
    // ... and so does a configured OrinDir naming it, spelt differently.
    EcrireOctets(racine / "config/varquin.conf",
                 "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=" + installe + "/./\n");
    EXPECT_EQ(TrouverInstallDir(), copie);
    // Another folder is not replaced by a copy made from elsewhere.
    EcrireOctets(racine / "config/varquin.conf",
                 "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=" + DossierFixture() + "\n");
    EXPECT_EQ(TrouverInstallDir(), DossierFixture());
}

TEST_F(CopieUtilisateurTest, CopieImpossibleNeChangeRien) {
    ASSERT_TRUE(ChargementInitial(installe));
    EcrireOctets(racine / "fichier", "pas un dossier");
    VariableEnvironnement ailleurs("XDG_DATA_HOME", racine / "fichier/data");
    try {
        EnregistrerEntree(TableCapteurs, "Capteur B*", CapteurC());
        ADD_FAILURE() << "no error";
    } catch (const ErreurFichier& e) {
        EXPECT_NE(std::string(e.what()).find(installe), std::string::npos) << e.what();
    }
    EXPECT_EQ(InstallDir, installe);
    EXPECT_EQ(TableCapteurs[0].Commentaire, installe + "/Systeme/Capteurs/Capteurs.txt");
    EXPECT_EQ(LireOctets(installe + "/Systeme/Capteurs/Capteurs.txt"), avant);
    EXPECT_EQ(AvisCopieUtilisateur(), "");
    EXPECT_TRUE(notif.SablierRestaure());
}

TEST_F(CopieUtilisateurTest, UneCopieDAutreProvenanceNEstNiEcraseeNiUtilisee) {
    EcrireOctets(copie + "/Pays/Pays.TXT", "les données de la personne");
    ASSERT_TRUE(ChargementInitial(installe));
    EXPECT_THROW(EnregistrerEntree(TableCapteurs, "Capteur B*", CapteurC()), ErreurFichier);
    EXPECT_EQ(LireOctets(copie + "/Pays/Pays.TXT"), "les données de la personne");
    EXPECT_FALSE(fs::exists(copie + "/Systeme"));
    EXPECT_EQ(InstallDir, installe);

    // The copy itself read-only: nothing to copy to.
    SimulerDossierLectureSeule(copie);
    fs::copy(DossierFixture(), copie,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ASSERT_TRUE(ChargementInitial(copie));
    EXPECT_THROW(EnregistrerEntree(TableCapteurs, "Capteur B*", CapteurC()), ErreurFichier);
}

TEST(DossierInscriptible, DroitsEtSimulation) {
    DossierTemporaire racine;
    fs::create_directories(racine / "a/b");
    fs::create_directories(racine / "ab");
    EXPECT_TRUE(DossierInscriptible(racine / "a/b"));
    EXPECT_FALSE(DossierInscriptible(racine / "absent"));
    EXPECT_FALSE(DossierInscriptible(""));

    SimulerDossierLectureSeule(racine / "a/");
    EXPECT_FALSE(DossierInscriptible(racine / "a"));
    EXPECT_FALSE(DossierInscriptible(racine / "a/b"));
    EXPECT_TRUE(DossierInscriptible(racine / "ab")); // a sibling sharing the prefix
    SimulerDossierLectureSeule("");
    EXPECT_TRUE(DossierInscriptible(racine / "a/b"));

    fs::permissions(racine / "a/b", fs::perms::owner_read | fs::perms::owner_exec);
    // Root writes anyway, and the check must say so rather than guess.
    EXPECT_EQ(DossierInscriptible(racine / "a/b"), ::geteuid() == 0);
    fs::permissions(racine / "a/b", fs::perms::owner_all);
}
