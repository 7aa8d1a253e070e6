// The small statistics chart of the needs and the mask, and the monthly bar chart
// under the results grid, checked on their rendered pixels.

#include "OutilsTest.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueStatistique.h"

#include <QImage>
#include <QTest>

namespace {
bool Rouge(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool Sombre(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The number of pixels of the image, within columns [x0, x1), that pass the test.
template <class Test> int Compter(const QImage& image, Test test, int x0 = 0, int x1 = -1) {
    if (x1 < 0)
        x1 = image.width();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QImage Rendu(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

DonneesResultats Exemple() {
    DonneesResultats r;
    for (int m = 1; m <= 12; ++m) {
        r.Becs[m] = 300 - 10 * m;
        r.Prod[m] = 40 + 15 * (6 - std::abs(6 - m));
        r.Fecs[m] = 100 * r.Prod[m] / r.Becs[m];
    }
    r.Fecs_an = 55;
    return r;
}
} // namespace

class TestGraphiques : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void titreMoyenneEtInfobulle() {
        NotificateurEnregistreur notes;
        GraphiqueStatistique g;
        g.resize(160, 60);
        g.Tracer(QStringLiteral("Consommation/jours [l/j]"),
                 {40, 45, 50, 55, 60, 62, 58, 50, 45, 41, 40, 54});
        QCOMPARE(g.toolTip(),
                 QStringLiteral("Consommation/jours [l/j] moy.: 50 min.: 40 max.: 62"));
        QCOMPARE(g.TexteMoyenne(), QStringLiteral(" moy.: 50"));
        const QImage image = Rendu(g);
        QVERIFY(Compter(image, Rouge) > 50);
        QVERIFY(Compter(image, Sombre) > 20); // the title and the mean
        // The busy cursor was shown and put back.
        QCOMPARE(notes.sabliers, (std::vector<bool>{true, false}));
    }

    void valeursEgalesSansCourbe() {
        GraphiqueStatistique g;
        g.resize(160, 60);
        g.Tracer(QStringLiteral("Temp. eau chaude [°C]"), std::vector<float>(12, 55.f));
        QCOMPARE(g.toolTip(), QStringLiteral("Temp. eau chaude [°C] moy.: 55 min.: 55 max.: 55"));
        const QImage image = Rendu(g);
        QCOMPARE(Compter(image, Rouge), 0);
        QVERIFY(Compter(image, Sombre) > 20);
    }

    void listeVideLaisseLeGraphique() {
        GraphiqueStatistique g;
        g.Tracer(QStringLiteral("A"), {1, 2, 3});
        g.Tracer(QStringLiteral("B"), {});
        QCOMPARE(g.Titre(), QStringLiteral("A"));
        QCOMPARE(g.toolTip(), QStringLiteral("A moy.: 2 min.: 1 max.: 3"));
    }

    void masqueSansTexteNiInfobulle() {
        GraphiqueStatistique g;
        g.resize(200, 60);
        g.Tracer(QStringLiteral("ignoré"), {5, 20, 10, 0}, {-120, -40, 30, 120});
        QVERIFY(g.toolTip().isEmpty());
        QVERIFY(g.Titre().isEmpty());
        const QImage image = Rendu(g);
        QVERIFY(Compter(image, Rouge) > 50);
        QCOMPARE(Compter(image, Sombre), 0);
    }

    void xDecroissantArreteLaCourbe() {
        GraphiqueStatistique g;
        g.resize(200, 60);
        // The third azimuth goes back: nothing is drawn from there on, so the right
        // half of the chart (x from 0 to 100) stays free of red.
        g.Tracer(QString(), {10, 20, 30, 5}, {-100, -20, -60, 100});
        const QImage image = Rendu(g);
        QVERIFY(Compter(image, Rouge, 0, 70) > 20);
        QCOMPARE(Compter(image, Rouge, 110, 200), 0);
    }

    void bilanVideEnModeSurDemande() {
        GraphiqueBilan g;
        g.resize(620, 180);
        const auto besoins = [](QRgb c) { return QColor(c) == GraphiqueBilan::CouleurBesoins; };
        const auto production = [](QRgb c) {
            return QColor(c) == GraphiqueBilan::CouleurProduction;
        };
        g.Afficher(Exemple(), false);
        QVERIFY(g.Vide());
        QImage image = Rendu(g);
        QCOMPARE(Compter(image, besoins), 0);
        QCOMPARE(Compter(image, production), 0);

        g.Afficher(Exemple(), true);
        image = Rendu(g);
        const int b = Compter(image, besoins);
        const int p = Compter(image, production);
        QVERIFY(b > 500);
        QVERIFY(p > 200);
        // The needs outweigh the production in every month of the example.
        QVERIFY(b > p);
    }

    void bilanIgnoreLesValeursNonFinies() {
        DonneesResultats r = Exemple();
        r.Prod[3] = std::numeric_limits<float>::quiet_NaN();
        r.Becs[5] = std::numeric_limits<float>::infinity();
        r.Fecs[7] = std::numeric_limits<float>::quiet_NaN();
        GraphiqueBilan g;
        g.resize(620, 180);
        g.Afficher(r, true);
        const QImage image = Rendu(g);
        QVERIFY(Compter(image, [](QRgb c) { return QColor(c) == GraphiqueBilan::CouleurBesoins; }) >
                300);
    }

    void graduations() {
        QCOMPARE(PasGraduation(380, 4), 100.0);
        QCOMPARE(PasGraduation(1000, 4), 500.0);
        QCOMPARE(PasGraduation(7, 4), 2.0);
        QCOMPARE(PasGraduation(0, 4), 1.0);
    }
};

QTEST_MAIN(TestGraphiques)
#include "tst_Graphiques.moc"
