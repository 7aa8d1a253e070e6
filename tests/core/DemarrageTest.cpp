// The start-up load: install folder, messages, reference data and lists, the check of
// the data folder, its failures, and the encodings and line ends it may come in.

#include "DonneesTest.h"
#include "common/Encodage.h"
#include "data/ModCollection.h"
#include "data/modStations.h"
#include "project/EtatApplication.h"
#include "project/modStructures.h"
#include "startup/ModRegistry.h"
#include "startup/Modgeneral.h"

#include <functional>
#include <gtest/gtest.h>

using namespace essai;

class DemarrageTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiserDonnees(); }
    void TearDown() override { ReinitialiserDonnees(); }

    // The start on the copy fails with one message naming `morceau`.
    void EchecNommant(const std::string& morceau) {
        EXPECT_FALSE(ChargementInitial(copie.chemin()));
        ASSERT_EQ(notif.messages.size(), 1u);
        EXPECT_EQ(notif.titres[0], "VARQUIN");
        EXPECT_NE(notif.messages[0].find(morceau), std::string::npos) << notif.messages[0];
        EXPECT_TRUE(notif.SablierRestaure());
    }

    CopieFixture copie;
    NotificateurEnregistreur notif;
};

namespace {
// What the tests compare between the encodings of the same data folder.
void VerifierContenuFixture() {
    EXPECT_EQ(Messages[44], "Le fichier %s est introuvable.\rVérifiez le dossier des données. ");
    ASSERT_EQ(TableDepartements.size(), 6u);
    EXPECT_EQ(TableDepartements[4].Commentaire, "La Réunion");
    EXPECT_EQ(Libelles[0][1], "Réunion");
    EXPECT_EQ(Libelles[24][0], "Extérieur");
    EXPECT_EQ(Libelles[28][2], "Val. forcée");
    ASSERT_EQ(Stations.Count(), 4);
    EXPECT_EQ(Stations.Cle(1), "Ambérieu");
    EXPECT_EQ(Stations.Item("Saint-Denis-Gillot").Colonne("Latitude"), "-21,1°S");
    EXPECT_EQ(TableEchange.size(), 3u);
}
} // namespace

TEST_F(DemarrageTest, ChargementCompletEnWindows1252OuUtf8) {
    Etat().DefinirCalculAuto(false);
    Separateur = ";";
    EXPECT_TRUE(ChargementInitial(DossierFixture()));
    ASSERT_EQ(NombreEnregistrements(), 1); // elements 0 and 1, the first project takes 1
    EXPECT_TRUE(EstLibre(Projet(1)));
    EXPECT_TRUE(Etat().CalculAuto());
    EXPECT_EQ(Separateur, "\t");
    EXPECT_EQ(InstallDir, DossierFixture());
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_TRUE(notif.SablierRestaure());
    VerifierContenuFixture();
    EXPECT_EQ(TableStations.size(), 21u); // Stati_Fr read as a table too

    // The same folder in UTF-8 with LF line ends, and names in another case.
    ReinitialiserDonnees();
    for (const auto& e : fs::recursive_directory_iterator(copie.chemin())) {
        if (!e.is_regular_file())
            continue;
        std::string texte = DepuisWindows1252(LireOctets(e.path().string()));
        std::erase(texte, '\r');
        EcrireOctets(e.path().string(), texte);
    }
    fs::rename(copie / "Pays/Pays.TXT", copie / "Pays/pays.txt");
    fs::rename(copie / "Systeme", copie / "SYSTEME");
    EXPECT_TRUE(ChargementInitial(copie.chemin()));
    EXPECT_TRUE(notif.messages.empty());
    VerifierContenuFixture();
    RemplirStations("Ain", true);
    EXPECT_EQ(Libelles[2][0], "Ambérieu");
}

TEST_F(DemarrageTest, FichierDeReferenceAbsent) {
    fs::remove(copie / "Systeme/Capteurs/CategorieCapteurs.txt");
    EchecNommant("CategorieCapteurs.txt");
    // The files before it are loaded; it holds its entry 0 only; those after stay empty.
    bool apres = false;
    for (const FichierReference& f : FichiersReference()) {
        const std::string nom = f.chemin;
        if (nom.find("CategorieCapteurs") != std::string::npos) {
            EXPECT_EQ(f.table->size(), 1u);
            apres = true;
        } else {
            EXPECT_EQ(f.table->empty(), apres) << nom;
        }
    }
    // The start went on: the lists are filled from what was loaded.
    EXPECT_EQ(Stations.Count(), 4);
    EXPECT_EQ(Libelles[28][0], "Calc. simple");
    EXPECT_EQ(Libelles[15][0], "Plan vitré sélectif");
    EXPECT_EQ(Libelles[23][0], ""); // Ballons comes after the missing file
}

TEST_F(DemarrageTest, MessagesAbsentsOuStationRepetee) {
    fs::remove(copie / "MESSAGES.TXT");
    EchecNommant("MESSAGES.TXT");
    EXPECT_EQ(Stations.Count(), 4); // the data are loaded all the same
    EXPECT_EQ(TableEchange.size(), 3u);

    ReinitialiserDonnees();
    notif.Effacer();
    fs::copy(DossierFixture() + "/MESSAGES.TXT", copie / "MESSAGES.TXT");
    const std::string stati = copie / "Pays/Stati_Fr.TXT";
    EcrireOctets(stati, LireOctets(stati) + "46,0\xB0N #Amb\xE9rieu\r\n");
    EchecNommant("Ambérieu");
    EXPECT_NE(notif.messages[0].find("Stati_Fr.TXT, ligne 23"), std::string::npos);
    EXPECT_TRUE(TableStations2.empty()); // the rest of the loading is abandoned
}

TEST(DossierInstallation, FichierIniVariableEtCopieUtilisateur) {
    const std::string ini = "; réglages\n[Autre]\nOrinDir=/faux\n"
                            "[software\\nordave\\varquin]\n  orindir = \"/opt/varquin data\"  \n";
    EXPECT_EQ(ValeurIni(ini, "SOFTWARE\\NORDAVE\\VARQUIN", "OrinDir"), "/opt/varquin data");
    EXPECT_EQ(ValeurIni(ini, "SOFTWARE\\NORDAVE\\VARQUIN", "Absente"), "");
    EXPECT_EQ(ValeurIni(ini, "Inconnue", "OrinDir"), "");

    DossierTemporaire dossier;
    const std::string utilisateur = dossier / "home";
    const std::string systeme = dossier / "xdg";
    VariableEnvironnement home("XDG_CONFIG_HOME", utilisateur);
    VariableEnvironnement dirs("XDG_CONFIG_DIRS", dossier / "vide" + ":" + systeme);
    VariableEnvironnement donnees("XDG_DATA_HOME", dossier / "data");
    {
        VariableEnvironnement env("VARQUIN_DIR", std::string("/depuis/env"));
        EXPECT_EQ(TrouverInstallDir(), "/depuis/env");
        // The configuration wins over the variable, the user's over the system's.
        EcrireOctets(systeme + "/varquin.conf", "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=/sys\n");
        EXPECT_EQ(TrouverInstallDir(), "/sys");
        EcrireOctets(utilisateur + "/varquin.conf", "[SOFTWARE\\NORDAVE\\VARQUIN]\nOrinDir=/moi\n");
        EXPECT_EQ(TrouverInstallDir(), "/moi");
    }
    fs::remove_all(utilisateur);
    fs::remove_all(systeme);
    VariableEnvironnement env("VARQUIN_DIR", std::nullopt);
    EXPECT_NE(TrouverInstallDir(), dossier / "data/varquin"); // the copy only when it exists
    fs::create_directories(dossier / "data/varquin");
    EXPECT_EQ(TrouverInstallDir(), dossier / "data/varquin");
}

namespace {
// The file (path under the folder) with `avant` replaced by `apres` (UTF-8 texts, the
// file Windows-1252).
std::function<void(const CopieFixture&)>
Remplacer(const std::string& fichier, const std::string& avant, const std::string& apres) {
    return [=](const CopieFixture& c) {
        const std::string texte = DepuisWindows1252(LireOctets(c / fichier));
        EcrireOctets(c / fichier, VersWindows1252(Remplace(texte, avant, apres)));
    };
}

std::string Departements(int n) {
    std::string lignes;
    for (int i = 0; i < n; ++i)
        lignes += "France #D" + std::to_string(i) + "\r\n";
    return lignes;
}
} // namespace

TEST(VerificationDonnees, DossierAbimeRefuseAuDemarrageAvecLeFichierEtLaLigne) {
    const std::string orientations = "Systeme/Capteurs/ORIENTAN.DON";
    const struct {
        std::function<void(const CopieFixture&)> abimer;
        std::string attendu;
    } cas[] = {
        {[](const CopieFixture& c) { EcrireOctets(c / "Pays/Stati_Fr.TXT", ""); },
         "Stati_Fr.TXT » : le fichier est vide"},
        {[&](const CopieFixture& c) { fs::remove(c / orientations); },
         "ORIENTAN.DON » : Fichier ou dossier introuvable"},
        {[&](const CopieFixture& c) {
             fs::remove(c / orientations);
             fs::create_directory(c / orientations);
         },
         "ORIENTAN.DON » : c'est un dossier, pas un fichier"},
        {Remplacer("Systeme/Capteurs/Capteurs.txt", "0,75 5,5", "0,75 abc"),
         "Capteurs.txt », ligne 4 : la valeur « abc » n'est pas un nombre"},
        {Remplacer("Pays/Stati_Fr.TXT",
                   "8 8 9 10,5 12 13,5 14,5 14,5 13,5 12 10 8,5 #Lille-Lesquin\r\n", ""),
         "Stati_Fr.TXT », ligne 13 : la station « Lille-Lesquin » a 4 lignes au lieu de 5"},
        {Remplacer("Pays/Stati_Fr.TXT", "1,6 3,2 7,1", "1,6 3,2"),
         "Stati_Fr.TXT », ligne 6 : 12 valeurs mensuelles attendues, 11 trouvées"},
        {Remplacer("Pays/Ville_Fr.TXT", "Ambérieu #Ain", "Inconnue #Ain"),
         "la station « Inconnue » (département « Ain ») n'est pas dans Stati_Fr.TXT"},
        {Remplacer("Pays/Depar_Fr.TXT", "France #Ain\r\n", Departements(152)),
         "Plus de 151 départements pour « France »"},
        {Remplacer("Soleil/Cs.Don", "1381,8", "13x1,8"),
         "Cs.Don », ligne 1 : la valeur du mois 3 n'est pas un nombre"},
        {[](const CopieFixture& c) {
             const std::string g = LireOctets(c / "Soleil/G_50_60.don");
             EcrireOctets(c / "Soleil/G_50_60.don", g.substr(0, g.find("\r\n0,72 ") + 2));
         },
         "G_50_60.don », ligne 21 : 12 valeurs mensuelles attendues, 0 trouvées"},
        {[](const CopieFixture& c) { fs::remove(c / "Soleil/G_-20_30.don"); },
         "G_-20_30.don » : Fichier ou dossier introuvable"},
        {Remplacer("Soleil/Nj.don", "31 28 31", "31 -28 31"),
         "Nj.don », ligne 1 : la valeur du mois 2 (-28) doit être de 1 à 31"},
        {Remplacer("Systeme/Echange.TXT", "600 #", "40000 #"),
         "Echange.TXT », ligne 4 : la valeur « 40000 » ne tient pas dans un entier"},
        {Remplacer("MESSAGES.TXT", "Le fichier %s", "Le fichier \x1b[2J%s"),
         "MESSAGES.TXT », ligne 5 : caractère de contrôle « Le fichier \\x1B[2J%s »"},
        {Remplacer("MESSAGES.TXT", "Le fichier %s", std::string(1000, 'x')),
         "MESSAGES.TXT », ligne 5 : un message compte au plus 1000 caractères"},
        // The economic tables, which a fixture folder may lack, when they are there.
        {[](const CopieFixture& c) {
             EcrireOctets(c / "Systeme/Energies.TXT",
                          "Source\r\nColonnes\r\n1 0,2 0,06 #Elec\r\n0,85 abc 0,2 #Gaz\r\n");
         },
         "Energies.TXT », ligne 4 : la valeur « abc » n'est pas un nombre"},
        {[](const CopieFixture& c) {
             EcrireOctets(c / "Systeme/CoutsSolaires.TXT", "S\r\nC\r\n\r\n0 -1400 #Systeme\r\n");
         },
         "CoutsSolaires.TXT », ligne 4 : Investissement [€] : la valeur -1400 est refusée"},
        {[](const CopieFixture& c) {
             EcrireOctets(c / "Systeme/Aides.TXT", "S\r\nC\r\n500 #A\r\n");
         },
         "Aides.TXT », ligne 3 : 2 valeurs attendues avant « # », 1 trouvées"},
    };
    for (const auto& c : cas) {
        ReinitialiserDonnees();
        CopieFixture copie;
        c.abimer(copie);
        NotificateurEnregistreur notif;
        EXPECT_FALSE(ChargementInitial(copie.chemin())) << c.attendu;
        ASSERT_EQ(notif.messages.size(), 1u) << c.attendu;
        EXPECT_NE(notif.messages[0].find("ne permet pas de calculer"), std::string::npos);
        EXPECT_NE(notif.messages[0].find(c.attendu), std::string::npos) << notif.messages[0];
        EXPECT_TRUE(notif.SablierRestaure());
    }
    ReinitialiserDonnees();
}
