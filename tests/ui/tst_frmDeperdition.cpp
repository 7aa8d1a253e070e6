// The loop heat-loss dialog: the four values shown and stored, and the insulation
// material chosen from the catalogue giving its conductivity.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmChoix.h"
#include "ui/frmDeperdition.h"

#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {
frmChoix* PopupOuvert() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<frmChoix*>(w); p != nullptr && p->isVisible())
            return p;
    }
    return nullptr;
}

// Clicks entry `rang` of the popup the next time the event loop runs; `vu` records
// the entries it offered.
void ChoisirPlusTard(int rang, QStringList& vu) {
    PlusTard([rang, &vu] {
        frmChoix* p = PopupOuvert();
        QVERIFY(p != nullptr);
        for (int i = 0; i < p->Liste()->count(); ++i)
            vu << p->Liste()->item(i)->text();
        const QRect r = p->Liste()->visualItemRect(p->Liste()->item(rang));
        QTest::mouseClick(p->Liste()->viewport(), Qt::LeftButton, {}, r.center());
    });
}
} // namespace

class TestFrmDeperdition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void valeursAffichees() {
        clsBoucle b;
        b.L = 12.5f;
        b.Phit = 22;
        b.eit = 13;
        b.Lit = 0.038f;
        frmDeperdition f(b);
        QCOMPARE(f.txtL()->text(), QStringLiteral("12,50"));
        QCOMPARE(f.txtPhit()->text(), QStringLiteral("22,00"));
        QCOMPARE(f.txtEit()->text(), QStringLiteral("13,00"));
        // Not rounded to 0,04: the digits that make a conductivity.
        QCOMPARE(f.txtLit()->text(), QStringLiteral("0,038"));
        QVERIFY(!f.txtLit()->Modifie());
    }

    void isolantChoisiDonneSaConductivite() {
        ProjetEssai e;
        QVERIFY(e.Charge());
        frmDeperdition f(*e.projet.Boucle);
        QVERIFY(Montrer(f));
        QStringList offerts;
        ChoisirPlusTard(1, offerts);
        QTest::mouseClick(f.picIsolant(), Qt::LeftButton);
        QCOMPARE(offerts, QStringList({QStringLiteral("Mousse élastomère"),
                                       QStringLiteral("Laine minérale")}));
        QCOMPARE(f.txtLit()->text(), QStringLiteral("0,035"));
        QVERIFY(f.txtLit()->Modifie()); // typed, not stored before Ok

        // Escape in the popup keeps the value.
        PlusTard([] {
            frmChoix* p = PopupOuvert();
            QVERIFY(p != nullptr);
            QTest::keyClick(p->Liste(), Qt::Key_Escape);
        });
        QTest::mouseClick(f.picIsolant(), Qt::LeftButton);
        QCOMPARE(f.txtLit()->text(), QStringLiteral("0,035"));
    }

    void okStockeLesQuatreValeursEtRecalcule() {
        ProjetEssai e;
        clsBoucle& b = *e.projet.Boucle;
        PlusTard([] {
            auto* f = qobject_cast<frmDeperdition*>(FenetreModale());
            QVERIFY(f != nullptr);
            Taper(f->txtL(), QStringLiteral("15"));
            Taper(f->txtPhit(), QStringLiteral("18.5")); // a point is read like a comma
            Taper(f->txtEit(), QStringLiteral("9"));
            f->ChoisirIsolant(0);
            f->accept();
        });
        OuvrirDeperdition(e.projet, nullptr);
        QCOMPARE(b.L, 15.0f);
        QCOMPARE(b.Phit, 18.5f);
        QCOMPARE(b.eit, 9.0f);
        QCOMPARE(b.Lit, 0.04f);
        QCOMPARE(e.projet.Enregistrement().Calcul.Deperdition.Phit, 18.5f);

        PlusTard([] {
            auto* f = qobject_cast<frmDeperdition*>(FenetreModale());
            QVERIFY(f != nullptr);
            Taper(f->txtL(), QStringLiteral("99"));
            f->reject();
        });
        OuvrirDeperdition(e.projet, nullptr);
        QCOMPARE(b.L, 15.0f);
    }

    void lettreRefusee() {
        clsBoucle b;
        NotificateurEnregistreur notif;
        frmDeperdition f(b);
        QVERIFY(Montrer(f));
        Taper(f.txtEit(), QStringLiteral("a"));
        QCOMPARE(f.txtEit()->text(), QStringLiteral("0,00"));
        QCOMPARE(notif.messages,
                 std::vector<std::string>{"Epaiss. isol. [mm] : Cette valeur doit être numérique"});
    }
};

QTEST_MAIN(TestFrmDeperdition)
#include "tst_frmDeperdition.moc"
