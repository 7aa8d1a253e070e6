// « Capteurs certifiés » on a scratch copy of the reference data folder: a CSV file
// imported, the list searched without regard to case or accents, and a datasheet
// chosen into one of the person's collector entries, which the project then uses. The
// dialog's screenshot goes with the others (see tst_CapturesDialogues).

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "data/modDonnees.h"
#include "ui/frmCapteursCertifies.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
const char* const Fiches = "nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\n"
                           "Soléo Plan 25;plan;0,78;;;3,5;0,015;0,94;2,51;2,32\n"
                           "Tube CPC 18;tubes;;0,62;0,95;0,9;0,004;0,98;3,1;2,8\n";

void Selectionner(frmCapteursCertifies& f, const QString& recherche) {
    Taper(f.txtRecherche(), recherche);
    QCOMPARE(f.lstCapteurs()->model()->rowCount(), 1);
    f.lstCapteurs()->selectRow(0);
}
} // namespace

class TestFrmCapteursCertifies : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void ficheChoisieDevientUnCapteurUtilisateurDuProjet() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        NotificateurEnregistreur notif;
        const std::string csv = e.Dossier() + "/fiches.csv";
        essai::EcrireOctets(csv, Fiches);
        frmCapteursCertifies f(e.projet);
        QVERIFY(Montrer(f));
        QVERIFY(f.Importer(QString::fromStdString(csv)));
        Selectionner(f, QStringLiteral("SOLEO"));
        Selectionner(f, QStringLiteral("tube cpc"));
        QDir().mkpath(QStringLiteral(VARQUIN_CAPTURES_DIR));
        QVERIFY(
            f.grab().save(QStringLiteral(VARQUIN_CAPTURES_DIR "/dialogue-capteurs-certifies.png")));
        QCOMPARE(f.cmbTypeMethode()->currentData().toInt(), 3); // tubes sous vide
        f.cmbEntree()->setCurrentText(QStringLiteral("Capteur utilisateur 2*"));
        QTest::mouseClick(f.cmdChoisir(), Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(notif.messages.empty());

        // The entry renamed in the catalogue file, read back from it.
        QCOMPARE(e.projet.Capteurs->strType(), std::string("Tube CPC 18*"));
        ChargerDonnees();
        float bc = 0, kc = 0, ac = 0;
        int16_t code = 0;
        LireValeursTable(TableCapteurs, "Tube CPC 18*", {&bc, &kc, &ac, &code});
        QVERIFY(qAbs(bc - 0.61535f) < 1e-5f && qAbs(kc - 1.06f) < 1e-5f);
        QCOMPARE(ac, 3.1f);
        QCOMPARE(code, int16_t(3));
        QCOMPARE(IndiceEntree(TableCapteurs, "Capteur utilisateur 2*"), 0);

        // Copied again, the datasheet goes back into its own entry, never a second one.
        frmCapteursCertifies g(e.projet);
        QVERIFY(Montrer(g));
        Selectionner(g, QStringLiteral("cpc"));
        QCOMPARE(g.cmbEntree()->currentText(), QStringLiteral("Tube CPC 18*"));
        g.cmbEntree()->setCurrentText(QStringLiteral("Capteur utilisateur 1*"));
        QTest::mouseClick(g.cmdChoisir(), Qt::LeftButton);
        QCOMPARE(g.result(), 0);
        QCOMPARE(notif.messages.size(), std::size_t(1));
        QVERIFY(notif.messages[0].find("déjà le capteur « Tube CPC 18* »") != std::string::npos);
    }
};

QTEST_MAIN(TestFrmCapteursCertifies)
#include "tst_frmCapteursCertifies.moc"
