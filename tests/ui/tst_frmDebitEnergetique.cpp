// The loop-flow dialog: its two lists word for word, the stored quantity shown for
// the selected entry, Ok keeping one quantity of each pair, and the selection that
// follows on the next opening.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmDebitEnergetique.h"

#include <QComboBox>
#include <QTest>

namespace {
QStringList Entrees(const QComboBox* liste) {
    QStringList l;
    for (int i = 0; i < liste->count(); ++i)
        l << liste->itemText(i);
    return l;
}
} // namespace

class TestFrmDebitEnergetique : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void listesEtValeursALOuverture() {
        clsBoucle b;
        b.Debit_Unitaire = 40;
        b.Debit_Total = 0;
        b.cp = 1.163f;
        b.Fa = 0;
        frmDebitEnergetique f(b, 1);
        QCOMPARE(Entrees(f.cmbDebit()), QStringList({QStringLiteral("Débit unitaire [l/(h.m²)]"),
                                                     QStringLiteral("Débit total [l/h]")}));
        QCOMPARE(Entrees(f.cmbThermique()), QStringList({QStringLiteral("Capa. Therm. [Wh/l.K]"),
                                                         QStringLiteral("Antigel [%]")}));
        QCOMPARE(f.cmbDebit()->currentIndex(), 0);
        QCOMPARE(f.cmbThermique()->currentIndex(), 0);
        QCOMPARE(f.txtDebit()->text(), QStringLiteral("40,00"));
        QCOMPARE(f.txtThermique()->text(), QStringLiteral("1,16"));
        QCOMPARE(f.property("Tag").toString(), QStringLiteral("1"));
    }

    // Switching shows the stored quantity, not a conversion of what was typed.
    void changerDEntreeMontreLaValeurStockee() {
        clsBoucle b;
        b.Debit_Unitaire2 = 40;
        b.Debit_Total2 = 0;
        b.Fa2 = 0;
        b.cp2 = 1.16f;
        b.Debit_Total = 999; // flow 1, not shown
        frmDebitEnergetique f(b, 2);
        QVERIFY(Montrer(f));
        Taper(f.txtDebit(), QStringLiteral("55"));
        f.cmbDebit()->setCurrentIndex(1);
        QCOMPARE(f.txtDebit()->text(), QStringLiteral("0,00"));
        f.cmbDebit()->setCurrentIndex(0);
        QCOMPARE(f.txtDebit()->text(), QStringLiteral("40,00"));
        QVERIFY(!f.txtDebit()->Modifie());
    }

    void okGardeUneQuantiteEtLaSelectionSuit() {
        ProjetEssai e;
        clsBoucle& b = *e.projet.Boucle;
        b.Debit_Unitaire = 40;
        b.cp = 1.16f;
        {
            frmDebitEnergetique f(b, 1);
            QVERIFY(Montrer(f));
            f.cmbDebit()->setCurrentIndex(1);
            Taper(f.txtDebit(), QStringLiteral("120,5"));
            f.cmbThermique()->setCurrentIndex(1);
            Taper(f.txtThermique(), QStringLiteral("30"));
            f.accept();
        }
        QCOMPARE(b.Debit_Total, 120.5f);
        QCOMPARE(b.Debit_Unitaire, 0.0f);
        QCOMPARE(b.Fa, 30.0f);
        QCOMPARE(b.cp, 0.0f);
        {
            // Reopened: the entries confirmed, with their values.
            frmDebitEnergetique f(b, 1);
            QCOMPARE(f.cmbDebit()->currentText(), QStringLiteral("Débit total [l/h]"));
            QCOMPARE(f.cmbThermique()->currentText(), QStringLiteral("Antigel [%]"));
            QCOMPARE(f.txtDebit()->text(), QStringLiteral("120,50"));
            QCOMPARE(f.txtThermique()->text(), QStringLiteral("30,00"));
            // A total confirmed as 0 leaves nothing to select it by.
            QVERIFY(Montrer(f));
            Taper(f.txtDebit(), QStringLiteral("0"));
            f.accept();
        }
        frmDebitEnergetique f(b, 1);
        QCOMPARE(f.cmbDebit()->currentIndex(), 0);
        QCOMPARE(f.cmbThermique()->currentText(), QStringLiteral("Antigel [%]"));
        // The second flow was never touched.
        QCOMPARE(b.Debit_Total2, 0.0f);
        QCOMPARE(b.Fa2, 0.0f);
    }

    void annulerNeChangeRienEtLeProjetEstRecalcule() {
        ProjetEssai e;
        clsBoucle& b = *e.projet.Boucle;
        b.Debit_Unitaire2 = 35;
        PlusTard([] {
            auto* f = qobject_cast<frmDebitEnergetique*>(FenetreModale());
            QVERIFY(f != nullptr);
            QCOMPARE(f->Numero(), 2);
            Taper(f->txtDebit(), QStringLiteral("70"));
            f->reject();
        });
        OuvrirDebitEnergetique(e.projet, 2, nullptr);
        QCOMPARE(b.Debit_Unitaire2, 35.0f);
        QCOMPARE(e.projet.Enregistrement().Calcul.Debit2.Debit_Unitaire, 35.0f);

        PlusTard([] {
            auto* f = qobject_cast<frmDebitEnergetique*>(FenetreModale());
            QVERIFY(f != nullptr);
            Taper(f->txtDebit(), QStringLiteral("70"));
            f->accept();
        });
        OuvrirDebitEnergetique(e.projet, 2, nullptr);
        QCOMPARE(e.projet.Enregistrement().Calcul.Debit2.Debit_Unitaire, 70.0f);
        // Only flows 1 and 2 exist: nothing opens for another number.
        bool ouvert = false;
        PlusTard([&ouvert] {
            if (QWidget* f = FenetreModale()) {
                ouvert = true;
                f->close();
            }
        });
        OuvrirDebitEnergetique(e.projet, 3, nullptr);
        QTest::qWait(20);
        QVERIFY(!ouvert);
    }
};

QTEST_MAIN(TestFrmDebitEnergetique)
#include "tst_frmDebitEnergetique.moc"
