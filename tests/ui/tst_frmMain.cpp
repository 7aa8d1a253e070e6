// The main window driven as the person would: menus, commands and their effect on
// the project windows.

#include "OutilsTest.h"
#include "common/Chemins.h"
#include "ui/frmAide.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

namespace {
// The main window with its dialogs answered by the test.
class frmMainTest : public frmMain {
public:
    using frmMain::frmMain;
    QString reponseOuvrir;
    QString reponseEnregistrer;
    int optionsMontrees = 0;
    int aProposMontre = 0;

protected:
    QString DialogueOuvrir() override { return reponseOuvrir; }
    QString DialogueEnregistrerSous() override { return reponseEnregistrer; }
    void MontrerOptions() override { ++optionsMontrees; }
    void MontrerAPropos() override { ++aProposMontre; }
};

const char* const HuitCommandes[] = {
    "mnuFileSave",  "mnuFileSaveAs", "mnuFileClose", "mnuFilePrintPreview",
    "mnuFilePrint", "mnuCalculer",   "mnuEdit",      "mnuTools"};
const char* const ToujoursActives[] = {"mnuFileNew", "mnuFileOpen", "mnuFileExit",
                                       "mnuHelpSearchForHelpOn", "mnuHelpAbout"};
} // namespace

// Records the URLs handed to the desktop instead of opening them.
class CapteurUrl : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void ouvrir(const QUrl& url) { urls << url; }
};

class TestFrmMain : public QObject {
    Q_OBJECT

    static QAction* Action(const frmMain& f, const char* nom) {
        const auto actions = f.findChildren<QAction*>(QString::fromLatin1(nom));
        return actions.isEmpty() ? nullptr : actions.front();
    }
    static void VerifierHuit(const frmMain& f, bool attendu) {
        for (const char* nom : HuitCommandes) {
            QAction* a = Action(f, nom);
            QVERIFY2(a != nullptr, nom);
            QVERIFY2(a->isEnabled() == attendu, nom);
        }
        for (const char* nom : ToujoursActives) {
            QAction* a = Action(f, nom);
            QVERIFY2(a != nullptr && a->isEnabled(), nom);
        }
    }
    // A menu's entries as "caption|shortcut", separators as "-", hidden ones marked.
    static QStringList Entrees(const QMenu* menu) {
        QStringList r;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator())
                r << QStringLiteral("-");
            else
                r << a->text() + QLatin1Char('|') + a->shortcut().toString() +
                         (a->isVisible() ? QString() : QStringLiteral("|cache"));
        }
        return r;
    }

private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void barreDeMenusMotPourMot() {
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        QCOMPARE(f.windowTitle(), QStringLiteral("VARQUIN"));
        QStringList titres;
        for (const QAction* a : f.menuBar()->actions())
            titres << a->text();
        QCOMPARE(titres, (QStringList{"&Fichier", "&Edition", "&Calculer", "&Outils", "&?"}));
        const auto menu = [&](const char* nom) {
            return f.findChild<QMenu*>(QString::fromLatin1(nom));
        };
        QCOMPARE(Entrees(menu("mnuFile")),
                 (QStringList{"&Nouveau|Ctrl+N", "&Ouvrir|Ctrl+O", "Ouvrir un e&xemple|",
                              "Fichiers &récents|", "&Fermer|", "-", "&Enregistrer|Ctrl+S",
                              "Enregistrer &sous...|", "-", "&Aperçu avant impression|",
                              "&Imprimer...|Ctrl+P", "-", "&Quitter|Ctrl+Q"}));
        QCOMPARE(Entrees(menu("mnuEdit")), QStringList{"&Annuler|"});
        QCOMPARE(Entrees(menu("mnuTools")), QStringList{"&Options...|"});
        QCOMPARE(Entrees(menu("mnuHelp")),
                 (QStringList{"&Sommaire||cache", "A&ide sur...|", "-", "À &propos de |"}));
        QVERIFY(f.findChild<QStatusBar*>(QStringLiteral("sbStatusBar")) != nullptr);
    }

    void setmenuAuDemarrageNouveauEtFermeture() {
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        f.show();
        VerifierHuit(f, false);
        QVERIFY(f.ProjetActif() == nullptr);

        Action(f, "mnuFileNew")->trigger();
        QCOMPARE(f.NbProjets(), 1);
        QCOMPARE(f.Zone()->subWindowList().size(), 1);
        VerifierHuit(f, true);
        QVERIFY(f.ProjetActif() != nullptr);

        Action(f, "mnuFileClose")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(f.NbProjets(), 0);
        QCOMPARE(fabrique.detruits, 1);
        QVERIFY(f.Zone()->subWindowList().isEmpty());
        VerifierHuit(f, false);
        QVERIFY(f.ProjetActif() == nullptr);
    }

    void raccourcisClavier() {
        FabriqueEnregistreuse fabrique;
        frmMainTest f(fabrique);
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.NbProjets(), 1);
        f.reponseOuvrir = QStringLiteral("/tmp/b.vqp");
        QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.NbProjets(), 2);
        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fabrique.journal, (QStringList{"2:Ouvrir /tmp/b.vqp", "2:Enregistrer"}));
    }

    void fermerUnProjetSurDeuxLaisseLesMenusActifs() {
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        f.show();
        f.LoadNewDoc();
        f.LoadNewDoc();
        Action(f, "mnuFileClose")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(f.NbProjets(), 1);
        VerifierHuit(f, true);
        // The remaining window is the active project: commands reach project 1.
        Action(f, "mnuCalculer")->trigger();
        QCOMPARE(fabrique.journal.last(), QStringLiteral("1:Calculer"));
    }

    void commandesVersLeProjetActif() {
        FabriqueEnregistreuse fabrique;
        frmMainTest f(fabrique);
        f.show();
        f.LoadNewDoc();
        f.LoadNewDoc();
        f.Zone()->setActiveSubWindow(f.Zone()->subWindowList().front());
        fabrique.journal.clear();

        Action(f, "mnuFileSave")->trigger();
        Action(f, "mnuEditUndo")->trigger();
        Action(f, "mnuCalculer")->trigger();
        Action(f, "mnuFilePrintPreview")->trigger();
        Action(f, "mnuFilePrint")->trigger();
        f.reponseEnregistrer.clear(); // cancelled: nothing happens
        Action(f, "mnuFileSaveAs")->trigger();
        f.reponseEnregistrer = QStringLiteral("/tmp/essai.vqp");
        Action(f, "mnuFileSaveAs")->trigger();
        QCOMPARE(fabrique.journal,
                 (QStringList{"1:Enregistrer", "1:Annuler", "1:Calculer", "1:Apercu", "1:Imprimer",
                              "1:EnregistrerSous /tmp/essai.vqp"}));
    }

    void optionsPuisCalculCompletEtAPropos() {
        FabriqueEnregistreuse fabrique;
        frmMainTest f(fabrique);
        f.show();
        f.LoadNewDoc();
        fabrique.journal.clear();
        Action(f, "mnuToolsOptions")->trigger();
        QCOMPARE(f.optionsMontrees, 1);
        QCOMPARE(fabrique.journal, QStringList{"1:Calculer"});
        Action(f, "mnuHelpAbout")->trigger();
        QCOMPARE(f.aProposMontre, 1);
        QCOMPARE(fabrique.journal.size(), 1);
    }

    void ouvrirCreeToujoursUneNouvelleFenetre() {
        FabriqueEnregistreuse fabrique;
        frmMainTest f(fabrique);
        f.show();
        f.setmenu(false);
        f.reponseOuvrir.clear();
        Action(f, "mnuFileOpen")->trigger();
        QCOMPARE(f.NbProjets(), 0);
        VerifierHuit(f, false);

        f.reponseOuvrir = QStringLiteral("/tmp/dossier projets/a.vqp");
        Action(f, "mnuFileOpen")->trigger();
        Action(f, "mnuFileOpen")->trigger();
        QCOMPARE(f.NbProjets(), 2);
        QCOMPARE(fabrique.journal, (QStringList{"1:Ouvrir /tmp/dossier projets/a.vqp",
                                                "2:Ouvrir /tmp/dossier projets/a.vqp"}));
        VerifierHuit(f, true);
        QCOMPARE(QSettings().value(QStringLiteral("frmMain/dernierDossier")).toString(),
                 QStringLiteral("/tmp/dossier projets"));
    }

    void quitterFermeToutEtRetientLaGeometrie() {
        FabriqueEnregistreuse fabrique;
        {
            frmMain f(fabrique);
            f.show();
            f.setGeometry(40, 50, 700, 540);
            f.LoadNewDoc();
            f.LoadNewDoc();
            Action(f, "mnuFileExit")->trigger();
            QCoreApplication::processEvents();
            QVERIFY(!f.isVisible());
            QCOMPARE(f.NbProjets(), 0);
            QCOMPARE(fabrique.detruits, 2);
        }
        frmMain suivant(fabrique);
        QCOMPARE(suivant.size(), QSize(700, 540));
    }

    void dialoguesDeFichiersTitresEtFiltres() {
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        f.show();
        f.LoadNewDoc();
        QStringList vus;
        const auto annulerLeDialogue = [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            vus << d->windowTitle() + QLatin1Char('|') + d->nameFilters().join(QLatin1Char(';'));
            d->reject();
        };
        PlusTard(annulerLeDialogue);
        Action(f, "mnuFileOpen")->trigger();
        PlusTard(annulerLeDialogue);
        Action(f, "mnuFileSaveAs")->trigger();
        QCOMPARE(vus, (QStringList{"Ouvrir|Tous les fichiers (*)",
                                   "Enregistrer sous|Tous les fichiers (*.vqp)"}));
        // Both cancelled: no project opened, nothing saved.
        QCOMPARE(f.NbProjets(), 1);
        QVERIFY(fabrique.journal.isEmpty());
    }

    void aideOuvreLaPageDuDossierInstalleDansLeProgramme() {
        CapteurUrl capteur;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &capteur, "ouvrir");
        const std::string avant = InstallDir;
        InstallDir = VARQUIN_REFERENCE_DIR;
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        Action(f, "mnuHelpSearchForHelpOn")->trigger();
        InstallDir = avant;
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        // No browser needed: the page is in the program's own window.
        QVERIFY(capteur.urls.isEmpty());
        frmAide* aide = f.Aide();
        QVERIFY(aide != nullptr && aide->isVisible());
        QVERIFY(aide->Page()->source().toLocalFile().endsWith(QStringLiteral("/help/index.htm")));
        QVERIFY(aide->Page()->toPlainText().contains(QStringLiteral("Guide d'utilisation")));
        // A link of the contents leads to its section, within the window.
        emit aide->Page()->anchorClicked(QUrl(QStringLiteral("#masques")));
        QCOMPARE(aide->Page()->source().fragment(), QStringLiteral("masques"));
        aide->Recherche()->setText(QStringLiteral("calcul sur demande"));
        QVERIFY(aide->Chercher());
        QCOMPARE(aide->Page()->textCursor().selectedText().toLower(),
                 QStringLiteral("calcul sur demande"));
        aide->Recherche()->setText(QStringLiteral("xyzzy introuvable"));
        QVERIFY(!aide->Chercher());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
