// The input-field protocol: colours, the numeric and range checks, validation on
// Enter, names of user items, leaving a field, and the window styling.

#include "OutilsTest.h"
#include "ui/ChampSaisie.h"
#include "ui/modAffichages.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace {
// Types the text key by key, accented letters included (which the ASCII helper of
// the test library cannot send).
void Taper(QWidget* w, const QString& texte) {
    for (const QChar c : texte) {
        const int touche = c.toUpper().unicode();
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key(touche), QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key(touche), QString(c), Qt::NoModifier);
    }
}
} // namespace

class TestChampSaisie : public QObject {
    Q_OBJECT

    // A field inside an active window, so that focus and keys behave as on screen.
    struct Fenetre {
        QWidget fenetre;
        ChampSaisie* champ;
        QLineEdit* autre;
        explicit Fenetre(ChampSaisie::Genre genre)
            : champ(new ChampSaisie(genre)), autre(new QLineEdit) {
            auto* d = new QVBoxLayout(&fenetre);
            d->addWidget(champ);
            d->addWidget(autre);
            fenetre.show();
            fenetre.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&fenetre));
            champ->setFocus(Qt::OtherFocusReason);
        }
    };

private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void uneLettreRameneLaValeurPrecedente() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique);
        f.champ->DefinirLibelle(QStringLiteral("Inclinaison [°]"));
        f.champ->AfficherTexte(QStringLiteral("45"));
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        f.champ->selectAll();
        QTest::keyClicks(f.champ, "4");
        QVERIFY(notes.messages.empty());
        QTest::keyClicks(f.champ, "a");
        QCOMPARE(f.champ->text(), QStringLiteral("45"));
        QCOMPARE(notes.messages,
                 std::vector<std::string>{"Inclinaison [°] : Cette valeur doit être numérique"});
        QCOMPARE(notes.titres.front(), std::string(TitreApplication));
        QVERIFY(!f.champ->Modifie());
        QCOMPARE(valides.size(), 0); // nothing is stored
    }

    void signeSeulVideVirguleEtPointSansMessage() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique);
        QTest::keyClicks(f.champ, "-");
        QCOMPARE(f.champ->text(), QStringLiteral("-"));
        QTest::keyClicks(f.champ, "2,5");
        f.champ->clear();
        QTest::keyClick(f.champ, Qt::Key_Backspace);
        QTest::keyClicks(f.champ, "1.25");
        QVERIFY(notes.messages.empty());
        QCOMPARE(f.champ->text(), QStringLiteral("1.25"));
    }

    void entreeValideLaValeurAvecPointOuVirgule() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique);
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        QTest::keyClicks(f.champ, "2.5");
        QTest::keyClick(f.champ, Qt::Key_Return);
        f.champ->clear();
        QTest::keyClicks(f.champ, "-3,75");
        QTest::keyClick(f.champ, Qt::Key_Enter);
        QCOMPARE(valides.size(), 2);
        QCOMPARE(valides.at(0).at(0).toDouble(), 2.5);
        QCOMPARE(valides.at(1).at(0).toDouble(), -3.75);
        QVERIFY(notes.messages.empty());
    }

    void horsPlageRefuseeLaValeurPrecedenteReste() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique);
        f.champ->DefinirRegle(TrouverRegle("Nb_Capteurs"));
        f.champ->AfficherTexte(QStringLiteral("2"));
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        for (const char* saisie : {"0", "1000", "999"}) {
            f.champ->selectAll();
            QTest::keyClicks(f.champ, saisie);
            QTest::keyClick(f.champ, Qt::Key_Return);
        }
        QCOMPARE(notes.messages, std::vector<std::string>(
                                     2, "Nombre : Cette valeur doit être comprise entre 1 et 999"));
        QCOMPARE(valides.size(), 1); // only 999 was handed over
        QCOMPARE(valides.front().front().toDouble(), 999.0);
    }

    void uneBorneExacteEstAdmise() {
        NotificateurEnregistreur notes;
        ChampSaisie champ(ChampSaisie::Genre::Numerique);
        champ.DefinirPlage(0.01f, 99);
        for (const char* t : {"0,01", "0.01", "99", "99,0"}) {
            champ.setText(QString::fromLatin1(t));
            QVERIFY2(champ.VerifierPlage(), t);
        }
        champ.setText(QStringLiteral("99,01"));
        QVERIFY(!champ.VerifierPlage());
        QCOMPARE(notes.messages.size(), std::size_t{1});
    }

    void couleursBlancOrangeBlanc() {
        Fenetre f(ChampSaisie::Genre::Numerique);
        f.champ->AfficherValeur(12.345, FormatAffichage::DeuxDecimales);
        QCOMPARE(f.champ->text(), QStringLiteral("12,35"));
        QCOMPARE(CouleurFond(f.champ), QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(!f.champ->Modifie());
        QTest::keyClicks(f.champ, "7");
        QCOMPARE(CouleurFond(f.champ), QColor(0xFF, 0xC0, 0x80));
        // Enter hands the value over but only the redisplay turns the field white.
        QTest::keyClick(f.champ, Qt::Key_Return);
        QVERIFY(f.champ->Modifie());
        f.champ->AfficherValeur(7.6, FormatAffichage::Entier);
        QCOMPARE(f.champ->text(), QStringLiteral("8"));
        QVERIFY(!f.champ->Modifie());
    }

    void valeursNonFiniesAfficheesVides() {
        ChampSaisie champ(ChampSaisie::Genre::Numerique);
        champ.AfficherValeur(std::numeric_limits<double>::quiet_NaN(), FormatAffichage::Entier);
        QCOMPARE(champ.text(), QString());
        champ.AfficherValeur(std::numeric_limits<double>::infinity(),
                             FormatAffichage::DeuxDecimales);
        QCOMPARE(champ.text(), QString());
        champ.AfficherValeur(-0.001, FormatAffichage::DeuxDecimales);
        QCOMPARE(champ.text(), QStringLiteral("0,00"));
        champ.AfficherValeur(49.5, FormatAffichage::Entier);
        QCOMPARE(champ.text(), QStringLiteral("50"));
        champ.AfficherValeur(49.4, FormatAffichage::Entier);
        QCOMPARE(champ.text(), QStringLiteral("49"));
    }

    void toutLeTexteSelectionneEnEntrant() {
        Fenetre f(ChampSaisie::Genre::Numerique);
        f.champ->AfficherTexte(QStringLiteral("1234,5"));
        f.autre->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(f.champ, Qt::LeftButton, {}, QPoint(4, f.champ->height() / 2));
        QTRY_COMPARE(f.champ->selectedText(), QStringLiteral("1234,5"));
        QTest::keyClicks(f.champ, "8");
        QCOMPARE(f.champ->text(), QStringLiteral("8"));
    }

    void champVerrouilleIgnoreEntree() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique);
        f.champ->DefinirPlage(0.01f, 99);
        f.champ->AfficherTexte(QStringLiteral("0"));
        f.champ->DefinirVerrouille(true);
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        QTest::keyClicks(f.champ, "5");
        QTest::keyClick(f.champ, Qt::Key_Return);
        QCOMPARE(f.champ->text(), QStringLiteral("0"));
        QCOMPARE(valides.size(), 0);
        QVERIFY(notes.messages.empty());
    }

    void nomsDesArticlesUtilisateur() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Nom);
        const QString court =
            QStringLiteral("Le nom du capteur doit comporter au moins 3 caractères");
        f.champ->DefinirMessageNomCourt(court);
        QSignalSpy noms(f.champ, &ChampSaisie::valideNom);
        QTest::keyClicks(f.champ, "ab");
        QTest::keyClick(f.champ, Qt::Key_Return);
        QCOMPARE(noms.size(), 0);
        QCOMPARE(notes.messages, std::vector<std::string>{court.toStdString()});
        // Letters are not a numeric fault in a name field.
        f.champ->clear();
        Taper(f.champ, QStringLiteral("Abcé"));
        QTest::keyClick(f.champ, Qt::Key_Return);
        f.champ->clear();
        QTest::keyClicks(f.champ, "Capteur X*");
        QTest::keyClick(f.champ, Qt::Key_Return);
        // Two accented letters and a blank are still too short once trimmed.
        f.champ->clear();
        Taper(f.champ, QStringLiteral(" éè "));
        QTest::keyClick(f.champ, Qt::Key_Return);
        QCOMPARE(noms.size(), 2);
        QCOMPARE(noms.at(0).front().toString(), QStringLiteral("Abcé*"));
        QCOMPARE(noms.at(1).front().toString(), QStringLiteral("Capteur X*"));
        QCOMPARE(notes.messages.size(), std::size_t{2});
    }

    void quitterRecalculeSeulementSiDemande() {
        Fenetre f(ChampSaisie::Genre::Numerique);
        QSignalSpy sorties(f.champ, &ChampSaisie::quitte);
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(sorties.size(), 0);
        f.champ->DefinirRecalculEnSortie(true);
        f.champ->setFocus(Qt::TabFocusReason);
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(sorties.size(), 1);
        // A box or a menu taking the focus for a moment is not leaving the field.
        f.champ->setFocus(Qt::TabFocusReason);
        QFocusEvent passager(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(f.champ, &passager);
        QCOMPARE(sorties.size(), 1);
    }

    void champChoisiNiSaisiNiValide() {
        Fenetre f(ChampSaisie::Genre::Choisi);
        f.champ->AfficherTexte(QStringLiteral("France"));
        QTest::keyClicks(f.champ, "x");
        QTest::keyClick(f.champ, Qt::Key_Return);
        QCOMPARE(f.champ->text(), QStringLiteral("France"));
        QVERIFY(!f.champ->Modifie());
    }

    void stylageDeLaFenetre() {
        QWidget fenetre;
        auto* cadre = new QGroupBox(QStringLiteral("Capteurs"), &fenetre);
        auto* nombre = new ChampSaisie(ChampSaisie::Genre::Numerique, cadre);
        auto* nom = new ChampSaisie(ChampSaisie::Genre::Nom, cadre);
        nombre->setText(QStringLiteral("3"));
        nombre->setToolTip(QStringLiteral("ancien"));
        StylerFenetre(&fenetre);
        QVERIFY(nombre->alignment() & Qt::AlignRight);
        QVERIFY(nom->alignment() & Qt::AlignLeft);
        QVERIFY(nombre->text().isEmpty());
        QVERIFY(nombre->toolTip().isEmpty());
        QVERIFY(!nombre->hasFrame());
        QVERIFY(nombre->font().bold());
        QCOMPARE(nombre->font().pointSize(), 8);
        QCOMPARE(nombre->height(), PixelsY(330));
        QCOMPARE(CouleurFond(nombre), QColor(Qt::white));
        QVERIFY(cadre->isFlat());
        QCOMPARE(cadre->font().pointSize(), 10);
        QCOMPARE(CouleurFond(cadre), QColor(0xC0, 0xC0, 0xC0));
    }
};

QTEST_MAIN(TestChampSaisie)
#include "tst_ChampSaisie.moc"
