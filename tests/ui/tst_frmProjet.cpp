// The project window driven as the person would, on the reference data folder: typed
// fields and their checks, the picture buttons, section visibility and folding, the
// results in both calculation modes, "&Annuler" and "&Calculer".

#include "OutilsTest.h"
#include "engine/modCalculORIN.h"
#include "project/EtatApplication.h"
#include "project/clsprojet.h"
#include "ui/BoutonImage.h"
#include "ui/ChampSaisie.h"
#include "ui/ProjetFenetre.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmMain.h"
#include "ui/frmProjet.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {
QAction* Action(const frmMain& f, const char* nom) {
    return f.findChildren<QAction*>(QString::fromLatin1(nom)).value(0);
}

// The main window shown and active, holding one new project.
struct Bureau {
    FabriqueProjetsFenetres fabrique;
    frmMain principal{fabrique};
    ProjetFenetre* projet = nullptr;

    Bureau() {
        principal.setGeometry(0, 0, 1280, 800);
        principal.show();
        principal.activateWindow();
        if (!QTest::qWaitForWindowActive(&principal))
            qWarning("main window not active");
        projet = static_cast<ProjetFenetre*>(principal.LoadNewDoc());
    }
    frmProjet& F() const { return *projet->Formulaire(); }
    clsprojet& P() const { return projet->Projet(); }
    ChampSaisie* C(const char* nom) const { return F().Champ(nom); }
    void Cliquer(int bouton) const { QTest::mouseClick(F().Bouton(bouton), Qt::LeftButton); }
    bool Visible(const char* nom) const {
        auto* w = F().findChild<QWidget*>(QString::fromLatin1(nom));
        return w != nullptr && w->isVisibleTo(&F());
    }
    void SystemeCapteurBallon() const {
        if (P().Systeme->IsChauffeEau())
            Cliquer(14);
    }
};

// Closes, while it lives, every modal dialog or message box that opens, as if the
// person cancelled it, and notes its title.
class FermeurDeBoites {
public:
    FermeurDeBoites() {
        QObject::connect(&minuterie_, &QTimer::timeout, [this] {
            if (auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                titres << boite->windowTitle();
                boite->reject();
            }
        });
        minuterie_.start(10);
    }
    QStringList titres;

private:
    QTimer minuterie_;
};

// Every result cell (rows 1-4, columns 1-13) of the grid, row by row.
QStringList Resultats(const ResultatsGrille& g) {
    QStringList cellules;
    for (int l = 1; l < ResultatsGrille::NbLignes; ++l)
        for (int c = 1; c < ResultatsGrille::NbColonnes; ++c)
            cellules << g.Texte(l, c);
    return cellules;
}
} // namespace

class TestFrmProjet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        ChargerDonneesReference();
    }
    void init() {
        InitialiserProjets();
        Etat().DefinirCalculAuto(true);
    }

    void sectionsEtLibellesMotPourMot() {
        Bureau b;
        const std::pair<const char*, const char*> cadres[] = {
            {"fMeteo", "METEO"},        {"fStation", "Station"},
            {"fSite", "Site"},          {"fBesoins", "BESOINS"},
            {"fSysteme", ""},           {"fCapteurs", "Capteurs"},
            {"fChauffeEau", ""},        {"fCaptage", "Boucle de captage"},
            {"fBallon", "Ballon"},      {"fEchangeur", ""},
            {"fAppoint", ""},           {"fMasque", ""},
            {"fResultats", "RESULTATS"}};
        for (const auto& [nom, titre] : cadres) {
            auto* cadre = b.F().findChild<QGroupBox*>(QString::fromLatin1(nom));
            QVERIFY2(cadre != nullptr, nom);
            QCOMPARE(cadre->title(), QString::fromUtf8(titre));
        }
        const std::pair<const char*, const char*> libelles[] = {
            {"txtPays", "Pays"},
            {"txtDepartement", "Départ."},
            {"txtStation", "Station"},
            {"txtAltitude", "Altitude [m]"},
            {"txtDistanceMer", "Distance mer [km]"},
            {"txtNbHabitant", "Millions d'hab."},
            {"txtCapteur", "Type"},
            {"TxtAc", "Ac [m²]"},
            {"txtBc", "Bc"},
            {"txtKc", "Kc [W/(m².K)]"},
            {"txtNbCapteurs", "Nombre"},
            {"txtSurfaceTotale", "Surf.totale [m²]"},
            {"txtInclinaison", "Inclinaison [°]"},
            {"txtOrientation", "Orientation [°]"},
            {"txtCategorieCapteur", "Catégorie"},
            {"txtTypeChauffeEau", "Type"},
            {"txtABEtap", "ABEtap  [m²]"},
            {"txtKsurB", "K/B  [W/(m².K)]"},
            {"TxtDn", "Dn [W/K]"},
            {"txtM", "M [kg]"},
            {"txtInclinaisonChauffeEau", "Inclinaison [°]"},
            {"txtOrientationChauffeEau", "Orientation [°]"},
            {"txtConsigneCE", "Température [°C]"},
            {"txtLieuCE", "Lieu"},
            {"txtCalorifugeage", "Calorifugeage"},
            {"txtEfficaciteBoucle", "Efficacité"},
            {"txtDeperditionBoucle", "Déperdition thermique [W/(m².K)]"},
            {"txtDebitEnergetique1Boucle", "Débit énerg. 1 [W/K]"},
            {"txtDebitEnergetique2Boucle", "Débit énerg. 2 [W/K]"},
            {"txtTypeBallon", "Type"},
            {"txtVn", "Vn [l]"},
            {"txtVs", "Vs [l]"},
            {"txtCr", "Cr [Wh/ (l.K.j)]"},
            {"txtDeperditionBallon", "Ds [W/K]"},
            {"txtConsigne", "T [°C]"},
            {"txtLieu", "Lieu"},
            {"txtKech", "Kéch [W/K]"},
            {"txtKechA", "Surf. [m²]"},
            {"txtAlim", "Aliment."},
            {"txtVcElec", "Vc Elec. [l]"}};
        for (const auto& [champ, libelle] : libelles) {
            auto* l = b.F().findChild<QLabel*>(QStringLiteral("lbl_") + QString::fromLatin1(champ));
            QVERIFY2(l != nullptr && b.C(champ) != nullptr, champ);
            QCOMPARE(l->text(), QString::fromUtf8(libelle));
        }
        // Numeric fields are right-aligned, chosen ones left-aligned.
        QVERIFY(b.C("txtVn")->alignment() & Qt::AlignRight);
        QVERIFY(b.C("txtLieu")->alignment() & Qt::AlignLeft);
        // Every picture button 0..32 but 28 and 29 (lists without a button here).
        for (int i = 0; i <= 32; ++i)
            QVERIFY2((b.F().Bouton(i) != nullptr) == (i != 28 && i != 29),
                     qPrintable(QString::number(i)));
    }

    void uneSaisieRefuseeLaisseLaValeurPrecedente() {
        NotificateurEnregistreur notes;
        Bureau b;
        ChampSaisie* altitude = b.C("txtAltitude");
        const QString avant = altitude->text();
        Saisir(altitude, QStringLiteral("1a"), false);
        QCOMPARE(altitude->text(), avant);
        QCOMPARE(notes.messages,
                 std::vector<std::string>{"Altitude [m] : Cette valeur doit être numérique"});

        // The window's cases a user reported: each refused with the field and its range,
        // the previous value kept, the results untouched.
        b.SystemeCapteurBallon();
        (void)b.P().Modifier("Type_capteur", "Plan sélectif 2,3 m²");
        const float couverture = b.P().Enregistrement().Calcul.Fecs_an;
        const struct {
            const char* champ;
            const char* saisie;
            const char* message;
        } cas[] = {
            {"txtNbCapteurs", "0", "Nombre : Cette valeur doit être comprise entre 1 et 999"},
            // Whole collectors: from one to 999 of them.
            {"txtSurfaceTotale", "-4",
             "Surf.totale [m²] : Cette valeur doit être comprise entre "
             "2,3 et 2297,7"},
            {"txtSurfaceTotale", "100000",
             "Surf.totale [m²] : Cette valeur doit être comprise "
             "entre 2,3 et 2297,7"},
            {"txtAltitude", "99999",
             "Altitude [m] : Cette valeur doit être comprise entre -100 "
             "et 5000"},
            {"txtOrientation", "99999",
             "Orientation [°] : Cette valeur doit être comprise entre "
             "-180 et 180"},
        };
        for (const auto& c : cas) {
            notes.messages.clear();
            const QString precedent = b.C(c.champ)->text();
            Saisir(b.C(c.champ), QString::fromLatin1(c.saisie));
            QCOMPARE(notes.messages, std::vector<std::string>{c.message});
            QCOMPARE(b.C(c.champ)->text(), precedent);
            QVERIFY(!b.C(c.champ)->Modifie());
        }
        QCOMPARE(b.P().Enregistrement().Calcul.Fecs_an, couverture);
    }

    void surfaceValideeArrondieAuNombreEntierDeCapteurs() {
        NotificateurEnregistreur notes;
        Bureau b;
        b.SystemeCapteurBallon();
        QCOMPARE(b.C("TxtAc")->text(), QStringLiteral("2,00")); // first catalogue collector
        Saisir(b.C("txtSurfaceTotale"), QStringLiteral("7"));
        QCOMPARE(b.C("txtNbCapteurs")->text(), QStringLiteral("4"));
        QCOMPARE(b.C("txtSurfaceTotale")->text(), QStringLiteral("8,00"));
        // 2.5 collectors: halves go to the even number.
        Saisir(b.C("txtSurfaceTotale"), QStringLiteral("5"));
        QCOMPARE(b.C("txtNbCapteurs")->text(), QStringLiteral("2"));
        QCOMPARE(b.C("txtSurfaceTotale")->text(), QStringLiteral("4,00"));
        QCOMPARE(b.P().Enregistrement().Calcul.a, 4.0f);
        // The per-m² row follows the new area.
        const float prod = b.P().Enregistrement().Calcul.Prod[6];
        QCOMPARE(b.F().Grille()->Texte(4, 6), QString::number(std::floor(prod / 4 + 0.5)));
        QVERIFY(notes.messages.empty());
    }

    void boutonSystemeBasculeChauffeEauEtCapteurs() {
        Bureau b;
        const auto chauffeEau = [&] {
            return b.Visible("fChauffeEau") && !b.Visible("fCapteurs") && !b.Visible("fCaptage") &&
                   !b.Visible("fBallon") && !b.Visible("txtAppoint");
        };
        const auto capteurs = [&] {
            return !b.Visible("fChauffeEau") && b.Visible("fCapteurs") && b.Visible("fCaptage") &&
                   b.Visible("fBallon") && b.Visible("txtAppoint") && b.Visible("pic26");
        };
        const ResultatsGrille& grille = *b.F().Grille();
        QCOMPARE(b.C("txtSysteme")->text(), QStringLiteral("CHAUFFE-EAU MONOBLOC"));
        QVERIFY(chauffeEau());
        // A one-piece heater has no collector area to give a productivity per m².
        QVERIFY(grille.Texte(4, 1).isEmpty() && grille.Texte(4, 13).isEmpty());
        QVERIFY(!grille.Texte(3, 13).isEmpty());
        b.Cliquer(14);
        QCOMPARE(b.C("txtSysteme")->text(), QStringLiteral("SYSTEME CAPTEUR BALLON"));
        QVERIFY(capteurs());
        QVERIFY(!grille.Texte(4, 1).isEmpty() && !grille.Texte(4, 13).isEmpty());
        // An auxiliary, then the one-piece heater again: it removes the auxiliary.
        b.Cliquer(26);
        QVERIFY(b.Visible("fAppoint"));
        b.Cliquer(14);
        QVERIFY(chauffeEau());
        QVERIFY(!b.Visible("fAppoint"));
        QCOMPARE(b.P().Appoint->TypeAppoint, std::string("Sans appoint"));
        // Classe_Systeme of the last run follows the type.
        QCOMPARE(b.P().Enregistrement().Calcul.Classe_Systeme, ClasseSysteme::ChauffeEauMonobloc);
        QVERIFY(!b.F().Bouton(14)->Enfonce());
    }

    void echangeurVisibleSelonLEfficaciteDetaillee() {
        Bureau b;
        b.SystemeCapteurBallon();
        QVERIFY(!b.Visible("txtEchangeur"));
        ChoisirDansLePopup(QStringLiteral("Calc. détaillé"));
        b.Cliquer(22);
        QCOMPARE(b.F().Indicateur(22)->Code(), 1);
        QVERIFY(b.Visible("txtEchangeur") && b.Visible("pic11"));
        QVERIFY(!b.Visible("fEchangeur"));
        b.Cliquer(11);
        QCOMPARE(b.C("txtEchangeur")->text(), QStringLiteral("Echangeur"));
        QVERIFY(b.Visible("fEchangeur") && b.Visible("fSituationEchangeur"));
        QVERIFY(!b.Visible("fDetailEchangeur"));
        b.Cliquer(27);
        QCOMPARE(b.C("txtSituationEchangeur")->text(), QStringLiteral("Incorporé"));
        QCOMPARE(b.P().Enregistrement().Calcul.Classe_Systeme, ClasseSysteme::EchangeurIncorpore);
        // The exchanger's choice is forced or simple, never detailed.
        ChoisirDansLePopup(QStringLiteral("Calc. détaillé"));
        b.Cliquer(13);
        QCOMPARE(b.P().Echangeur->TypeDeCalcul, std::string("Calc. simple"));
        ChoisirDansLePopup(QStringLiteral("Val. forcée"));
        b.Cliquer(13);
        QCOMPARE(b.F().Indicateur(13)->Code(), 2);
    }

    void listeAnnuleeNeChangeRienEtListesDePosition() {
        NotificateurEnregistreur notes;
        Bureau b;
        b.SystemeCapteurBallon();
        const std::string modele = b.P().Ballon->TypeBallon();
        QStringList vus;
        ChoisirDansLePopup(QString(), &vus);
        b.Cliquer(23);
        QCOMPARE(b.P().Ballon->TypeBallon(), modele);
        QVERIFY(vus.contains(QStringLiteral("Ballon solaire 300 l")));
        QVERIFY(!b.F().Bouton(23)->Enfonce());
        // Lists whose position is stored: the location and the distance class.
        ChoisirDansLePopup(QStringLiteral("Local chauffé"));
        b.Cliquer(24);
        QCOMPARE(b.P().Ballon->IndiceSituation, int16_t(3));
        QCOMPARE(b.C("txtLieu")->text(), QStringLiteral("Local chauffé"));
        ChoisirDansLePopup(QStringLiteral("[1;5["));
        b.Cliquer(3);
        QCOMPARE(b.P().Meteo->Distance_Mer, int16_t(2));
        QCOMPARE(b.C("txtDistanceMer")->text(), QStringLiteral("[1;5["));
        QVERIFY(notes.messages.empty());
    }

    void clicsQuiOuvrentLesDialogues() {
        FermeurDeBoites fermeur;
        Bureau b;
        // A catalogue station cannot be edited: its click opens nothing.
        QTest::mouseClick(b.C("txtStation"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(fermeur.titres.isEmpty());
        ChoisirDansLePopup(QStringLiteral("Stations utilisateur"));
        b.Cliquer(1);
        QCOMPARE(b.C("txtStation")->text(), QStringLiteral("Station utilisateur 1*"));
        QTest::mouseClick(b.C("txtStation"), Qt::LeftButton);
        QCOMPARE(fermeur.titres, QStringList{"Station"});
        QTest::mouseClick(b.F().findChild<QWidget*>(QStringLiteral("picTeau")), Qt::LeftButton);
        QCOMPARE(fermeur.titres.last(), QStringLiteral("Besoins"));

        // A detailed flow 2 opens the flow dialog; another choice opens nothing.
        b.SystemeCapteurBallon();
        ChoisirDansLePopup(QStringLiteral("Calc. simple"));
        b.Cliquer(21);
        QCOMPARE(fermeur.titres.size(), 2);
        ChoisirDansLePopup(QStringLiteral("Calc. détaillé"));
        b.Cliquer(21);
        QCOMPARE(fermeur.titres.last(), QStringLiteral("Débit énergétique 2"));
        QCOMPARE(b.P().Boucle->TypeDeCalcul2(), std::string("Calc. détaillé"));
    }

    void lesDeuxConsignesSontLaMemeTemperature() {
        Bureau b;
        Saisir(b.C("txtConsigneCE"), QStringLiteral("21,5"));
        QCOMPARE(b.P().Ballon->TLocalChauffe, 21.5f);
        QCOMPARE(b.C("txtConsigne")->text(), QStringLiteral("21,50"));
        Saisir(b.C("txtConsigne"), QStringLiteral("18"));
        QCOMPARE(b.C("txtConsigneCE")->text(), QStringLiteral("18,00"));
    }

    void modeSurDemandeVideLaGrilleEtCalculerLaRemplit() {
        Bureau b;
        const QStringList plein = Resultats(*b.F().Grille());
        QVERIFY(!plein.front().isEmpty());
        Etat().DefinirCalculAuto(false);
        Saisir(b.C("txtAltitude"), QStringLiteral("800"));
        QCOMPARE(b.P().Meteo->Altitude, 800.0f);
        for (const QString& cellule : Resultats(*b.F().Grille()))
            QVERIFY(cellule.isEmpty());
        QCOMPARE(b.F().Grille()->Texte(1, 0), QStringLiteral("Couverture [%]"));
        QCOMPARE(b.F().Grille()->Texte(0, 13), QStringLiteral("Annuel"));
        Action(b.principal, "mnuCalculer")->trigger();
        QVERIFY(!Etat().CalculAuto());
        const QStringList calcule = Resultats(*b.F().Grille());
        QVERIFY(!calcule.front().isEmpty());
        // Higher and colder: another result than before the change.
        QVERIFY(calcule != plein);
        // The next change empties it again.
        Saisir(b.C("txtAltitude"), QStringLiteral("800"));
        QVERIFY(b.F().Grille()->Texte(1, 1).isEmpty());
    }

    void annulerRejetteUneSaisieNonValidee() {
        Bureau b;
        ChampSaisie* altitude = b.C("txtAltitude");
        const QString avant = altitude->text();
        Saisir(altitude, QStringLiteral("1234"), false);
        QVERIFY(altitude->Modifie());
        Action(b.principal, "mnuEditUndo")->trigger();
        QCOMPARE(altitude->text(), avant);
        QVERIFY(!altitude->Modifie());
        QCOMPARE(b.P().Meteo->Altitude, avant.toFloat());
    }

    void quitterUnChampDeCatalogueRecalcule() {
        Bureau b;
        b.SystemeCapteurBallon();
        Saisir(b.C("txtNbCapteurs"), QStringLiteral("6"), false);
        QVERIFY(b.C("txtNbCapteurs")->Modifie());
        b.C("txtAltitude")->setFocus(Qt::TabFocusReason);
        QCOMPARE(b.C("txtNbCapteurs")->text(), QStringLiteral("1"));
        QVERIFY(!b.C("txtNbCapteurs")->Modifie());
        // Leaving an ordinary field keeps its orange text.
        Saisir(b.C("txtAltitude"), QStringLiteral("55"), false);
        b.C("txtConsigne")->setFocus(Qt::TabFocusReason);
        QCOMPARE(b.C("txtAltitude")->text(), QStringLiteral("55"));
        QVERIFY(b.C("txtAltitude")->Modifie());
    }

    void champsDuCatalogueVerrouilles() {
        Bureau b;
        b.SystemeCapteurBallon();
        for (const char* nom : {"txtCapteur", "TxtAc", "txtBc", "txtKc", "txtTypeBallon", "txtVn",
                                "txtVs", "txtCr", "txtTypeChauffeEau", "txtABEtap", "txtM"})
            QVERIFY2(b.C(nom)->Verrouille(), nom);
        QVERIFY(!b.F().Bouton(32)->isEnabled());
        Saisir(b.C("TxtAc"), QStringLiteral("5"));
        QCOMPARE(b.P().Capteurs->Ac(), 2.0f);
        QVERIFY(!b.C("txtNbCapteurs")->Verrouille());
    }

    void sectionsRepliablesEtIndicateurs() {
        Bureau b;
        QVERIFY(b.Visible("contenuResultats"));
        QTest::mouseClick(b.F().findChild<BoutonImage*>(QStringLiteral("picResultats")),
                          Qt::LeftButton);
        QVERIFY(!b.Visible("contenuResultats"));
        QVERIFY(b.Visible("fResultats"));
        QTest::mouseClick(b.F().findChild<BoutonImage*>(QStringLiteral("picResultats")),
                          Qt::LeftButton);
        QVERIFY(b.Visible("contenuResultats"));
        QTest::mouseClick(b.F().findChild<BoutonImage*>(QStringLiteral("picSBesoin")),
                          Qt::LeftButton);
        QVERIFY(!b.Visible("contenuMeteo") && !b.Visible("contenuBesoins"));
        QTest::mouseClick(b.F().findChild<BoutonImage*>(QStringLiteral("picSSysteme")),
                          Qt::LeftButton);
        QVERIFY(!b.Visible("corpsSysteme") && b.Visible("txtSysteme"));

        b.SystemeCapteurBallon();
        ChoisirDansLePopup(QStringLiteral("Val. forcée"));
        b.Cliquer(30);
        QCOMPARE(b.F().Indicateur(30)->Code(), 2);
        QCOMPARE(b.F().Indicateur(25)->Code(), 0);
        // The second flow may be forced only while the first one is.
        ChoisirDansLePopup(QStringLiteral("Val. forcée"));
        b.Cliquer(21);
        QCOMPARE(b.F().Indicateur(21)->Code(), 0);
    }
};

QTEST_MAIN(TestFrmProjet)
#include "tst_frmProjet.moc"
