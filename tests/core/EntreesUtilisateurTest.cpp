// The person's own entries written into the data folder: a catalogue entry, a user
// station in its three files, and the user's copy made when the install folder is
// read-only.

#include "DonneesTest.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modCatalogues.h"
#include "data/modCopieUtilisateur.h"
#include "data/modStationUtilisateur.h"
#include "data/modStations.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

using namespace essai;

class CataloguesTest : public ::testing::Test {
protected:
    void SetUp() override { LireTable(chemin, table); }
    void TearDown() override { SimulerEchecEcriture(-1); }
    // Replaces the file and reads it again.
    void Ecrire(const std::string& octets) {
        EcrireOctets(chemin, octets);
        LireTable(chemin, table);
    }

    CopieFixture copie;
    const std::string chemin = copie / "Systeme/Capteurs/Capteurs.txt";
    const std::string avant = LireOctets(chemin);
    Table table;
};

TEST_F(CataloguesTest, RemplaceExactementLaDerniereEntreeDuNom) {
    NotificateurEnregistreur notif;
    ASSERT_TRUE(EnregistrerEntree(table, "Capteur A*", {"Capteur é*", "0,81", "4.1", "-2", "1"}));
    EXPECT_TRUE(notif.SablierRestaure());
    // Only that line changed ("Capteur A* bis" neither), in Windows-1252 with CR LF and
    // numbers in the invariant form.
    EXPECT_EQ(LireOctets(chemin),
              Remplace(avant, "0,8 4 2 1 #Capteur A*\r\n", " 0.81  4.1 -2  1 #Capteur \xE9*\r\n"));
    LireTable(chemin, table);
    float bc = 0, kc = 0;
    LireValeursTable(table, std::string("Capteur é*"), {&bc, &kc});
    EXPECT_FLOAT_EQ(kc, 4.1f);

    Ecrire("T\r\nT\r\n1 #X*\r\n2 #Y\r\n3 #X*  \r\n");
    ASSERT_TRUE(EnregistrerEntree(table, "X*", {"X*", "9"}));
    EXPECT_EQ(LireOctets(chemin), "T\r\nT\r\n1 #X*\r\n2 #Y\r\n 9 #X*\r\n");
    // A UTF-8 file with LF keeps its form.
    Ecrire("Titre\nNom\n1 #Chauffe-eau é*\n2 #Autre ü\n");
    ASSERT_TRUE(EnregistrerEntree(table, "Chauffe-eau é*", {"Chauffe-eau è*", "5"}));
    EXPECT_EQ(LireOctets(chemin), "Titre\nNom\n 5 #Chauffe-eau è*\n2 #Autre ü\n");
    EXPECT_EQ(LigneEntree({"Nom", "12,5", "0", "45,7°N", "1 2 3"}), " 12.5  0 45,7°N 1 2 3 #Nom");
}

TEST_F(CataloguesTest, RienNEstEcritSansEntreeOuSurEchec) {
    EXPECT_FALSE(EnregistrerEntree(table, "Capteur", {"Capteur", "1"}));
    EXPECT_FALSE(EnregistrerEntree(table, "Modèle", {"Modèle", "1"})); // a heading line
    Table absente = {TableLigne{"", copie / "absent.txt", 0}};
    EXPECT_FALSE(EnregistrerEntree(absente, "Capteur A*", {"Capteur A*", "1"}));
    EXPECT_FALSE(fs::exists(copie / "absent.txt"));
    // Values that would break the line.
    for (const std::vector<std::string>& valeurs :
         {std::vector<std::string>{"Capteur B*", "1#2"}, {"B*\r\nX", "1"}, {"  ", "1"}})
        EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", valeurs), ErreurExecution);
    const auto fichiers = [&] {
        return std::distance(fs::directory_iterator(copie / "Systeme/Capteurs"), {});
    };
    const auto avantEchec = fichiers();
    SimulerEchecEcriture(10);
    EXPECT_THROW(EnregistrerEntree(table, "Capteur B*", {"Capteur B*", "1", "2", "3", "1"}),
                 ErreurFichier);
    EXPECT_EQ(LireOctets(chemin), avant);
    EXPECT_EQ(fichiers(), avantEchec); // no temporary left
}

namespace {
StationUtilisateur Saisie(const std::string& nom) {
    StationUtilisateur s;
    s.nom = nom;
    s.altitude = "210";
    s.classeMer = 4;
    s.classePopulation = 2;
    s.latitude = "45,7";
    s.hemisphere = "N";
    s.zone = "Zone continentale";
    for (std::size_t m = 0; m < 12; ++m) {
        s.Gh[m] = std::to_string(m + 1) + ",5";
        s.Text[m] = std::to_string(m);
        s.Tef[m] = "1" + std::to_string(m) + ".25";
    }
    return s;
}

const char* const ClimatLyon =
    "45.73\xB0N #Lyon-Bron\r\nH1c #Lyon-Bron\r\n"
    "1.4 2.3 3.7 4.8 5.6 6.4 6.6 5.8 4.4 2.7 1.5 1.1 #Lyon-Bron\r\n"
    "3,1 4,6 8,4 11,3 15,6 19,1 21,9 21,5 17,6 13,2 7,6 4,1 #Lyon-Bron\r\n"
    "9 9 10,5 12 13,5 15 16 16 15 13 11 9,5 #Lyon-Bron\r\n";

std::string ClimatSaisi(const std::string& nom) {
    return "45,7\xB0N #" + nom + "\r\nZone continentale #" + nom +
           "\r\n1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5 10,5 11,5 12,5 #" + nom +
           "\r\n0 1 2 3 4 5 6 7 8 9 10 11 #" + nom +
           "\r\n10.25 11.25 12.25 13.25 14.25 15.25 16.25 17.25 18.25 19.25 110.25 111.25 #" + nom +
           "\r\n";
}
} // namespace

class StationUtilisateurTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(copie.chemin()));
        for (int i = 0; i < 3; ++i)
            avant.push_back(Fichier(i));
    }
    void TearDown() override {
        SimulerEchecEcriture(-1);
        ReinitialiserDonnees();
    }
    std::string Fichier(int i) const {
        static const char* const noms[] = {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"};
        return LireOctets(copie / (std::string("Pays/") + noms[i]));
    }

    CopieFixture copie;
    NotificateurEnregistreur notif;
    std::vector<std::string> avant;
};

TEST_F(StationUtilisateurTest, RenommeeDansLesTroisFichiersSansToucherAuxAutres) {
    ASSERT_TRUE(EnregistrerStation("Lyon-Bron", Saisie("Lyon Est*")));
    EXPECT_EQ(Fichier(0), Remplace(avant[0], "Lyon-Bron #Rh\xF4ne\r\n", "Lyon Est* #Rh\xF4ne\r\n"));
    EXPECT_EQ(Fichier(1),
              Remplace(avant[1], "200 4 2 #Lyon-Bron\r\n", " 210  4  2 #Lyon Est*\r\n"));
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, ClimatSaisi("Lyon Est*")));
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_TRUE(notif.SablierRestaure());
    // Read back as at the next start: the department offers the new name.
    ChargerDonnees();
    RemplirStations("Rhône");
    EXPECT_EQ(ItemsDe(2), (std::vector<std::string>{"Lyon Est*", "Lille-Lesquin"}));
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    LireStation("Lyon Est*", latitude, hemisphere, zone, gh, text, tef);
    EXPECT_FLOAT_EQ(latitude, 45.7f);
    EXPECT_DOUBLE_EQ(tef.Item(12), 111.25);

    // Saved twice under its own name, an empty value kept in its place: still one
    // group of five lines.
    StationUtilisateur s = Saisie("Lyon Est*");
    s.Gh[3] = "";
    s.hemisphere = "S";
    for (int fois = 0; fois < 2; ++fois)
        ASSERT_TRUE(EnregistrerStation("Lyon Est*", s));
    const std::string climat =
        Remplace(Remplace(ClimatSaisi("Lyon Est*"), " 4,5 ", " 0 "), "\xB0N", "\xB0S");
    EXPECT_EQ(Fichier(2), Remplace(avant[2], ClimatLyon, climat));
}

TEST_F(StationUtilisateurTest, RefusSansRienEcrire) {
    const std::string court = "Le nom de la station doit comporter au moin 3 caractères";
    const std::pair<const char*, std::string> noms[] = {
        {"Ly", court},
        {"  Ly  ", court},
        {"LILLE-LESQUIN", "La station « LILLE-LESQUIN » existe déjà."}, // in any case
        {"LYON-BRON", ""},                                              // itself
        {"Lyo", ""},
        {"Mâcon €*", ""}};
    for (const auto& [nom, refus] : noms)
        EXPECT_EQ(RefusNomStation(nom, "Lyon-Bron"), refus) << nom;
    // Characters the files cannot hold: "#", a leading "&", no Windows-1252 code.
    for (const char* nom : {"Lyon#2*", "&Nord*", "Győr*"})
        EXPECT_NE(RefusNomStation(nom, "Lyon-Bron"), "") << nom;

    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lille-Lesquin")), ErreurExecution);
    StationUtilisateur espace = Saisie("Lyon Est*");
    espace.Text[5] = "1 2"; // would shift every month after it
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", espace), ErreurExecution);
    EXPECT_FALSE(EnregistrerStation("Paris*", Saisie("Paris 2*")));
    // The climate file, written last, fails: the two written before get their bytes back.
    SimulerEchecEcriture(600);
    EXPECT_THROW(EnregistrerStation("Lyon-Bron", Saisie("Lyon Est*")), ErreurFichier);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Fichier(i), avant[i]) << i;
}

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
