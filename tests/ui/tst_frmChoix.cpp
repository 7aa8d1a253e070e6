// The list-choice popup: filling, sizing, placing, choosing and cancelling.

#include "OutilsTest.h"
#include "ui/frmChoix.h"
#include "ui/modAffichages.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
const std::vector<std::string> Orientations = {"Sud", "Sud-Est", "-- autres --",
                                               "Est", "",        "jamais lu"};

void Cliquer(frmChoix& popup, int rang) {
    QListWidget* l = popup.Liste();
    const QRect r = l->visualItemRect(l->item(rang));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
}
} // namespace

class TestFrmChoix : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void remplissageJusquALaPremiereEntreeVide() {
        frmChoix popup;
        QVERIFY(popup.FillIn(Orientations));
        QCOMPARE(popup.Liste()->count(), 4);
        QCOMPARE(popup.Liste()->item(3)->text(), QStringLiteral("Est"));
        QVERIFY(!popup.FillIn({"", "Sud"}));
        QCOMPARE(popup.Liste()->count(), 0);
    }

    void tailleSelonLeTexte() {
        frmChoix popup;
        popup.FillIn(Orientations);
        QCOMPARE(popup.RangsVisibles(), 4);
        const QFontMetrics fm(popup.Liste()->font());
        const int large = fm.horizontalAdvance(QStringLiteral("-- autres --"));
        QCOMPARE(popup.Liste()->width(), large + PixelsX(400));
        QCOMPARE(popup.width(), large + PixelsX(550));
        QCOMPARE(popup.height(), popup.Liste()->height() + PixelsY(50));
        // Every entry of a short list is visible at once.
        popup.show();
        QVERIFY(popup.Liste()->visualItemRect(popup.Liste()->item(3)).bottom() <
                popup.Liste()->viewport()->height());

        std::vector<std::string> longue;
        for (int i = 0; i < 9; ++i)
            longue.push_back("Entrée " + std::to_string(i));
        popup.FillIn(longue);
        QCOMPARE(popup.RangsVisibles(), 10);
        longue.resize(8);
        popup.FillIn(longue);
        QCOMPARE(popup.RangsVisibles(), 8);
    }

    void placementSelonLaMoitieDeLEcran() {
        const QRect ecran(0, 0, 1280, 800);
        const QSize popup(100, 80);
        const int d = PixelsX(150), dy = PixelsY(150);
        QCOMPARE(PositionChoix(QPoint(100, 100), popup, ecran), QPoint(100 + d, 100 + dy));
        // Right half: to the left of the control; lower half: above it.
        QCOMPARE(PositionChoix(QPoint(1000, 100), popup, ecran),
                 QPoint(1000 + d - (100 + PixelsX(300)), 100 + dy));
        QCOMPARE(PositionChoix(QPoint(100, 700), popup, ecran),
                 QPoint(100 + d, 700 + dy - (80 + PixelsY(300))));
        // Exactly at the middle still counts as the left / upper half.
        QCOMPARE(PositionChoix(QPoint(640, 400), popup, ecran), QPoint(640 + d, 400 + dy));
        // A second screen to the right: the halves are those of that screen.
        QCOMPARE(PositionChoix(QPoint(1280 + 100, 100), popup, QRect(1280, 0, 1280, 800)),
                 QPoint(1280 + 100 + d, 100 + dy));
    }

    void echapRendMoinsUn() {
        frmChoix popup;
        popup.FillIn(Orientations);
        popup.show();
        ChoixTexte = "Sud";
        ChoixIndex = 0;
        QTest::keyClick(popup.Liste(), Qt::Key_Escape);
        QCOMPARE(ChoixTexte, std::string("-1"));
        QCOMPARE(ChoixIndex, -1);
        QCOMPARE(popup.result(), int(QDialog::Rejected));
        QVERIFY(!popup.isVisible());
    }

    void separateurNonChoisissableEntreeChoisie() {
        frmChoix popup;
        popup.FillIn(Orientations);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        Cliquer(popup, 2);
        QVERIFY(popup.isVisible());
        QCOMPARE(ChoixTexte, std::string("-1"));
        Cliquer(popup, 3);
        QVERIFY(!popup.isVisible());
        QCOMPARE(ChoixTexte, std::string("Est"));
        QCOMPARE(ChoixIndex, 3);
    }

    void choisirDansListeModal() {
        QPushButton bouton(QStringLiteral("..."));
        bouton.show();
        PlusTard([] {
            auto* popup = qobject_cast<frmChoix*>(QApplication::activePopupWidget());
            if (popup == nullptr)
                popup = qobject_cast<frmChoix*>(QApplication::activeModalWidget());
            QVERIFY(popup != nullptr);
            Cliquer(*popup, 1);
        });
        QCOMPARE(ChoisirDansListe(Orientations, &bouton), std::string("Sud-Est"));
        QCOMPARE(ChoixIndex, 1);

        PlusTard([] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup != nullptr);
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        QCOMPARE(ChoisirDansListe(Orientations, &bouton), std::string("-1"));
    }

    void listeVideNOuvreRien() {
        // No timer is armed: a popup that opened would never close and the test would
        // hang, so returning at all shows that nothing opened.
        QCOMPARE(ChoisirDansListe({"  ", "Sud"}, nullptr), std::string("-1"));
        QCOMPARE(ChoixIndex, -1);
        QCOMPARE(ChoisirDansListe(std::vector<std::string>{}, nullptr), std::string("-1"));
    }
};

QTEST_MAIN(TestFrmChoix)
#include "tst_frmChoix.moc"
