// The monthly needs dialog: whole-number display, live averages, an average typed
// into its twelve months, and what Ok and Annuler leave in the project.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmBesoins.h"
#include "ui/frmBesoinsFoyer.h"

#include <QPushButton>
#include <QTest>

class TestFrmBesoins : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void ouvertureEnNombresEntiersEtMoyennes() {
        ProjetEssai e;
        QVERIFY(e.Charge());
        clsBesoin& b = *e.projet.Besoin;
        b.Conso.Item(1) = 1000.4;
        b.Conso.Item(2) = 999.5; // the integer part of (value + 0.5)
        b.Tref.Item(12) = 62;
        frmBesoins f(b);
        QCOMPARE(f.txtConso(1)->text(), QStringLiteral("1000"));
        QCOMPARE(f.txtConso(2)->text(), QStringLiteral("1000"));
        QCOMPARE(f.txtTeau(12)->text(), QStringLiteral("62"));
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("1000"));
        QCOMPARE(f.txtMoyTeau()->text(), QStringLiteral("51"));
        QVERIFY(!f.txtConso(1)->Modifie());
        QVERIFY(!f.txtMoyTeau()->Modifie());
    }

    void moyenneTapeeRemplitLesMoisPuisUnMoisChangeLaMoyenne() {
        ProjetEssai e;
        NotificateurEnregistreur notif;
        frmBesoins f(*e.projet.Besoin);
        QVERIFY(Montrer(f));
        Taper(f.txtMoyConso(), QStringLiteral("50"));
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(f.txtConso(m)->text(), QStringLiteral("50"));
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("50"));
        // The other series is not touched.
        QCOMPARE(f.txtTeau(3)->text(), QStringLiteral("50"));
        QCOMPARE(f.txtMoyTeau()->text(), QStringLiteral("50"));

        Taper(f.txtConso(7), QStringLiteral("62"));
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("51"));
        // A month set by the program does not cascade back into the months.
        QCOMPARE(f.txtConso(6)->text(), QStringLiteral("50"));
        QVERIFY(notif.messages.empty());
    }

    void lettreTapeeRefuseeEtBesoinHorsLimitesGardeLeDialogueOuvert() {
        ProjetEssai e;
        NotificateurEnregistreur notif;
        frmBesoins f(*e.projet.Besoin);
        QVERIFY(Montrer(f));
        Taper(f.txtMoyTeau(), QStringLiteral("4x"));
        QCOMPARE(f.txtMoyTeau()->text(), QStringLiteral("50")); // the previous value
        QCOMPARE(f.txtTeau(1)->text(), QStringLiteral("50"));
        QCOMPARE(notif.messages,
                 std::vector<std::string>{
                     "Température de l'eau chaude [°C] : Cette valeur doit être numérique"});
        // Needs the method cannot calculate with are refused at Ok, month named.
        for (const char* besoin : {"-50", "0", "9999999"}) {
            notif.messages.clear();
            Taper(f.txtConso(3), QString::fromLatin1(besoin));
            QTest::mouseClick(f.cmdOk(), Qt::LeftButton);
            QVERIFY(f.isVisible());
            QCOMPARE(notif.messages,
                     std::vector<std::string>{"Consommation journalière [l/j] (mars) : Cette "
                                              "valeur doit être comprise entre 1 et 100000"});
            QCOMPARE(f.txtConso(3)->text(), QStringLiteral("1000"));
        }
        QCOMPARE(e.projet.Besoin->Conso.Item(3), 1000.0);
        // Typing a sign first is allowed and gives an average of 0 meanwhile.
        notif.messages.clear();
        Taper(f.txtConso(1), QStringLiteral("-"));
        QCOMPARE(f.txtConso(1)->text(), QStringLiteral("-"));
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("917"));
        QVERIFY(notif.messages.empty());
    }

    void okEnregistreAnnulerNon() {
        ProjetEssai e;
        clsBesoin& b = *e.projet.Besoin;
        {
            frmBesoins f(b);
            QVERIFY(Montrer(f));
            Taper(f.txtMoyConso(), QStringLiteral("150"));
            Taper(f.txtTeau(2), QStringLiteral("55,4"));
            f.reject();
        }
        QCOMPARE(b.Conso.Item(1), 1000.0);
        QCOMPARE(b.Tref.Item(2), 50.0);
        {
            frmBesoins f(b);
            QVERIFY(Montrer(f));
            Taper(f.txtMoyConso(), QStringLiteral("150"));
            Taper(f.txtTeau(2), QStringLiteral("55,4"));
            QTest::mouseClick(f.cmdOk(), Qt::LeftButton);
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        QCOMPARE(b.Conso.Count(), 12);
        QCOMPARE(b.Tref.Count(), 12);
        QCOMPARE(b.Conso.Item(12), 150.0);
        QCOMPARE(b.Tref.Item(2), 55.4);
    }

    // Through the project window's entry point: the project is recalculated once the
    // dialog is closed, so the record holds the new needs.
    void ouvertureModaleRecalculeLeProjet() {
        ProjetEssai e;
        PlusTard([] {
            auto* f = qobject_cast<frmBesoins*>(FenetreModale());
            QVERIFY(f != nullptr);
            Taper(f->txtMoyConso(), QStringLiteral("200"));
            QTest::keyClick(f->txtMoyConso(), Qt::Key_Return); // Enter confirms
        });
        OuvrirBesoins(e.projet, nullptr);
        QCOMPARE(e.projet.Enregistrement().Calcul.Conso[5], 200.0f);
    }

    // The household assistant through its button: 3 occupants at 56 l/j and 40 °C,
    // cold water at 10 °C, hot water at 50 °C: 168 × 30 / 40 = 126 l/j, August half
    // occupied 63 l/j; the fields are filled, the project changes only with Ok.
    void assistantFoyerRemplitLesMoisSansEnregistrer() {
        ProjetEssai e;
        RemplirCollection(e.projet.Meteo->Tef, 10.0, 12);
        frmBesoins f(*e.projet.Besoin);
        QVERIFY(Montrer(f));
        PlusTard([] {
            auto* a = qobject_cast<frmBesoinsFoyer*>(FenetreModale());
            QVERIFY(a != nullptr);
            Taper(a->txtOccupants(), QStringLiteral("3"));
            Taper(a->txtOccupation(8), QStringLiteral("50"));
            QTest::keyClick(a->txtOccupants(), Qt::Key_Return);
        });
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdFoyer")), Qt::LeftButton);
        QCOMPARE(f.txtConso(1)->text(), QStringLiteral("126"));
        QCOMPARE(f.txtConso(8)->text(), QStringLiteral("63"));
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("121"));
        QCOMPARE(e.projet.Besoin->Conso.Item(1), 1000.0);
    }
};

QTEST_MAIN(TestFrmBesoins)
#include "tst_frmBesoins.moc"
