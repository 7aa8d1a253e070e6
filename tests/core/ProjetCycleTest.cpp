// The project object through its life: runs and their guards, saving, opening, and
// what a failure leaves behind.

#include "ProjetTest.h"
#include "common/Fichiers.h"
#include "project/ProjetFichier.h"
#include "project/modSimulation.h"

using namespace essai;
using CycleTest = ProjetTest;

namespace {
// A collector-and-tank system with a detailed efficiency, so that the system
// parameters the first stage computes (K, DebitEner, Etap) are visible.
void EnCapteursEtBallon(clsprojet& p) {
    p.Systeme->TypeSysteme(SystemeCapteurBallon);
    p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    p.Capteurs->surface_totale(4);
    RemplirCollection(p.Besoin->Conso, 200.0, 12);
}

// The whole state the person sees: the record as the file would hold it.
std::string Etat(clsprojet& p) {
    p.ConvertObj2Struct();
    return TexteProjet(p.Enregistrement(), p.Fichier);
}
} // namespace

TEST_F(CycleTest, OnDemandRunUpdatesSystemParametersButNotResults) {
    auto p = Nouveau();
    EnCapteursEtBallon(*p);
    ASSERT_TRUE(p->SimulerORIN(false));
    const float fecs = p->Enregistrement().Calcul.Fecs[6];
    const float etap = p->Boucle->Etap;
    ASSERT_GT(fecs, 0.0f);

    CalculAuto = false;
    p->Capteurs->surface_totale(8);
    notif.Effacer();
    ASSERT_TRUE(p->SimulerORIN(true));
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FLOAT_EQ(p->Boucle->DebitEner, 8 * 40.0f); // R = 0.9: 40 W/K per m²
    EXPECT_NE(p->Boucle->Etap, etap);
    EXPECT_FLOAT_EQ(p->Boucle->K, p->Boucle->Kt / 8 + p->Capteurs->Kc);
    EXPECT_EQ(p->Enregistrement().Calcul.Fecs[6], fecs); // results as they were

    // "&Calculer" computes everything and leaves the mode on demand.
    ProjetActif = p.get();
    ASSERT_TRUE(CalculerProjetActif());
    EXPECT_FALSE(CalculAuto);
    EXPECT_GT(p->Enregistrement().Calcul.Fecs[6], fecs);
    EXPECT_FLOAT_EQ(static_cast<float>(p->Systeme->Fecs.Item(6)),
                    p->Enregistrement().Calcul.Fecs[6]);

    // Two runs on unchanged inputs give the same results.
    const std::string apres = Etat(*p);
    ASSERT_TRUE(CalculerProjetActif());
    EXPECT_EQ(Etat(*p), apres);

    ProjetActif = nullptr;
    EXPECT_FALSE(CalculerProjetActif());
}

TEST_F(CycleTest, NoRunWhileComponentsAreRefilled) {
    auto p = Nouveau();
    CalculPermis = false;
    notif.Effacer();
    EXPECT_TRUE(p->SimulerORIN(true));
    EXPECT_TRUE(notif.sabliers.empty());
    CalculPermis = true;
    // The copy back switches the guard off while it works, and on again after.
    p->ConvertStruct2Obj();
    EXPECT_TRUE(CalculPermis);
}

TEST_F(CycleTest, AFailingStageEndsTheRunButNotTheCursorOrTheTable) {
    CopieFixture copie;
    std::filesystem::remove_all(copie / "Soleil");
    auto p = Nouveau();
    InstallDir = copie.chemin();
    notif.Effacer();
    EXPECT_FALSE(p->SimulerORIN(false));
    EXPECT_TRUE(notif.AMessageContenant("Le calcul a été interrompu"));
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FALSE(TableProjetsTenue());

    // A fault in the copy into the record itself: still no cursor left on.
    for (int i = 0; i < 40; ++i)
        p->Masque->Masque_Angle.Add(1.0);
    notif.Effacer();
    EXPECT_THROW(p->SimulerORIN(false), ErreurIndice);
    EXPECT_TRUE(notif.SablierRestaure());
    EXPECT_FALSE(TableProjetsTenue());
}

TEST_F(CycleTest, SavedProjectOpensAsItWasWithoutARun) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    EnCapteursEtBallon(*p);
    p->Echangeur->PresenceEchangeur = "Echangeur";
    p->Echangeur->PositionEchangeur = "Incorporé";
    p->Appoint->TypeAppoint = "Appoint intégré";
    p->Appoint->ModeAppoint = "H creuses";
    p->Ballon->IndiceSituation = 3;
    p->Meteo->station("Lyon-Bron");
    p->Meteo->Altitude = 320;
    p->Capteurs->Orientation("Sud-Est");
    ASSERT_TRUE(p->SimulerORIN(false));
    ASSERT_EQ(p->Enregistrement().Calcul.Classe_Systeme, 1);
    p->Fichier = dossier / "etude.vqp";
    p->WithDataDo(2);
    const std::string enregistre = LireOctets(p->Fichier);

    // Opening builds a new project, as the Open command does, and starts no run.
    auto q = Nouveau();
    q->Fichier = p->Fichier;
    notif.Effacer();
    q->WithDataDo(1);
    EXPECT_TRUE(notif.sabliers.empty());
    EXPECT_TRUE(notif.messages.empty());
    EXPECT_EQ(q->Systeme->TypeSysteme(), SystemeCapteurBallon);
    EXPECT_EQ(q->Systeme->Classe_Systeme(), 1);
    EXPECT_EQ(q->Systeme->Categorie_Syteme(), "CA_BA_EC_AINC");
    EXPECT_EQ(q->Appoint->ModeAppoint, "H creuses");
    EXPECT_EQ(q->Ballon->IndiceSituation, 3);
    EXPECT_EQ(q->Meteo->station(), "Lyon-Bron");
    EXPECT_EQ(q->Meteo->Departement(), "Rhône");
    EXPECT_FLOAT_EQ(q->Meteo->Altitude, 320.0f);
    EXPECT_EQ(q->Capteurs->Orientation(), "-45");
    EXPECT_FLOAT_EQ(static_cast<float>(q->Systeme->Fecs.Item(7)),
                    p->Enregistrement().Calcul.Fecs[7]);
    EXPECT_EQ(Rogner(q->Enregistrement().Calcul.NomProjet.str()), q->Nom);

    // Saved again, it is the same file.
    q->WithDataDo(2);
    EXPECT_EQ(LireOctets(q->Fichier), enregistre);
    // And it calculates as the original did.
    ASSERT_TRUE(q->SimulerORIN(false));
    ASSERT_TRUE(p->SimulerORIN(false));
    EXPECT_EQ(q->Enregistrement().Calcul.Fecs, p->Enregistrement().Calcul.Fecs);
}

TEST_F(CycleTest, ACorruptFileLeavesTheOpenProjectUnchanged) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    p->Fichier = dossier / "bon.vqp";
    p->WithDataDo(2);
    const std::string bon = LireOctets(p->Fichier);

    auto q = Nouveau();
    EnCapteursEtBallon(*q);
    ASSERT_TRUE(q->SimulerORIN(false));
    const std::string avant = Etat(*q);
    const std::string fichierAvant = q->Fichier;

    // A value of the wrong type halfway through the file.
    std::string abime = bon;
    abime.replace(abime.find("Vn\t"), 6, "Vn\tx");
    EcrireOctets(dossier / "abime.vqp", abime);
    q->Fichier = dossier / "abime.vqp";
    try {
        q->WithDataDo(1);
        FAIL() << "a corrupt file was read";
    } catch (const ErreurFichier& e) {
        EXPECT_NE(std::string(e.what()).find("abime.vqp"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("ligne"), std::string::npos);
    }
    q->Fichier = fichierAvant;
    EXPECT_EQ(Etat(*q), avant);

    // A station the reference data do not know: refused after the file was read.
    std::string inconnue = LireFichierTexte(dossier / "bon.vqp", GenreFichier::Projet);
    inconnue.replace(inconnue.find("Station\tAmbérieu"), std::string("Station\tAmbérieu").size(),
                     "Station\tAtlantide");
    EcrireFichierTexte(dossier / "inconnue.vqp", inconnue);
    q->Fichier = dossier / "inconnue.vqp";
    EXPECT_THROW(q->WithDataDo(1), ErreurFichier);
    EXPECT_EQ(q->Fichier, dossier / "inconnue.vqp");
    q->Fichier = fichierAvant;
    EXPECT_EQ(Etat(*q), avant);
    EXPECT_EQ(q->Meteo->station(), "Ambérieu");
    EXPECT_EQ(Libelles[2][0], "Ambérieu");
}

TEST_F(CycleTest, AnInterruptedSaveLeavesThePreviousFile) {
    DossierTemporaire dossier;
    auto p = Nouveau();
    p->Fichier = dossier / "garde.vqp";
    p->WithDataDo(2);
    const std::string avant = LireOctets(p->Fichier);

    EnCapteursEtBallon(*p);
    ASSERT_TRUE(p->SimulerORIN(false));
    SimulerEchecEcriture(1000);
    EXPECT_THROW(p->WithDataDo(2), ErreurFichier);
    SimulerEchecEcriture(-1);
    EXPECT_EQ(LireOctets(p->Fichier), avant);

    p->WithDataDo(2);
    EXPECT_NE(LireOctets(p->Fichier), avant);
}
