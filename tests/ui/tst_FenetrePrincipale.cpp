// The main window driven as the person would, its projects recording the commands they
// receive: menus enabled with a project, commands sent to the active project, opening,
// quitting; and its options dialog and about box.

#include "OutilsTest.h"
#include "data/modMessages.h"
#include "ui/Demarrage.h"
#include "ui/Raccords.h"
#include "ui/frmOptions.h"
#include "ui/frmSplash.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QUrl>

namespace {
// The eight project commands all enabled (or all disabled), the others always.
bool Commandes(const PrincipaleEssai& f, bool actives) {
    for (const char* nom : {"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrintPreview",
                            "mnuFilePrint", "mnuCalculer", "mnuEdit", "mnuTools"})
        if (f.Action(nom)->isEnabled() != actives)
            return false;
    return f.Action("mnuFileNew")->isEnabled() && f.Action("mnuFileOpen")->isEnabled() &&
           f.Action("mnuHelpAbout")->isEnabled();
}
} // namespace

// Records the URLs handed to the desktop instead of opening them.
class CapteurUrl : public QObject {
    Q_OBJECT
public:
    explicit CapteurUrl(const char* schema) : schema_(QString::fromLatin1(schema)) {
        QDesktopServices::setUrlHandler(schema_, this, "ouvrir");
    }
    ~CapteurUrl() override { QDesktopServices::unsetUrlHandler(schema_); }
    QList<QUrl> urls;
public slots:
    void ouvrir(const QUrl& url) { urls << url; }

private:
    QString schema_;
};

class TestFenetrePrincipale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void commandesActivesAvecUnProjet() {
        FabriqueEnregistreuse fabrique;
        PrincipaleEssai f(fabrique);
        QVERIFY(Commandes(f, false));
        f.reponseOuvrir.clear(); // "Ouvrir" cancelled: nothing
        f.Action("mnuFileOpen")->trigger();
        QVERIFY(Commandes(f, false) && f.NbProjets() == 0);
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(Commandes(f, true));
        // Closing one of two leaves the other active: commands reach project 1.
        f.Action("mnuFileClose")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(Commandes(f, true));
        f.Action("mnuCalculer")->trigger();
        QCOMPARE(fabrique.journal, (QStringList{"2:Detruit", "1:Calculer"}));
        f.Action("mnuFileClose")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(Commandes(f, false) && f.ProjetActif() == nullptr);
        QCOMPARE(fabrique.detruits, 2);
    }

    void commandesVersLeProjetActif() {
        FabriqueEnregistreuse fabrique;
        PrincipaleEssai f(fabrique);
        f.LoadNewDoc();
        f.LoadNewDoc();
        f.Zone()->setActiveSubWindow(f.Zone()->subWindowList().front());
        for (const char* nom : {"mnuFileSave", "mnuEditUndo", "mnuCalculer", "mnuFilePrintPreview",
                                "mnuFilePrint", "mnuFileSaveAs", "mnuToolsOptions"})
            f.Action(nom)->trigger(); // Save As cancelled: nothing
        f.reponseEnregistrer = QStringLiteral("/tmp/essai.vqp");
        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
        f.Action("mnuFileSaveAs")->trigger();
        // The options are followed by a full calculation.
        QCOMPARE(f.optionsMontrees, 1);
        QCOMPARE(fabrique.journal,
                 (QStringList{"1:Enregistrer", "1:Annuler", "1:Calculer", "1:Apercu", "1:Imprimer",
                              "1:Calculer", "1:Enregistrer", "1:EnregistrerSous /tmp/essai.vqp"}));
    }

    void ouvrirQuitterEtGeometrie() {
        FabriqueEnregistreuse fabrique;
        {
            PrincipaleEssai f(fabrique);
            f.setGeometry(40, 50, 900, 640);
            f.reponseOuvrir = QStringLiteral("/tmp/dossier projets/a.vqp");
            f.Action("mnuFileOpen")->trigger(); // always a new window
            QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(fabrique.journal, (QStringList{"1:Ouvrir /tmp/dossier projets/a.vqp",
                                                    "2:Ouvrir /tmp/dossier projets/a.vqp"}));
            QCOMPARE(QSettings().value(QStringLiteral("frmMain/dernierDossier")).toString(),
                     QStringLiteral("/tmp/dossier projets"));
            f.Action("mnuFileExit")->trigger();
            QCoreApplication::processEvents();
            QVERIFY(!f.isVisible());
            QCOMPARE(fabrique.detruits, 2);
        }
        frmMain suivant(fabrique);
        QCOMPARE(suivant.size(), QSize(900, 640));
        QCOMPARE(ProjetEnArgument({"varquin", "/tmp/mes", "projets/a.vqp"}),
                 QStringLiteral("/tmp/mes projets/a.vqp"));
    }

    void aideEtAPropos() {
        CapteurUrl fichiers("file");
        FabriqueEnregistreuse fabrique;
        frmMain f(fabrique);
        f.findChild<QAction*>(QStringLiteral("mnuHelpSearchForHelpOn"))->trigger();
        QCOMPARE(fichiers.urls.size(), 1);
        QVERIFY(fichiers.urls.front().toLocalFile().endsWith(QStringLiteral("/help/index.htm")));

        CapteurUrl web("https");
        frmSplash s;
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version " VARQUIN_VERSION));
        QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("cmdWeb")), Qt::LeftButton);
        QCOMPARE(web.urls, QList<QUrl>{QUrl(QString::fromLatin1(frmSplash::AdresseWeb))});
        // Shown while loading, it cannot be used; afterwards Ok closes it.
        s.MontrerChargement();
        QVERIFY(s.isVisible() && !s.isEnabled());
        s.hide();
        s.setEnabled(true);
        PlusTard([&] {
            QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QCOMPARE(s.exec(), int(QDialog::Accepted));
    }

    void optionsOkChangeAnnulerNon() {
        DefinirModeCalculAuto(true);
        AfficherMessages = false;
        for (const char* bouton : {"cmdCancel", "cmdOK"}) {
            frmOptions f;
            f.show();
            QVERIFY(f.OptCalculAuto()->isChecked() && !f.ChkMessages()->isChecked());
            QTest::mouseClick(f.OptCalculDemande(), Qt::LeftButton);
            QTest::mouseClick(f.ChkMessages(), Qt::LeftButton);
            QTest::mouseClick(f.findChild<QPushButton*>(QString::fromLatin1(bouton)),
                              Qt::LeftButton);
            QVERIFY(!f.isVisible());
        }
        QVERIFY(!ModeCalculAuto() && AfficherMessages);
        frmOptions f; // opened again, it shows the choice made
        f.show();
        QVERIFY(f.OptCalculDemande()->isChecked() && f.ChkMessages()->isChecked());
        DefinirModeCalculAuto(true);
        AfficherMessages = false;
    }
};

QTEST_MAIN(TestFenetrePrincipale)
#include "tst_FenetrePrincipale.moc"
