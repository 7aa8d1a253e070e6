// The data layer's readers on the fixture folder: text tables and their look-ups, the
// numbered messages, the choice lists, the country -> department -> station cascade, and
// the cold-water method.

#include "DonneesTest.h"
#include "common/CacheFichiers.h"
#include "common/Erreurs.h"
#include "data/modEauFroide.h"
#include "data/modLibelles.h"
#include "data/modMessages.h"
#include "data/modStations.h"
#include "data/modTables.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace essai;

namespace {
Table Lire(const std::string& lignes) {
    Table t;
    LireTableDepuisTexte("Titre\r\nColonnes #Nom\r\n" + lignes, "essai.txt", t);
    return t;
}
} // namespace

TEST(LireTable, DecoupageAuPremierDieseEtLignesSansDiese) {
    EXPECT_EQ(Lire("").size(), 1u); // the headings only: entry 0
    NotificateurEnregistreur notif;
    Messages[33] = "Ligne ignorée.";
    AfficherMessages = true;
    const Table t = Lire("  12 #  Nom  \r\n1 2 #a#b\r\n\r\nsans diese\r\n#Sans valeurs\r\n");
    AfficherMessages = false;
    Messages[33].clear();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Commentaire, "essai.txt");
    EXPECT_EQ(t[1].Texte, "12");
    EXPECT_EQ(t[1].Commentaire, "  Nom"); // leading spaces stay, trailing ones go
    EXPECT_EQ(t[2].Texte, "1 2");
    EXPECT_EQ(t[2].Commentaire, "a#b");
    EXPECT_EQ(t[3].Texte, "");
    EXPECT_EQ(t[3].Indice, 3); // the skipped lines do not count
    // The empty line and the line without "#".
    EXPECT_EQ(notif.messages, std::vector<std::string>(2, "Ligne ignorée."));
    EXPECT_EQ(notif.titres.front(), "Message");
}

TEST(LireTable, FichierAbsentOuDossier) {
    NotificateurEnregistreur notif;
    Messages[44] = "Fichier %s introuvable.";
    AfficherMessages = true;
    Table t = {TableLigne{}, TableLigne{"1", "ancien", 1}};
    const std::string chemin = DossierFixture() + "/absent.txt";
    EXPECT_THROW(LireTable(chemin, t), ErreurFichier);
    AfficherMessages = false;
    Messages[44].clear();
    ASSERT_EQ(t.size(), 1u); // the old content is gone, entry 0 holds the path
    EXPECT_EQ(t[0].Commentaire, chemin);
    EXPECT_EQ(notif.messages, std::vector<std::string>{"Fichier " + chemin + " introuvable."});
    EXPECT_TRUE(FichierExiste("  " + DossierFixture() + "/MESSAGES.TXT  "));
    EXPECT_FALSE(FichierExiste(DossierFixture() + "/Pays"));
}

TEST(LireValeursTable, ParNumeroEtParNom) {
    const Table t = Lire("0,8 4.2 2 1 #Capteur\r\n0,5 1 #Autre  \r\n0,9 5 3 7 #Capteur\r\n");
    float bc = -1, kc = -1;
    int16_t type = -1;
    std::string texte;
    LireValeursTable(t, 1, {&bc, &kc, &texte, &type});
    EXPECT_FLOAT_EQ(bc, 0.8f);
    EXPECT_FLOAT_EQ(kc, 4.2f);
    EXPECT_EQ(texte, "2");
    EXPECT_EQ(type, 1);
    LireValeursTable(t, std::string("Capteur"), {&bc, &kc}); // the last entry of that name
    EXPECT_FLOAT_EQ(bc, 0.9f);
    LireValeursTable(t, std::string("Autre"), {&bc, &kc, &type}); // missing value gives 0
    EXPECT_FLOAT_EQ(bc, 0.5f);
    EXPECT_EQ(type, 0);
    for (const std::string cle : {"capteur", "", "Inconnu"}) {
        texte = "x";
        LireValeursTable(t, cle, {&bc, &texte});
        EXPECT_EQ(bc, 0) << cle;
        EXPECT_EQ(texte, "") << cle;
    }
}

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiserDonnees(); }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(MessagesTest, LignesJointesEtLimitesDuFichier) {
    ChargerMessagesDepuisTexte(
        "#044\r\n  Première @ligne  \r\nseconde\r\n#045\r\nautre\r\nderniere", "M.TXT");
    EXPECT_EQ(Messages[44], "Première \rligne seconde "); // "@" is a line break
    EXPECT_EQ(Messages[45], "autre ");                    // the last line enters no message
    ChargerMessagesDepuisTexte("Messages\r\n#001\r\nA\r\n#002\r\n", "M.TXT");
    EXPECT_EQ(Messages[1], ""); // a first line without "#": nothing is loaded

    Messages[5] = "déjà là";
    try {
        ChargerMessagesDepuisTexte("#001\r\nA\r\n#700\r\nB\r\n#002\r\nC\r\n#FIN\r\n", "M.TXT");
        ADD_FAILURE() << "un numéro 700 doit être refusé";
    } catch (const ErreurIndice& e) {
        EXPECT_NE(std::string(e.what()).find("« M.TXT », ligne 3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Messages[1], "A ");      // read before the fault
    EXPECT_EQ(Messages[2], "");        // after it: not read
    EXPECT_EQ(Messages[5], "déjà là"); // texts already there are kept

    InstallDir = DossierFixture() + "/Pays";
    EXPECT_THROW(ChargerMessages(), ErreurFichier);
    EXPECT_EQ(Messages[5], "déjà là");
    InstallDir = DossierFixture(); // Windows-1252
    ChargerMessages();
    EXPECT_EQ(Messages[44], "Le fichier %s est introuvable.\rVérifiez le dossier des données. ");
}

TEST_F(MessagesTest, ParametresEtInterrupteur) {
    ListeParametres p;
    p[1] = "  ";
    p[2] = "Lyon";
    p[3] = "mars";
    // An empty first parameter is skipped; the first non-empty one fills every "%s".
    EXPECT_EQ(TexteMessage("%s en %s", p), "Lyon en Lyon");
    p[2].clear();
    EXPECT_EQ(TexteMessage("Station %s", p), "Station mars");

    NotificateurEnregistreur notif;
    Messages[120] = "Température négative pour %s. ";
    AfficherMessage(120, {"Lille"});
    EXPECT_TRUE(notif.messages.empty()); // off as delivered
    AfficherMessages = true;
    AfficherMessage(120, {"Lille"});
    EXPECT_EQ(notif.messages, std::vector<std::string>{"Température négative pour Lille. "});
    EXPECT_EQ(notif.titres, std::vector<std::string>{"Message"});
    EXPECT_EQ(Messages[120], "Température négative pour %s. "); // the stored text keeps "%s"
}

using Noms = std::vector<std::string>;

// The fixture folder's tables and lists loaded, as the site choice needs them.
class ListesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReinitialiserDonnees();
        InstallDir = DossierFixture();
        ChargerDonnees();
    }
    void TearDown() override { ReinitialiserDonnees(); }
};

TEST_F(ListesTest, ListesRempliesDepuisLeursCatalogues) {
    NotificateurEnregistreur notif;
    RemplirLibelles();
    EXPECT_TRUE(notif.SablierRestaure());
    const std::pair<std::size_t, Noms> listes[] = {
        {0, {"France", "Réunion", "Belgique"}},
        {1, {}}, // filled by the site choice, not here
        {12, {"Serpentin", "Plaques"}},
        {16, {"Horizontal", "30°", "45°", "60°", "Vertical"}},
        {24, {"Extérieur", "Local non chauffé", "Local chauffé"}},
        {29, {"Mousse élastomère", "Laine minérale"}}};
    for (const auto& [liste, noms] : listes)
        EXPECT_EQ(ItemsDe(liste), noms) << liste;
    EXPECT_EQ(ItemsDe(15)[3], "Capteur A*");
    EXPECT_EQ(ItemsDe(5).back(), "Monobloc utilisateur*");

    // A shorter orientation file leaves nothing of the longer one; "S" only is south.
    ChargerOrientations("N");
    EXPECT_EQ(ItemsDe(17), (Noms{"Sud", "Sud-Est", "Sud-Ouest", "Est", "Ouest"}));
    ChargerOrientations("S");
    EXPECT_EQ(ItemsDe(17), (Noms{"Nord", "Nord-Est", "Nord-Ouest", "Est", "Ouest"}));
    EXPECT_EQ(TableOrientations.size(), 4u);
    ChargerOrientations("");
    EXPECT_EQ(ItemsDe(17)[0], "Sud");
}

// Set at every opening and calculation, the orientations are read from their file only
// when it changed; a table changed in memory since is given back as read.
TEST_F(ListesTest, OrientationsReluesQuandLeurFichierChange) {
    CopieFixture copie;
    InstallDir = copie.chemin();
    DefinirMargeStabilite(0);
    ChargerOrientations("N");
    const Noms lues = ItemsDe(17);
    TableOrientations.clear();
    ChargerOrientations("N");
    EXPECT_EQ(ItemsDe(17), lues);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EcrireOctets(copie / "Systeme/Capteurs/ORIENTAN.DON",
                 "Orientations\r\nAzimut\r\n0 #Plein sud\r\n");
    ChargerOrientations("N");
    EXPECT_EQ(ItemsDe(17)[0], "Plein sud");
    EXPECT_EQ(TableOrientations.size(), 2u);
    DefinirMargeStabilite(2'000'000'000);
}

TEST_F(ListesTest, LibelleSuivant) {
    RemplirLibelles();
    const std::pair<const char*, const char*> suivants[] = {{"Calc. simple", "Calc. détaillé"},
                                                            {"Val. forcée", "Calc. simple"},
                                                            {"Inconnu", "Calc. simple"},
                                                            {"", "Calc. simple"}};
    for (const auto& [libelle, suivant] : suivants)
        EXPECT_EQ(LibelleSuivant(libelle, 28), suivant) << libelle;
    EXPECT_EQ(LibelleSuivant("Sans", 40), ""); // an empty list
    for (std::size_t i = 0; i < Libelles[40].size(); ++i)
        Libelles[40][i] = "L" + std::to_string(i);
    EXPECT_EQ(LibelleSuivant("L150", 40), "L0"); // a full list wraps too
    EXPECT_THROW(LibelleSuivant("x", 51), ErreurIndice);
}

TEST_F(ListesTest, DepartementsEtStationsAvecUnNiveauDeRenvois) {
    // A department whose countries text names two countries is under each of them.
    const std::pair<const char*, Noms> pays[] = {
        {"France", {"Ain", "Rhône", "Nord"}}, {"Belgique", {"Nord", "Hainaut"}}, {"Japon", {}}};
    for (const auto& [nom, departements] : pays) {
        RemplirDepartements(nom);
        EXPECT_EQ(ItemsDe(1), departements) << nom;
    }
    // Ain: its own station first, then those of Rhône ("&Rhône"), but not those of
    // Nord that Rhône itself refers to. A shorter list leaves nothing of the longer.
    const std::pair<const char*, Noms> departements[] = {{"Ain", {"Ambérieu", "Lyon-Bron"}},
                                                         {"Rhône", {"Lyon-Bron", "Lille-Lesquin"}},
                                                         {"Nord", {"Lille-Lesquin"}},
                                                         {"Hainaut", {}}};
    for (const auto& [nom, stations] : departements) {
        RemplirStations(nom, true);
        EXPECT_EQ(ItemsDe(2), stations) << nom;
    }

    std::string departement = "inchangé";
    DepartementDeStation("Lille-Lesquin", departement);
    EXPECT_EQ(departement, "Nord");
    DepartementDeStation("Inconnue", departement);
    EXPECT_EQ(departement, "Nord");
    LireTableDepuisTexte("V\r\nV\r\nNice-Côte #A\r\n&Nice #B\r\nNice #C\r\nAntibes #D\r\n",
                         "Ville.TXT", TableVilles);
    DepartementDeStation("Nice", departement); // the exact name first
    EXPECT_EQ(departement, "C");
    DepartementDeStation("Antib", departement); // or the first containing it
    EXPECT_EQ(departement, "D");
}

TEST_F(ListesTest, LectureDesStations) {
    NotificateurEnregistreur notif;
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    RemplirCollection(gh, 1.0, 20);
    LireStation("Saint-Denis-Gillot", latitude, hemisphere, zone, gh, text, tef);
    EXPECT_FLOAT_EQ(latitude, -21.1f);
    EXPECT_EQ(hemisphere, "S");
    EXPECT_EQ(zone, "H3");
    ASSERT_EQ(gh.Count(), 12);
    EXPECT_DOUBLE_EQ(gh.Item(1), 6.2);
    EXPECT_DOUBLE_EQ(text.Item(7), 21.6);
    EXPECT_DOUBLE_EQ(tef.Item(12), 24.5);
    LireStation("Lyon-Bron", latitude, hemisphere, zone, gh, text, tef); // decimal points
    EXPECT_FLOAT_EQ(latitude, 45.73f);
    EXPECT_EQ(hemisphere, "N");
    EXPECT_DOUBLE_EQ(gh.Item(12), 1.1);
    LireStation("Ambérieu", latitude, hemisphere, zone, gh, text, tef); // key with an accent
    EXPECT_FLOAT_EQ(latitude, 45.98f);
    EXPECT_TRUE(notif.messages.empty());

    EXPECT_THROW(LireStation("Paris", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);
    ChargerCollectionDepuisTexte("N #Courte\r\nZ #Courte\r\n", "S.TXT", Stations, ColonnesStation);
    EXPECT_THROW(LireStation("Courte", latitude, hemisphere, zone, gh, text, tef), ErreurExecution);
    ChargerCollectionDepuisTexte("45°N #Partielle\r\nZ #Partielle\r\n", "S.TXT", Stations,
                                 ColonnesStation);
    EXPECT_THROW(LireStation("Partielle", latitude, hemisphere, zone, gh, text, tef), ErreurIndice);
}

TEST(EauFroide, ExempleChiffreEtZone) {
    // Ten degrees all year but a warm January: Ta = 11. January and February see the
    // warm month through the half-month lag (December wraps to January), the others
    // only through the annual mean.
    std::array<float, 13> text{};
    text.fill(10.0f);
    text[1] = 22.0f;
    const auto tef = TemperaturesEauFroide(text);
    for (std::size_t m = 1; m <= 12; ++m)
        EXPECT_NEAR(tef[m], 11 + 0.91 + 0.81 * (m <= 2 ? 5 : -1), 1e-5) << m;
    EXPECT_EQ(tef[0], 0.0f);
    const char* const zones[] = {"Zone continentale", "Zone maritime",     "Zone maritime",
                                 "Zone maritime",     "Zone continentale", "Zone continentale"};
    for (int classe = 0; classe <= 5; ++classe)
        EXPECT_EQ(ZoneDeClasseMer(classe), zones[classe]) << classe;
}
