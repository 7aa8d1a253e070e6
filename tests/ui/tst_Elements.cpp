// The pieces of the windows: the input field's protocol, the results grid, the charts
// checked on their rendered pixels, the list-choice popup, and the core's message boxes
// and busy cursor.

#include "OutilsTest.h"
#include "ui/ChampSaisie.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueStatistique.h"
#include "ui/NotificateurQt.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmChoix.h"
#include "ui/modAffichages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <limits>

namespace {
// A field inside an active window, so that focus and keys behave as on screen.
struct Fenetre {
    QWidget fenetre;
    ChampSaisie* champ;
    QLineEdit* autre = new QLineEdit;
    explicit Fenetre(ChampSaisie::Genre genre, const QString& texte = QString())
        : champ(new ChampSaisie(genre)) {
        auto* d = new QVBoxLayout(&fenetre);
        d->addWidget(champ);
        d->addWidget(autre);
        champ->AfficherTexte(texte);
        fenetre.show();
        fenetre.activateWindow();
        if (!QTest::qWaitForWindowActive(&fenetre))
            qWarning("fenêtre inactive");
        champ->setFocus(Qt::OtherFocusReason);
    }
    // Types the text over the field's, key by key (accented letters included), then Enter.
    void Entrer(const QString& texte) {
        champ->selectAll();
        for (const QChar c : texte)
            for (auto type : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(type, champ, Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
        QTest::keyClick(champ, Qt::Key_Return);
    }
};

DonneesResultats Exemple() {
    DonneesResultats r;
    for (int m = 1; m <= 12; ++m) {
        r.Fecs[m] = 30.f + 4 * m;
        r.Becs[m] = 300.f - 10 * m;
        r.Prod[m] = 60.f + 2 * m;
    }
    r.Fecs_an = 54.4f;
    r.Becs_an = 2478.f;
    r.Productivite_par_m2 = 441.6f;
    r.surface_totale = 2;
    r.Ac = 0.8f;
    return r;
}

// The number of pixels of the widget, within columns [x0, x1), of the colour.
int Pixels(QWidget& w, const std::function<bool(QColor)>& couleur, int x0 = 0, int x1 = 1 << 20) {
    const QImage image = w.grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < std::min(x1, image.width()); ++x)
            n += couleur(image.pixelColor(x, y));
    return n;
}
bool Rouge(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
bool Sombre(QColor c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
Qt::CursorShape Curseur() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor; // "blank" stands for no override here
}
} // namespace

class TestElements : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void champNumerique() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique, QStringLiteral("2"));
        f.champ->DefinirRegle(TrouverRegle("Nb_Capteurs"));
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        // A sign alone, a comma or a point are on the way to a number: no message; a
        // letter brings the previous value back and stores nothing.
        f.champ->selectAll();
        QTest::keyClicks(f.champ, "-2,5");
        f.champ->selectAll();
        QTest::keyClicks(f.champ, "1.25a");
        QCOMPARE(f.champ->text(), QStringLiteral("2"));
        QVERIFY(!f.champ->Modifie());
        // Enter hands the value over within the bounds only, which are admitted.
        for (const char* saisie : {"0", "1000", "999", "1,0"})
            f.Entrer(QString::fromLatin1(saisie));
        QCOMPARE(notes.messages,
                 (std::vector<std::string>{
                     "Nombre : Cette valeur doit être numérique, comprise entre 1 et 999",
                     "Nombre : Cette valeur doit être comprise entre 1 et 999",
                     "Nombre : Cette valeur doit être comprise entre 1 et 999"}));
        QCOMPARE(notes.titres.front(), std::string(TitreApplication));
        QCOMPARE(valides.size(), 2);
        QCOMPARE(valides.at(1).at(0).toDouble(), 1.0);
        // Orange once typed; Enter alone does not turn it white, the redisplay does.
        QVERIFY(f.champ->Modifie());
        f.champ->AfficherValeur(std::numeric_limits<double>::quiet_NaN(), FormatAffichage::Entier);
        QCOMPARE(f.champ->text(), QString()); // not a number: nothing shown
        f.champ->AfficherValeur(-0.001, FormatAffichage::DeuxDecimales);
        QCOMPARE(f.champ->text(), QStringLiteral("0,00"));
        QVERIFY(!f.champ->Modifie());
        // Entering it selects the whole text; leaving it for a moment (a box, a menu) is
        // not leaving it.
        f.autre->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(f.champ, Qt::LeftButton, {}, QPoint(4, f.champ->height() / 2));
        QTRY_COMPARE(f.champ->selectedText(), QStringLiteral("0,00"));
        f.champ->DefinirRecalculEnSortie(true);
        QSignalSpy sorties(f.champ, &ChampSaisie::quitte);
        QFocusEvent passager(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(f.champ, &passager);
        QCOMPARE(sorties.size(), 0);
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(sorties.size(), 1);
    }

    void champsNomChoisiEtVerrouille() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Nom);
        const QString court =
            QStringLiteral("Le nom du capteur doit comporter au moins 3 caractères");
        f.champ->DefinirMessageNomCourt(court);
        QSignalSpy noms(f.champ, &ChampSaisie::valideNom);
        // Letters are no numeric fault here; two letters and blanks are still too short.
        for (const char* nom : {"ab", "Abcé", "Capteur X*", " éè "})
            f.Entrer(QString::fromUtf8(nom));
        QCOMPARE(noms.size(), 2);
        QCOMPARE(noms.at(0).front().toString(), QStringLiteral("Abcé*"));
        QCOMPARE(noms.at(1).front().toString(), QStringLiteral("Capteur X*"));
        QCOMPARE(notes.messages, std::vector<std::string>(2, court.toStdString()));
        // Neither a chosen field nor a locked one takes what is typed.
        Fenetre choisi(ChampSaisie::Genre::Choisi, QStringLiteral("France"));
        choisi.Entrer(QStringLiteral("x"));
        Fenetre verrou(ChampSaisie::Genre::Numerique, QStringLiteral("0"));
        verrou.champ->DefinirVerrouille(true);
        QSignalSpy valides(verrou.champ, &ChampSaisie::valide);
        verrou.Entrer(QStringLiteral("5"));
        QCOMPARE(choisi.champ->text() + verrou.champ->text(), QStringLiteral("France0"));
        QVERIFY(valides.isEmpty() && !choisi.champ->Modifie());
    }

    void grilleDesResultats() {
        DonneesResultats r = Exemple();
        r.Fecs[1] = 49.5f; // whole numbers, halves up
        r.Fecs[2] = 49.4f;
        r.Prod[3] = 12.496f; // 12 on its own, but 12.50 in the annual sum
        r.Fecs[4] = std::numeric_limits<float>::quiet_NaN();
        r.Becs[5] = std::numeric_limits<float>::infinity();
        ResultatsGrille g;
        g.AfficherResultats(r, true);
        const std::tuple<int, int, const char*> cellules[] = {
            {1, 1, "50"},   {1, 2, "49"}, {3, 3, "12"}, {4, 1, "31"}, // 62 kWh over 2 m²
            {4, 13, "442"}, {1, 4, ""},   {2, 5, ""},   {2, 13, "2478"}};
        for (const auto& [l, c, texte] : cellules)
            QCOMPARE(g.Texte(l, c), QString::fromLatin1(texte));
        double annuel = 12.5;
        for (int m = 1; m <= 12; ++m)
            annuel += m == 3 ? 0 : 60 + 2 * m;
        QCOMPARE(ProductiviteAnnuelle(r), annuel);
        // Every heading fits its cell, and no column is cut off on the right.
        const QFontMetrics fm(g.font());
        int largeur = 0;
        for (int c = 0; c < ResultatsGrille::NbColonnes; ++c) {
            largeur += g.columnWidth(c);
            for (int l = 0; l < ResultatsGrille::NbLignes; ++l)
                QVERIFY2(fm.horizontalAdvance(g.Texte(l, c)) < g.columnWidth(c),
                         qPrintable(g.Texte(l, c)));
        }
        QVERIFY(g.viewport()->width() >= largeur);
        // Copied for a spreadsheet, with its headings: the whole grid when nothing is
        // selected, the selection by Ctrl+C, a heading alone standing for its column.
        const QStringList tout = g.TexteCopie().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(tout.size(), 5);
        QCOMPARE(tout[2].split(QLatin1Char('\t')).size(), 14);
        QVERIFY(tout[0].startsWith(QStringLiteral("\tjanv.\tfévr.\tmars")));
        g.setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
        QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(
            QGuiApplication::clipboard()->text(),
            QStringLiteral("\tjanv.\tfévr.\nCouverture [%]\t50\t49\nBesoins [kWh]\t290\t280\n"));
        g.clearSelection();
        g.setRangeSelected(QTableWidgetSelectionRange(0, 13, 0, 13), true);
        QCOMPARE(g.TexteCopie().split(QLatin1Char('\n'))[4],
                 QStringLiteral("Productivité /m²\t442"));
        // On demand: the results go, the headings stay.
        g.AfficherResultats(r, false);
        for (int l = 1; l < ResultatsGrille::NbLignes; ++l) {
            QVERIFY(!g.Texte(l, 0).isEmpty());
            for (int c = 1; c < ResultatsGrille::NbColonnes; ++c)
                QVERIFY(g.Texte(l, c).isEmpty());
        }
        // A one-piece heater has no figure per m²; without a collector coefficient the
        // months are still shown, never the year; no area, nothing per m².
        r.ChauffeEau = true;
        g.AfficherResultats(r, true);
        QVERIFY(g.Texte(4, 1).isEmpty() && g.Texte(4, 13).isEmpty());
        r.Ac = 0;
        g.AfficherResultats(r, true);
        QVERIFY(!g.Texte(4, 1).isEmpty() && g.Texte(4, 13).isEmpty());
        r.surface_totale = 0;
        g.AfficherResultats(r, true);
        QVERIFY(g.Texte(4, 1).isEmpty());
    }

    void graphiques() {
        NotificateurEnregistreur notes;
        GraphiqueStatistique g;
        g.resize(200, 60);
        g.Tracer(QStringLiteral("Consommation/jours [l/j]"),
                 {40, 45, 50, 55, 60, 62, 58, 50, 45, 41, 40, 54});
        QCOMPARE(g.toolTip(),
                 QStringLiteral("Consommation/jours [l/j] moy.: 50 min.: 40 max.: 62"));
        QVERIFY(Pixels(g, Rouge) > 50 && Pixels(g, Sombre) > 20); // the curve, title, mean
        QCOMPARE(notes.sabliers, (std::vector<bool>{true, false}));
        // A mask has neither text nor tooltip; an azimuth going back stops the curve,
        // so that the right half stays free of red.
        GraphiqueStatistique masque;
        masque.resize(200, 60);
        masque.Tracer(QStringLiteral("ignoré"), {10, 20, 30, 5}, {-100, -20, -60, 100});
        QVERIFY(masque.toolTip().isEmpty() && Pixels(masque, Sombre) == 0);
        QVERIFY(Pixels(masque, Rouge, 0, 70) > 20 && Pixels(masque, Rouge, 110) == 0);

        GraphiqueBilan bilan;
        bilan.resize(620, 180);
        const auto besoins = [](QColor c) { return c == GraphiqueBilan::CouleurBesoins; };
        const auto production = [](QColor c) { return c == GraphiqueBilan::CouleurProduction; };
        bilan.Afficher(Exemple(), false); // on demand: empty
        QVERIFY(bilan.Vide() && Pixels(bilan, besoins) == 0 && Pixels(bilan, production) == 0);
        DonneesResultats r = Exemple();
        r.Prod[3] = std::numeric_limits<float>::quiet_NaN(); // ignored
        bilan.Afficher(r, true);
        QVERIFY(Pixels(bilan, production) > 200);
        QVERIFY(Pixels(bilan, besoins) > Pixels(bilan, production)); // needs outweigh
    }

    void listeDeChoix() {
        const std::vector<std::string> liste = {"Sud", "Sud-Est", "-- autres --",
                                                "Est", "",        "jamais lu"};
        frmChoix popup;
        QVERIFY(popup.FillIn(liste)); // up to the first empty entry
        QCOMPARE(popup.Liste()->count(), 4);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const auto cliquer = [&](int rang) {
            const QRect r = popup.Liste()->visualItemRect(popup.Liste()->item(rang));
            QTest::mouseClick(popup.Liste()->viewport(), Qt::LeftButton, {}, r.center());
        };
        ChoixTexte = "avant";
        cliquer(2); // a separator cannot be chosen
        QVERIFY(popup.isVisible());
        QCOMPARE(ChoixTexte, std::string("avant"));
        cliquer(3);
        QCOMPARE(std::pair(ChoixTexte, ChoixIndex), std::pair(std::string("Est"), 3));
        QVERIFY(!popup.isVisible());
        // Escape gives -1; an empty list opens nothing (no timer: a popup opening would
        // never close).
        ChoisirDansLePopup(QString());
        QCOMPARE(ChoisirDansListe(liste, nullptr), std::string("-1"));
        QCOMPARE(ChoixIndex, -1);
        QCOMPARE(ChoisirDansListe({"  ", "Sud"}, nullptr), std::string("-1"));
    }

    void boitesEtSablierDuProgramme() {
        NotificateurQt n;
        n.Sablier(true);
        n.Sablier(true); // nested
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::WaitCursor);
        // A box has one Ok button, the title given, and a normal pointer while it shows.
        QString vu;
        PlusTard([&] {
            auto* boite = qobject_cast<QMessageBox*>(FenetreModale());
            QVERIFY(boite != nullptr);
            vu = QStringLiteral("%1|%2|%3|%4")
                     .arg(boite->windowTitle(), boite->text())
                     .arg(boite->buttons().size())
                     .arg(Curseur() == Qt::ArrowCursor);
            boite->button(QMessageBox::Ok)->click();
        });
        n.Message("Première ligne\r\nSeconde ligne", "VARQUIN");
        QCOMPARE(vu, QStringLiteral("VARQUIN|Première ligne\nSeconde ligne|1|1"));
        QCOMPARE(Curseur(), Qt::WaitCursor);
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::BlankCursor);
        // A stray "off" does not take away someone else's cursor; one left on goes with
        // the notifier.
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::CrossCursor);
        QGuiApplication::restoreOverrideCursor();
        {
            NotificateurQt m;
            m.Sablier(true);
        }
        QCOMPARE(Curseur(), Qt::BlankCursor);
    }
};

QTEST_MAIN(TestElements)
#include "tst_Elements.moc"
