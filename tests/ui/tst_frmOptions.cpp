// The options dialog and the about box.

#include "OutilsTest.h"
#include "data/modMessages.h"
#include "ui/Demarrage.h"
#include "ui/Raccords.h"
#include "ui/frmOptions.h"
#include "ui/frmSplash.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

class CapteurUrl : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void ouvrir(const QUrl& url) { urls << url; }
};

class TestFrmOptions : public QObject {
    Q_OBJECT

    static void Cliquer(QWidget& fenetre, const char* nom) {
        auto* b = fenetre.findChild<QPushButton*>(QString::fromLatin1(nom));
        QVERIFY2(b != nullptr, nom);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void initTestCase() { PreparerEnvironnementTest(); }
    void init() {
        DefinirModeCalculAuto(true);
        AfficherMessages = false;
    }

    void libellesEtEtatDeDepart() {
        frmOptions f;
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(f.OptCalculAuto()->text(), QStringLiteral("Calcul sur automatique"));
        QCOMPARE(f.OptCalculDemande()->text(), QStringLiteral("Calcul sur demande"));
        QCOMPARE(f.ChkMessages()->text(), QStringLiteral("Afficher les messages de calcul"));
        QCOMPARE(f.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
        QCOMPARE(f.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->text(),
                 QStringLiteral("Annuler"));
        QVERIFY(f.OptCalculAuto()->isChecked());
        QVERIFY(!f.OptCalculDemande()->isChecked());
        QVERIFY(!f.ChkMessages()->isChecked());
    }

    void okChangeLeModeEtLesMessages() {
        {
            frmOptions f;
            f.show();
            QTest::mouseClick(f.OptCalculDemande(), Qt::LeftButton);
            QTest::mouseClick(f.ChkMessages(), Qt::LeftButton);
            QVERIFY(!f.OptCalculAuto()->isChecked());
            Cliquer(f, "cmdOK");
            QVERIFY(!f.isVisible());
        }
        QVERIFY(!ModeCalculAuto());
        QVERIFY(AfficherMessages);
        // Opened again, it shows the choice made the first time.
        frmOptions f;
        f.show();
        QVERIFY(f.OptCalculDemande()->isChecked());
        QVERIFY(f.ChkMessages()->isChecked());
        QTest::mouseClick(f.OptCalculAuto(), Qt::LeftButton);
        Cliquer(f, "cmdOK");
        QVERIFY(ModeCalculAuto());
    }

    void annulerNeChangeRien() {
        frmOptions f;
        f.show();
        QTest::mouseClick(f.OptCalculDemande(), Qt::LeftButton);
        QTest::mouseClick(f.ChkMessages(), Qt::LeftButton);
        Cliquer(f, "cmdCancel");
        QVERIFY(!f.isVisible());
        QVERIFY(ModeCalculAuto());
        QVERIFY(!AfficherMessages);
    }

    void aProposTextes() {
        frmSplash s;
        const auto texte = [&](const char* nom) {
            auto* l = s.findChild<QLabel*>(QString::fromLatin1(nom));
            return l ? l->text() : QStringLiteral("(absent)");
        };
        QCOMPARE(texte("lblProductName"), QStringLiteral("VARQUIN"));
        QCOMPARE(texte("lblVersion"), QStringLiteral("Version ") + QStringLiteral(VARQUIN_VERSION));
        QCOMPARE(texte("lblCompany"), QStringLiteral("NORDAVE"));
        QVERIFY(!texte("lblPlatform").isEmpty());
        QCOMPARE(s.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("Ok"));
        CapteurUrl capteur;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &capteur, "ouvrir");
        Cliquer(s, "cmdWeb");
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(capteur.urls, QList<QUrl>{QUrl(QString::fromLatin1(frmSplash::AdresseWeb))});
    }

    void aProposChargementPuisOk() {
        frmSplash s;
        s.MontrerChargement();
        QVERIFY(s.isVisible());
        QVERIFY(!s.isEnabled());
        s.hide();
        s.setEnabled(true);
        PlusTard([&] { Cliquer(s, "cmdOK"); });
        QCOMPARE(s.exec(), int(QDialog::Accepted));
        QVERIFY(!s.isVisible());
    }

    void argumentDeLaLigneDeCommande() {
        QCOMPARE(ProjetEnArgument({"varquin"}), QString());
        QCOMPARE(ProjetEnArgument({"varquin", "/tmp/a.vqp"}), QStringLiteral("/tmp/a.vqp"));
        QCOMPARE(ProjetEnArgument({"varquin", "/tmp/mes", "projets/a.vqp"}),
                 QStringLiteral("/tmp/mes projets/a.vqp"));
    }
};

QTEST_MAIN(TestFrmOptions)
#include "tst_frmOptions.moc"
