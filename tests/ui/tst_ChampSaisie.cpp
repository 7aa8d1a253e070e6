// The input-field protocol: colours, the numeric and range checks, validation on
// Enter, names of user items, leaving a field, and the window styling.

#include "OutilsTest.h"
#include "ui/ChampSaisie.h"
#include "ui/modAffichages.h"

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
} // namespace

class TestChampSaisie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void nombreVerifieAChaqueToucheEtALEntree() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique, QStringLiteral("2"));
        f.champ->DefinirRegle(TrouverRegle("Nb_Capteurs"));
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        // A sign alone, a comma or a point are on the way to a number: no message.
        f.champ->selectAll();
        QTest::keyClicks(f.champ, "-");
        QTest::keyClicks(f.champ, "2,5");
        f.champ->selectAll();
        QTest::keyClicks(f.champ, "1.25");
        QVERIFY(notes.messages.empty());
        // A letter brings the previous value back, stores nothing.
        QTest::keyClicks(f.champ, "a");
        QCOMPARE(f.champ->text(), QStringLiteral("2"));
        QVERIFY(!f.champ->Modifie());
        QCOMPARE(notes.titres, std::vector<std::string>{TitreApplication});
        // Enter hands the value over within the bounds only, which are admitted.
        for (const char* saisie : {"0", "1000", "999", "1,0"})
            f.Entrer(QString::fromLatin1(saisie));
        QCOMPARE(notes.messages, (std::vector<std::string>{
                                     "Nombre : Cette valeur doit être numérique",
                                     "Nombre : Cette valeur doit être comprise entre 1 et 999",
                                     "Nombre : Cette valeur doit être comprise entre 1 et 999"}));
        QCOMPARE(valides.size(), 2);
        QCOMPARE(valides.at(0).at(0).toDouble(), 999.0);
        QCOMPARE(valides.at(1).at(0).toDouble(), 1.0);
        // Orange once typed; Enter alone does not turn it white, the redisplay does.
        QVERIFY(f.champ->Modifie());
        f.champ->AfficherValeur(7.6, FormatAffichage::Entier);
        QCOMPARE(f.champ->text(), QStringLiteral("8"));
        QVERIFY(!f.champ->Modifie());
    }

    void valeursAffichees() {
        ChampSaisie champ(ChampSaisie::Genre::Numerique);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const std::tuple<double, FormatAffichage, const char*> cas[] = {
            {12.345, FormatAffichage::DeuxDecimales, "12,35"},
            {-0.001, FormatAffichage::DeuxDecimales, "0,00"},
            {49.5, FormatAffichage::Entier, "50"},
            {nan, FormatAffichage::Entier, ""},
            {inf, FormatAffichage::DeuxDecimales, ""}};
        for (const auto& [valeur, format, texte] : cas) {
            champ.AfficherValeur(valeur, format);
            QCOMPARE(champ.text(), QString::fromLatin1(texte));
        }
        QCOMPARE(CouleurFond(&champ), QColor(Qt::white));
    }

    void entrerSelectionneToutEtVerrouIgnoreLaSaisie() {
        NotificateurEnregistreur notes;
        Fenetre f(ChampSaisie::Genre::Numerique, QStringLiteral("1234,5"));
        f.autre->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(f.champ, Qt::LeftButton, {}, QPoint(4, f.champ->height() / 2));
        QTRY_COMPARE(f.champ->selectedText(), QStringLiteral("1234,5"));
        QTest::keyClicks(f.champ, "8");
        QCOMPARE(f.champ->text(), QStringLiteral("8"));
        f.champ->DefinirPlage(0.01f, 99);
        f.champ->AfficherTexte(QStringLiteral("0"));
        f.champ->DefinirVerrouille(true);
        QSignalSpy valides(f.champ, &ChampSaisie::valide);
        f.Entrer(QStringLiteral("5"));
        QCOMPARE(f.champ->text(), QStringLiteral("0"));
        QVERIFY(valides.isEmpty() && notes.messages.empty());
        // A chosen field is neither typed nor validated.
        Fenetre choisi(ChampSaisie::Genre::Choisi, QStringLiteral("France"));
        choisi.Entrer(QStringLiteral("x"));
        QCOMPARE(choisi.champ->text(), QStringLiteral("France"));
        QVERIFY(!choisi.champ->Modifie());
    }

    void nomsDesArticlesUtilisateur() {
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
};

QTEST_MAIN(TestChampSaisie)
#include "tst_ChampSaisie.moc"
