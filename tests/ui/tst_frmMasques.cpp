// The mask dialog: the number of points kept within 2 to 20, the azimuths preset from
// -130 to +130 with fixed ends, "Ok" disabled while the count is being edited, and the
// mask stored into the project.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "project/clsMasque.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/GraphiqueStatistique.h"
#include "ui/frmMasques.h"

#include <QPushButton>
#include <QTest>

namespace {
void NombreDePoints(frmMasques& f, const QString& n) {
    Taper(f.txtN(), n);
    QTest::keyClick(f.txtN(), Qt::Key_Return);
}

bool Modifiable(const ChampSaisie* c) {
    return !c->isReadOnly() && c->focusPolicy() != Qt::NoFocus;
}
} // namespace

class TestFrmMasques : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void nombreDePointsBorneDe2A20() {
        clsMasque m;
        frmMasques f(m);
        QVERIFY(Montrer(f));
        QCOMPARE(f.txtN()->text(), QStringLiteral("2"));
        QCOMPARE(f.NbLignes(), 2);
        NombreDePoints(f, QStringLiteral("25"));
        QCOMPARE(f.txtN()->text(), QStringLiteral("20"));
        QCOMPARE(f.NbLignes(), 20);
        QCOMPARE(f.txtAzim(19)->text(), QStringLiteral("130,00"));
        NombreDePoints(f, QStringLiteral("1"));
        QCOMPARE(f.txtN()->text(), QStringLiteral("2"));
        QCOMPARE(f.NbLignes(), 2);
        // The integer part of what is typed.
        NombreDePoints(f, QStringLiteral("4,9"));
        QCOMPARE(f.txtN()->text(), QStringLiteral("4"));
        QCOMPARE(f.NbLignes(), 4);
        QCOMPARE(f.txtAzim(1)->text(), QStringLiteral("-43,33"));
        QVERIFY(!f.txtN()->Modifie());
    }

    void troisPointsSeulLeMilieuEstModifiable() {
        clsMasque m;
        frmMasques f(m);
        QVERIFY(Montrer(f));
        NombreDePoints(f, QStringLiteral("3"));
        QCOMPARE(f.txtAzim(0)->text(), QStringLiteral("-130,00"));
        QCOMPARE(f.txtAzim(1)->text(), QStringLiteral("0,00"));
        QCOMPARE(f.txtAzim(2)->text(), QStringLiteral("130,00"));
        QVERIFY(!Modifiable(f.txtAzim(0)));
        QVERIFY(Modifiable(f.txtAzim(1)));
        QVERIFY(!Modifiable(f.txtAzim(2)));
        for (int i = 0; i < 3; ++i)
            QVERIFY(Modifiable(f.txtHang(i)));
        QCOMPARE(CouleurFond(f.txtAzim(2)), CouleurCadre);
        QCOMPARE(CouleurFond(f.txtAzim(1)), CouleurAffichee);
        // Keys reach a fixed end in vain.
        QTest::keyClicks(f.txtAzim(0), QStringLiteral("5"));
        QCOMPARE(f.txtAzim(0)->text(), QStringLiteral("-130,00"));
        // Growing to 4 points frees the old end, fixes the new one, keeps the heights.
        Taper(f.txtHang(1), QStringLiteral("12"));
        NombreDePoints(f, QStringLiteral("4"));
        QVERIFY(Modifiable(f.txtAzim(2)));
        QVERIFY(!Modifiable(f.txtAzim(3)));
        QCOMPARE(f.txtHang(1)->text(), QStringLiteral("12"));
        QCOMPARE(f.txtHang(3)->text(), QStringLiteral("0,00"));
    }

    void okInactifPendantLaSaisieDuNombre() {
        clsMasque m;
        frmMasques f(m);
        QVERIFY(Montrer(f));
        QVERIFY(f.cmdOk()->isEnabled());
        Taper(f.txtN(), QStringLiteral("5"));
        QVERIFY(!f.cmdOk()->isEnabled());
        QCOMPARE(f.NbLignes(), 2); // the rows wait for Enter
        // Enter in a point field does not confirm the dialog meanwhile.
        QTest::keyClick(f.txtHang(0), Qt::Key_Return);
        QVERIFY(f.isVisible());
        QTest::keyClick(f.txtN(), Qt::Key_Return);
        QVERIFY(f.cmdOk()->isEnabled());
        QCOMPARE(f.NbLignes(), 5);
    }

    void masqueEnregistreEtRelu() {
        ProjetEssai e;
        clsMasque& m = *e.projet.Masque;
        PlusTard([] {
            auto* f = qobject_cast<frmMasques*>(FenetreModale());
            QVERIFY(f != nullptr);
            NombreDePoints(*f, QStringLiteral("3"));
            Taper(f->txtAzim(1), QStringLiteral("10"));
            Taper(f->txtHang(0), QStringLiteral("5"));
            Taper(f->txtHang(1), QStringLiteral("20,5"));
            QTest::mouseClick(f->cmdOk(), Qt::LeftButton);
        });
        OuvrirMasques(e.projet, nullptr);
        // The recalculation copies the record's whole point arrays back; the count says
        // how many of them are points.
        QCOMPARE(m.NbPoints, int16_t(3));
        QCOMPARE(m.Masque_Angle.Item(1), -130.0);
        QCOMPARE(m.Masque_Angle.Item(2), 10.0);
        QCOMPARE(m.Masque_Hauteur.Item(1), 5.0);
        QCOMPARE(m.Masque_Hauteur.Item(2), 20.5);
        QCOMPARE(m.Masque_Hauteur.Item(3), 0.0);
        QCOMPARE(e.projet.Enregistrement().Entrees.NB_points, int16_t(3));
        QCOMPARE(e.projet.Enregistrement().Entrees.Masque_Hauteur[2], 20.5f);

        // Reopened: the stored points, not the presets.
        frmMasques f(m);
        QCOMPARE(f.txtN()->text(), QStringLiteral("3"));
        QCOMPARE(f.txtAzim(1)->text(), QStringLiteral("10,00"));
        QCOMPARE(f.txtHang(1)->text(), QStringLiteral("20,50"));
        QVERIFY(!f.txtHang(1)->Modifie());
        QVERIFY(f.cmdOk()->isEnabled());
        // Annuler leaves the mask as it was.
        QVERIFY(Montrer(f));
        NombreDePoints(f, QStringLiteral("6"));
        Taper(f.txtHang(1), QStringLiteral("33"));
        f.reject();
        QCOMPARE(m.NbPoints, int16_t(3));
        QCOMPARE(m.Masque_Hauteur.Item(2), 20.5);
    }

    void nombreStockeHorsBornes() {
        clsMasque m;
        m.NbPoints = 40; // a damaged file
        frmMasques f(m);
        QCOMPARE(f.txtN()->text(), QStringLiteral("20"));
        QCOMPARE(f.NbLignes(), 20);
        // The two points stored come over the presets.
        QCOMPARE(f.txtAzim(1)->text(), QStringLiteral("130,00"));
        QCOMPARE(f.txtAzim(2)->text(), QStringLiteral("-102,63"));
    }
};

QTEST_MAIN(TestFrmMasques)
#include "tst_frmMasques.moc"
