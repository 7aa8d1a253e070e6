// Le projet au long de sa vie : les calculs et leurs gardes, l'enregistrement,
// l'ouverture, ce qu'un refus ou un échec laisse derrière lui.

#include "ProjetTest.h"
#include "common/Fichiers.h"
#include "project/EtatApplication.h"
#include "project/ProjetFichier.h"
#include "project/ReglesSaisie.h"
#include "project/modSimulation.h"

using namespace essai;
using CycleTest = ProjetTest;

namespace {
// A collector-and-tank system with a detailed efficiency, so that the system
// parameters the first stage computes (K, DebitEner, Etap) are visible.
void EnCapteursEtBallon(clsprojet& p) {
    p.Appliquer("TypeSysteme", SystemeCapteurBallon);
    p.Appliquer("Efficacité:TypeDeCalcul", "Calc. détaillé");
    p.Appliquer("a", "4");
    p.Appliquer("Conso", "200");
}

// The whole state the person sees: the record as the file would hold it.
std::string EtatProjet(clsprojet& p) {
    p.ConvertObj2Struct();
    return p.TexteFichier();
}
} // namespace

TEST_F(CycleTest, CalculSurDemandeEtCalculer) {
    auto p = Nouveau();
    EnCapteursEtBallon(*p);
    ASSERT_TRUE(p->SimulerORIN(false).Complet());
    EXPECT_TRUE(p->ResultatsCalcules());
    const float fecs = p->Enregistrement().Calcul.Fecs[6];
    const float etap = p->Boucle->Etap;
    ASSERT_GT(fecs, 0.0f);

    Etat().DefinirCalculAuto(false);
    notif.Effacer();
    ASSERT_TRUE(p->Modifier("a", "8").Complet());
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FLOAT_EQ(p->Boucle->DebitEner, 8 * 40.0f); // R = 0.9: 40 W/K per m²
    EXPECT_NE(p->Boucle->Etap, etap);
    EXPECT_FLOAT_EQ(p->Boucle->K, p->Boucle->Kt / 8 + p->Capteurs->Kc);
    EXPECT_EQ(p->Enregistrement().Calcul.Fecs[6], fecs); // results as they were...
    EXPECT_FALSE(p->ResultatsCalcules());                // ...and not shown as this run's

    // "&Calculer" computes everything and leaves the mode on demand.
    p->DevenirActif();
    ASSERT_TRUE(CalculerProjetActif().Complet());
    EXPECT_FALSE(Etat().CalculAuto());
    EXPECT_TRUE(p->ResultatsCalcules());
    EXPECT_GT(p->Enregistrement().Calcul.Fecs[6], fecs);

    // Two runs on unchanged inputs give the same results.
    const std::string apres = EtatProjet(*p);
    ASSERT_TRUE(p->Calculer().Complet());
    EXPECT_EQ(EtatProjet(*p), apres);
}

TEST_F(CycleTest, UnEchecDuCalculNeLaissePasLeSablierNiLaTable) {
    CopieFixture copie;
    std::filesystem::remove_all(copie / "Soleil");
    auto p = Nouveau();
    InstallDir = copie.chemin();
    notif.Effacer();
    const RapportCalcul rapport = p->SimulerORIN(false);
    EXPECT_TRUE(rapport.Interrompu());
    EXPECT_EQ(rapport.Etape(), "CalculerDonneesMensuelles");
    EXPECT_FALSE(p->ResultatsCalcules());
    EXPECT_TRUE(notif.messages.empty()); // no window: the report is the caller's
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FALSE(Etat().TableTenue());
    EXPECT_TRUE(Etat().CalculPermis());

    // A fault in the copy into the record itself: still no cursor left on.
    for (int i = 0; i < 40; ++i)
        p->Masque->Masque_Angle.Add(1.0);
    notif.Effacer();
    EXPECT_THROW((void)p->SimulerORIN(false), ErreurIndice);
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_TRUE(Etat().CalculPermis());
}

TEST_F(CycleTest, UnProjetEnregistrePuisOuvertRevientTelQuel) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    EnCapteursEtBallon(*p);
    for (const auto& [cle, valeur] : std::initializer_list<std::pair<const char*, const char*>>{
             {"PresenceEchangeur", "Echangeur"},
             {"PositionEchangeur", "Incorporé"},
             {"TypeAppoint", "Appoint intégré"},
             {"ModeAppoint", "H creuses"},
             {"B_Situation.Indice", "3"},
             {"TLocalChauffe", "22"},
             {"Station", "Lyon-Bron"},
             {"Situation.Altitude", "320"},
             {"Orientation", "Sud-Est"},
             {"Client", "  Famille Müller "},
             {"Commune", "Écully (69)"}})
        p->Appliquer(cle, valeur);
    // Twice: the tank loss as entered follows the computed one a run later.
    ASSERT_TRUE(p->SimulerORIN(false).Complet());
    ASSERT_TRUE(p->SimulerORIN(false).Complet());
    ASSERT_EQ(p->Enregistrement().Calcul.Classe_Systeme, ClasseSysteme::EchangeurIncorpore);
    p->EnregistrerSous(dossier / "etude.vqp");
    const std::string enregistre = LireOctets(dossier / "etude.vqp");
    EXPECT_NE(enregistre.find("Ballon:TLocalChauffe\t22"), std::string::npos);

    // Opened elsewhere (the path inside the file is where it was written): the project
    // takes the path it was opened from, and starts no run.
    std::filesystem::rename(dossier / "etude.vqp", dossier / "copie.vqp");
    auto q = Nouveau();
    notif.Effacer();
    q->Ouvrir(dossier / "copie.vqp");
    EXPECT_TRUE(notif.sabliers.empty());
    EXPECT_EQ(q->Fichier, dossier / "copie.vqp");
    EXPECT_EQ(q->Systeme->Classe_Systeme(), ClasseSysteme::EchangeurIncorpore);
    EXPECT_EQ(q->Systeme->Categorie_Syteme(), "CA_BA_EC_AINC");
    EXPECT_EQ(q->Appoint->ModeAppoint, "H creuses");
    EXPECT_EQ(q->Ballon->IndiceSituation, 3);
    EXPECT_FLOAT_EQ(q->Ballon->TLocalChauffe, 22.0f); // kept by the extension section
    EXPECT_EQ(q->Dossier.Client, "Famille Müller");   // trimmed
    EXPECT_EQ(q->Dossier.Commune, "Écully (69)");
    EXPECT_EQ(q->Meteo->Departement(), "Rhône");
    EXPECT_EQ(q->Capteurs->Orientation(), "-45");

    // It calculates as the original did, and saved again it is the same file but for
    // the path it records.
    ASSERT_TRUE(q->SimulerORIN(false).Complet());
    ASSERT_TRUE(p->SimulerORIN(false).Complet());
    EXPECT_EQ(q->Enregistrement().Calcul.Fecs, p->Enregistrement().Calcul.Fecs);
    q->Enregistrer();
    std::string attendu = enregistre;
    attendu.replace(attendu.find("etude.vqp"), 9, "copie.vqp");
    EXPECT_EQ(LireOctets(dossier / "copie.vqp"), attendu);
}

TEST_F(CycleTest, UneValeurRefuseeNeChangeRien) {
    auto p = Nouveau();
    const std::string longue(101, 'x');
    const std::string avant = EtatProjet(*p);
    for (const auto& [cle, valeur, message] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"KsurB", "0", "K/B  [W/(m².K)] : Cette valeur doit être comprise entre 0,01 et 99"},
             {"inclinaison", "120",
              "Inclinaison [°] : Cette valeur doit être comprise entre 0 et 99"},
             {"Conso", "100 100 100 100 100 100 100 100 100 100 100 -5",
              "Consommation journalière [l/j] (décembre) : Cette valeur doit être comprise entre 1 "
              "et "
              "100000"},
             {"Situation.Altitude", "4a",
              "Altitude [m] : Cette valeur doit être numérique, comprise entre -100 et 5000"},
             {"Station", "Atlantide", "Station : la station « Atlantide » est inconnue"},
             {"Client", "Famille\tMartin", "Client : une seule ligne, sans tabulation"},
             {"Reference", longue.c_str(), "Référence du devis : au plus 100 caractères"},
             {"Contact", "☎ 04 78",
              "Contact de l'installateur : un caractère n'a pas d'équivalent "
              "dans le fichier du projet (Windows-1252)"}}) {
        try {
            p->Appliquer(cle, valeur);
            ADD_FAILURE() << cle << "=" << valeur << " accepted";
        } catch (const ErreurParametre& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    EXPECT_EQ(EtatProjet(*p), avant);
}

TEST_F(CycleTest, UnFichierAvecUneValeurHorsLimitesSOuvreMaisNeSeCalculePas) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    p->EnregistrerSous(dossier / "bon.vqp");
    std::string texte = LireFichierTexte(dossier / "bon.vqp", GenreFichier::Projet);
    const std::size_t ligne = texte.find("KsurB\t");
    texte.replace(ligne, texte.find("\r\n", ligne) - ligne, "KsurB\t0");
    EcrireFichierTexte(dossier / "zero.vqp", texte);

    auto q = Nouveau();
    q->Ouvrir(dossier / "zero.vqp");
    EXPECT_EQ(q->Capteurs->KsurB, 0.0f); // shown as the file holds it
    const RapportCalcul rapport = q->Calculer();
    EXPECT_TRUE(rapport.Interrompu());
    EXPECT_EQ(rapport.Etape(), "VerifierEntrees");
    ASSERT_FALSE(rapport.Messages().empty());
    EXPECT_EQ(rapport.Messages().front().texte,
              "K/B  [W/(m².K)] : 0 lu ; Cette valeur doit être comprise entre 0,01 et 99");
    EXPECT_FALSE(q->ResultatsCalcules());

    // Hot water no warmer than the station's cold water: told with the month.
    ASSERT_TRUE(p->Modifier("Tref", "30").Complet());
    p->Meteo->Tef.Item(7) = 30;
    const RapportCalcul froid = p->Calculer();
    EXPECT_TRUE(froid.Interrompu());
    EXPECT_TRUE(std::any_of(froid.Messages().begin(), froid.Messages().end(), [](auto& m) {
        return m.texte.find("en juillet") != std::string::npos;
    }));
}

TEST_F(CycleTest, UnFichierAbimeLaisseLeProjetOuvertIntact) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    p->EnregistrerSous(dossier / "bon.vqp");
    const std::string bon = LireOctets(dossier / "bon.vqp");

    auto q = Nouveau();
    EnCapteursEtBallon(*q);
    ASSERT_TRUE(q->SimulerORIN(false).Complet());
    const std::string avant = EtatProjet(*q);
    const std::string fichierAvant = q->Fichier;

    const auto refuse = [&](const std::string& nom, const std::string& texte,
                            const std::string& attendu) {
        EcrireOctets(dossier / nom, texte);
        try {
            q->Ouvrir(dossier / nom);
            ADD_FAILURE() << nom << " was read";
        } catch (const ErreurFichier& e) {
            EXPECT_NE(std::string(e.what()).find(attendu), std::string::npos) << e.what();
        }
        EXPECT_EQ(q->Fichier, fichierAvant);
        EXPECT_EQ(EtatProjet(*q), avant);
    };
    std::string abime = bon;
    abime.replace(abime.find("Vn\t"), 6, "Vn\tx");
    refuse("abime.vqp", abime, "ligne");
    std::string cle = bon;
    cle.replace(cle.find("Tref\t"), 4, "Conso");
    refuse("cle.vqp", cle, "la clé « Tref » est attendue");
    refuse("suite.vqp", bon + "du texte qui n'est pas une section\r\n", "l'en-tête de section");
    std::string inconnue = LireFichierTexte(dossier / "bon.vqp", GenreFichier::Projet);
    inconnue.replace(inconnue.find("Station\tAmbérieu"), std::string("Station\tAmbérieu").size(),
                     "Station\tAtlantide");
    EcrireFichierTexte(dossier / "inconnue.vqp", inconnue);
    refuse("inconnue.vqp", LireOctets(dossier / "inconnue.vqp"), "inconnue.vqp");
    EXPECT_EQ(q->Meteo->station(), "Ambérieu");
    EXPECT_EQ(Libelles[Liste::Stations][0], "Ambérieu");
}

TEST_F(CycleTest, UnEnregistrementInterrompuGardeLeFichierPrecedent) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    p->EnregistrerSous(dossier / "garde.vqp");
    const std::string avant = LireOctets(dossier / "garde.vqp");

    EnCapteursEtBallon(*p);
    ASSERT_TRUE(p->SimulerORIN(false).Complet());
    SimulerEchecEcriture(1000);
    EXPECT_THROW(p->EnregistrerSous(dossier / "autre.vqp"), ErreurFichier);
    EXPECT_THROW(p->Enregistrer(), ErreurFichier);
    SimulerEchecEcriture(-1);
    EXPECT_EQ(p->Fichier, dossier / "garde.vqp"); // a failed "Enregistrer sous" keeps the name
    EXPECT_EQ(LireOctets(dossier / "garde.vqp"), avant);
    EXPECT_FALSE(std::filesystem::exists(dossier / "autre.vqp"));

    p->Enregistrer();
    EXPECT_NE(LireOctets(p->Fichier), avant);
}
