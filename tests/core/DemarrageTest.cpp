// The start-up load: install folder, messages, reference data and lists, its
// failures, and the encodings and line ends of the data folder.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Encodage.h"
#include "data/ModCollection.h"
#include "data/modStations.h"
#include "project/EtatApplication.h"
#include "project/modStructures.h"
#include "startup/ModRegistry.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>

using namespace essai;

class DemarrageTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiserDonnees(); }
    void TearDown() override { ReinitialiserDonnees(); }
};

namespace {
std::size_t Entrees(const Table& t) {
    return t.empty() ? 0 : t.size() - 1;
}

// What the tests compare between the encodings of the same data folder.
void VerifierContenuFixture() {
    EXPECT_EQ(Messages[44], "Le fichier %s est introuvable.\rVérifiez le dossier des données. ");
    ASSERT_EQ(Entrees(TableDepartements), 5u);
    EXPECT_EQ(TableDepartements[0 + 4].Commentaire, "La Réunion");
    EXPECT_EQ(Libelles[0][1], "Réunion");
    EXPECT_EQ(Libelles[24][0], "Extérieur");
    ASSERT_EQ(Stations.Count(), 4);
    EXPECT_EQ(Stations.Cle(1), "Ambérieu");
    EXPECT_EQ(Stations.Item("Saint-Denis-Gillot").Colonne("Latitude"), "-21,1°S");
    EXPECT_EQ(Entrees(TableEchange), 2u);
}
} // namespace

TEST_F(DemarrageTest, ChargementCompletDeLaFixture) {
    RecordingNotificateur notif;
    Etat().DefinirCalculAuto(false);
    Separateur = ";";
    EXPECT_TRUE(ChargementInitial(DossierFixture()));
    ASSERT_EQ(NombreEnregistrements(), 1); // elements 0 and 1, the first project takes 1
    EXPECT_TRUE(EstLibre(Projet(1)));
    EXPECT_EQ(ChoisirEnregistrement(), 1);
    EXPECT_TRUE(Etat().CalculAuto());
    EXPECT_EQ(Separateur, "\t");
    EXPECT_EQ(InstallDir, DossierFixture());
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FALSE(notif.sabliers.back());
    VerifierContenuFixture();
    EXPECT_EQ(Entrees(TableStations), 20u); // Stati_Fr read as a table too
    EXPECT_EQ(Libelles[28][2], "Val. forcée");
}

TEST_F(DemarrageTest, OrdreDeChargement) {
    const std::vector<std::string> attendu = {
        "\\Pays\\Pays.TXT",
        "\\Pays\\Depar_Fr.TXT",
        "\\Pays\\Ville_Fr.TXT",
        "\\Pays\\Stati_Fr.TXT",
        "\\Pays\\Stati_Fr2.TXT",
        "\\Systeme\\Capteurs\\Capteurs.txt",
        "\\Systeme\\Capteurs\\CategorieCapteurs.txt",
        "\\Systeme\\Capteurs\\INCLINAI.DON",
        "\\Systeme\\Capteurs\\CHAUFEAU.txt",
        "\\Systeme\\Ballons\\Ballons.TXT",
        "\\Systeme\\SITUATIO.TXT",
        "\\Systeme\\ALIM.DON",
        "\\Systeme\\ISBallon.DON",
        "\\Systeme\\ISTuyaux.txt",
        "\\Systeme\\Echange.TXT",
    };
    std::vector<std::string> ordre;
    for (const FichierReference& f : FichiersReference())
        ordre.push_back(f.chemin);
    EXPECT_EQ(ordre, attendu);
}

TEST_F(DemarrageTest, FichierDeReferenceAbsent) {
    RecordingNotificateur notif;
    CopieFixture copie;
    fs::remove(copie / "Systeme/Capteurs/CategorieCapteurs.txt");
    EXPECT_FALSE(ChargementInitial(copie.chemin()));

    // The files before it are loaded; it holds its entry 0 only; those after stay empty.
    const auto& fichiers = FichiersReference();
    bool apres = false;
    for (const FichierReference& f : fichiers) {
        const std::string nom = f.chemin;
        if (nom.find("CategorieCapteurs") != std::string::npos) {
            ASSERT_EQ(f.table->size(), 1u);
            EXPECT_NE(f.table->at(0).Commentaire.find("CategorieCapteurs.txt"), std::string::npos);
            apres = true;
        } else if (apres) {
            EXPECT_TRUE(f.table->empty()) << nom;
        } else {
            EXPECT_GT(Entrees(*f.table), 0u) << nom;
        }
    }
    EXPECT_EQ(Stations.Count(), 4);
    // The start went on: the lists are filled from what was loaded.
    EXPECT_EQ(Libelles[28][0], "Calc. simple");
    EXPECT_EQ(Libelles[0][0], "France");
    EXPECT_EQ(Libelles[15][0], "Plan vitré sélectif");
    EXPECT_EQ(Libelles[23][0], ""); // Ballons comes after the missing file
    // One visible message names the file; message 44 itself stays silent (switch off).
    ASSERT_EQ(notif.messages.size(), 1u);
    EXPECT_EQ(notif.messages[0].titre, "VARQUIN");
    EXPECT_NE(notif.messages[0].texte.find("CategorieCapteurs.txt"), std::string::npos);
    EXPECT_TRUE(notif.SablierRestaure());
}

TEST_F(DemarrageTest, MessagesAbsentsLesDonneesSontChargees) {
    RecordingNotificateur notif;
    CopieFixture copie;
    fs::remove(copie / "MESSAGES.TXT");
    EXPECT_FALSE(ChargementInitial(copie.chemin()));
    EXPECT_EQ(Messages[44], "");
    EXPECT_EQ(Stations.Count(), 4);
    EXPECT_EQ(Entrees(TableEchange), 2u);
    ASSERT_EQ(notif.messages.size(), 1u);
    EXPECT_NE(notif.messages[0].texte.find("MESSAGES.TXT"), std::string::npos);
}

TEST_F(DemarrageTest, StationRepeteeArreteLeChargementAvecUnMessageClair) {
    RecordingNotificateur notif;
    CopieFixture copie;
    const std::string stati = copie / "Pays/Stati_Fr.TXT";
    EcrireOctets(stati, LireOctets(stati) + "46,0\xB0N #Amb\xE9rieu\r\n");
    EXPECT_FALSE(ChargementInitial(copie.chemin()));
    ASSERT_EQ(notif.messages.size(), 1u);
    EXPECT_NE(notif.messages[0].texte.find("Ambérieu"), std::string::npos);
    EXPECT_NE(notif.messages[0].texte.find("Stati_Fr.TXT, ligne 23"), std::string::npos)
        << notif.messages[0].texte;
    EXPECT_TRUE(TableStations2.empty()); // the rest of the loading is abandoned
    EXPECT_EQ(Libelles[0][2], "Belgique");
}

TEST_F(DemarrageTest, FinsDeLigneLfEtUtf8EtCasseDesNoms) {
    CopieFixture copie;
    for (const auto& e : fs::recursive_directory_iterator(copie.chemin())) {
        if (!e.is_regular_file())
            continue;
        std::string texte = DepuisWindows1252(LireOctets(e.path().string()));
        std::erase(texte, '\r');
        EcrireOctets(e.path().string(), texte); // UTF-8, LF only
    }
    fs::rename(copie / "Pays/Pays.TXT", copie / "Pays/pays.txt");
    fs::rename(copie / "Systeme", copie / "SYSTEME");
    RecordingNotificateur notif;
    EXPECT_TRUE(ChargementInitial(copie.chemin()));
    EXPECT_TRUE(notif.messages.empty());
    VerifierContenuFixture();

    RemplirStations("Ain", true);
    EXPECT_EQ(Libelles[2][0], "Ambérieu");
}

TEST(QueryValue, LectureDuFichierIni) {
    const std::string ini = "; réglages\n[Autre]\nOrinDir=/faux\n"
                            "[software\\nordave\\varquin]\n  orindir = \"/opt/varquin data\"  \n";
    EXPECT_EQ(ValeurIni(ini, "SOFTWARE\\NORDAVE\\VARQUIN", "OrinDir"), "/opt/varquin data");
    EXPECT_EQ(ValeurIni(ini, "SOFTWARE\\NORDAVE\\VARQUIN", "Absente"), "");
    EXPECT_EQ(ValeurIni(ini, "Inconnue", "OrinDir"), "");
}

TEST(QueryValue, LUtilisateurGagneSurLeSysteme) {
    DossierTemporaire dossier;
    const std::string utilisateur = dossier / "home";
    const std::string systeme = dossier / "xdg";
    EcrireOctets(systeme + "/varquin.conf", "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=/systeme\n");
    VariableEnvironnement home("XDG_CONFIG_HOME", utilisateur);
    VariableEnvironnement dirs("XDG_CONFIG_DIRS", dossier / "vide" + ":" + systeme);
    EXPECT_EQ(QueryValue("SOFTWARE\\NORDAVE\\VARQUIN", "OrinDir"), "/systeme");
    EcrireOctets(utilisateur + "/varquin.conf", "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=/moi\n");
    EXPECT_EQ(QueryValue("SOFTWARE\\NORDAVE\\VARQUIN", "OrinDir"), "/moi");
    EXPECT_EQ(TrouverInstallDir(), "/moi");
}

TEST(InstallDir, ReplisDansLOrdre) {
    DossierTemporaire dossier;
    VariableEnvironnement home("XDG_CONFIG_HOME", dossier / "config");
    VariableEnvironnement dirs("XDG_CONFIG_DIRS", dossier / "config-systeme");
    VariableEnvironnement donnees("XDG_DATA_HOME", dossier / "data");
    {
        VariableEnvironnement env("VARQUIN_DIR", std::string("/depuis/env"));
        EXPECT_EQ(TrouverInstallDir(), "/depuis/env");
    }
    VariableEnvironnement env("VARQUIN_DIR", std::nullopt);
    const std::string parDefaut = InstallDirParDefaut();
    EXPECT_NE(parDefaut, dossier / "data/varquin"); // the user's copy only when it exists
    fs::create_directories(dossier / "data/varquin");
    EXPECT_EQ(TrouverInstallDir(), dossier / "data/varquin");
}
