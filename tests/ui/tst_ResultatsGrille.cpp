// The results grid: headings, whole-number cells, the annual productivity, the
// per-m² row, on-demand mode and values that are not finite.

#include "OutilsTest.h"
#include "ui/ResultatsGrille.h"
#include "ui/modAffichages.h"

#include <QTest>
#include <limits>

namespace {
DonneesResultats Exemple() {
    DonneesResultats r;
    for (int m = 1; m <= 12; ++m) {
        r.Fecs[m] = 30.f + 4 * m;
        r.Becs[m] = 200.f + m;
        r.Prod[m] = 60.f + 2 * m;
    }
    r.Fecs_an = 54.4f;
    r.Becs_an = 2478.f;
    r.Productivite_par_m2 = 441.6f;
    r.surface_totale = 2;
    r.Ac = 0.8f;
    return r;
}

QStringList Ligne(const ResultatsGrille& g, int l) {
    QStringList r;
    for (int c = 0; c < ResultatsGrille::NbColonnes; ++c)
        r << g.Texte(l, c);
    return r;
}
} // namespace

class TestResultatsGrille : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void enTetesEtMois() {
        ResultatsGrille g;
        QCOMPARE(g.rowCount(), 5);
        QCOMPARE(g.columnCount(), 14);
        QCOMPARE(Ligne(g, 0),
                 (QStringList{"", "janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août",
                              "sept.", "oct.", "nov.", "déc.", "Annuel"}));
        g.AfficherResultats(Exemple(), true);
        QStringList titres;
        for (int l = 1; l < 5; ++l)
            titres << g.Texte(l, 0);
        QCOMPARE(titres, (QStringList{"Couverture [%]", "Besoins [kWh]", "Productivité [kWh]",
                                      "Productivité /m²"}));
        // At least the designed widths, and every heading fits in its cell.
        QVERIFY(g.columnWidth(0) >= PixelsX(1500));
        QVERIFY(g.columnWidth(5) >= PixelsX(600));
        QVERIFY(g.columnWidth(13) >= PixelsX(700));
        const QFontMetrics fm(g.font());
        for (int l = 0; l < 5; ++l)
            for (int c = 0; c < 14; ++c)
                QVERIFY2(fm.horizontalAdvance(g.Texte(l, c)) < g.columnWidth(c),
                         qPrintable(g.Texte(l, c)));
        QVERIFY(!g.font().bold());
        int largeur = 0;
        for (int c = 0; c < 14; ++c)
            largeur += g.columnWidth(c);
        QVERIFY(g.viewport()->width() >= largeur); // no column is cut off on the right
    }

    void nombresEntiersArrondisAuDemi() {
        DonneesResultats r = Exemple();
        r.Fecs[1] = 49.5f;
        r.Fecs[2] = 49.4f;
        r.Becs[3] = 0.49f;
        ResultatsGrille g;
        g.AfficherResultats(r, true);
        QCOMPARE(g.Texte(1, 1), QStringLiteral("50"));
        QCOMPARE(g.Texte(1, 2), QStringLiteral("49"));
        QCOMPARE(g.Texte(2, 3), QStringLiteral("0"));
        QCOMPARE(g.Texte(1, 13), QStringLiteral("54"));
        QCOMPARE(g.Texte(2, 13), QStringLiteral("2478"));
        // Per m²: 62 kWh over 2 m² in January; the stored annual value in column 13.
        QCOMPARE(g.Texte(4, 1), QStringLiteral("31"));
        QCOMPARE(g.Texte(4, 13), QStringLiteral("442"));
    }

    void productiviteAnnuelleSommeDesMoisADeuxDecimales() {
        DonneesResultats r;
        r.surface_totale = 1;
        // 12.496 shows 12 on its own, but the annual sum takes it as 12.50, hence 13.
        r.Prod[1] = 12.496f;
        ResultatsGrille g;
        g.AfficherResultats(r, true);
        QCOMPARE(g.Texte(3, 1), QStringLiteral("12"));
        QCOMPARE(g.Texte(3, 13), QStringLiteral("13"));
        QCOMPARE(ProductiviteAnnuelle(r), 12.5);

        DonneesResultats s = Exemple();
        double attendu = 0;
        for (int m = 1; m <= 12; ++m)
            attendu += 60 + 2 * m;
        QCOMPARE(ProductiviteAnnuelle(s), attendu);
    }

    void modeSurDemandeVideLesResultatsGardeLesTitres() {
        ResultatsGrille g;
        g.AfficherResultats(Exemple(), true);
        QVERIFY(!g.Texte(2, 6).isEmpty());
        g.AfficherResultats(Exemple(), false);
        for (int l = 1; l < 5; ++l) {
            QVERIFY(!g.Texte(l, 0).isEmpty());
            for (int c = 1; c < 14; ++c)
                QVERIFY(g.Texte(l, c).isEmpty());
        }
        QCOMPARE(g.Texte(0, 13), QStringLiteral("Annuel"));
        g.AfficherResultats(Exemple(), true);
        QCOMPARE(g.Texte(2, 6), QStringLiteral("206"));
    }

    void chauffeEauMonoblocSansCellulesParM2() {
        DonneesResultats r = Exemple();
        r.ChauffeEau = true;
        ResultatsGrille g;
        g.AfficherResultats(r, true);
        for (int c = 1; c < 14; ++c)
            QVERIFY(g.Texte(4, c).isEmpty());
        QCOMPARE(g.Texte(3, 1), QStringLiteral("62"));
        // Without a collector coefficient the monthly quotient is still shown, never
        // the annual one.
        r.Ac = 0;
        g.AfficherResultats(r, true);
        QCOMPARE(g.Texte(4, 1), QStringLiteral("31"));
        QVERIFY(g.Texte(4, 13).isEmpty());
    }

    void valeursNonFiniesEtSurfaceNulleVides() {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        NotificateurEnregistreur notes;
        DonneesResultats r = Exemple();
        r.Fecs[4] = nan;
        r.Becs[5] = inf;
        r.Prod[6] = -inf;
        r.Becs_an = nan;
        ResultatsGrille g;
        g.AfficherResultats(r, true);
        QVERIFY(g.Texte(1, 4).isEmpty());
        QVERIFY(g.Texte(2, 5).isEmpty());
        QVERIFY(g.Texte(3, 6).isEmpty());
        QVERIFY(g.Texte(4, 6).isEmpty());
        QVERIFY(g.Texte(2, 13).isEmpty());
        QVERIFY(g.Texte(3, 13).isEmpty()); // the sum of a non-finite month
        QCOMPARE(g.Texte(3, 5), QStringLiteral("70"));
        for (int l = 1; l < 5; ++l)
            for (int c = 1; c < 14; ++c) {
                const QString t = g.Texte(l, c).toLower();
                QVERIFY(!t.contains(QStringLiteral("nan")) && !t.contains(QStringLiteral("inf")));
            }
        r = Exemple();
        r.surface_totale = 0;
        g.AfficherResultats(r, true);
        for (int m = 1; m <= 12; ++m)
            QVERIFY(g.Texte(4, m).isEmpty());
        QVERIFY(notes.messages.empty());
    }
};

QTEST_MAIN(TestResultatsGrille)
#include "tst_ResultatsGrille.moc"
