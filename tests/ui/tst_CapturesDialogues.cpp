// Screenshots of the project window's dialogs, written to the build folder for a
// person to look at; each is also checked for labels cut short by their space.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "ui/ChampSaisie.h"
#include "ui/frmBesoins.h"
#include "ui/frmDebitEnergetique.h"
#include "ui/frmDeperdition.h"
#include "ui/frmEconomie.h"
#include "ui/frmMasques.h"
#include "ui/frmStation.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
void Enregistrer(QWidget& w, const char* nom) {
    QVERIFY(Montrer(w));
    QDir().mkpath(QStringLiteral(VARQUIN_CAPTURES_DIR));
    const QPixmap image = w.grab();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(QStringLiteral(VARQUIN_CAPTURES_DIR "/") + QString::fromLatin1(nom)));
}

// Every label, button, list and field shows its whole text in the space it was given.
void VerifierTextesEntiers(const QWidget& w) {
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        if (l->isVisible())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(l->text()));
    }
    for (const QPushButton* b : w.findChildren<QPushButton*>())
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(), qPrintable(b->text()));
    for (const QComboBox* c : w.findChildren<QComboBox*>()) {
        for (int i = 0; i < c->count(); ++i)
            QVERIFY2(c->fontMetrics().horizontalAdvance(c->itemText(i)) < c->width() - 20,
                     qPrintable(c->itemText(i)));
    }
    for (const QLineEdit* e : w.findChildren<QLineEdit*>()) {
        if (e->isVisible() && qobject_cast<const QComboBox*>(e->parentWidget()) == nullptr)
            QVERIFY2(e->fontMetrics().horizontalAdvance(e->text()) < e->width() - 4,
                     qPrintable(e->objectName() + QLatin1Char(' ') + e->text()));
    }
}
} // namespace

class TestCapturesDialogues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void besoins() {
        ProjetEssai e;
        e.projet.Besoin->Conso.Item(1) = 10000; // the widest consumption
        e.projet.Besoin->Tref.Item(1) = -10;
        frmBesoins f(*e.projet.Besoin);
        f.txtTeau(2)->setText(QStringLiteral("55")); // typed: orange
        Enregistrer(f, "dialogue-besoins.png");
        VerifierTextesEntiers(f);
    }

    void debitEnergetique() {
        clsBoucle b;
        b.Debit_Total = 12345.67f;
        b.cp = 1.16f;
        frmDebitEnergetique f(b, 1);
        Enregistrer(f, "dialogue-debit.png");
        VerifierTextesEntiers(f);
    }

    void deperdition() {
        clsBoucle b;
        b.L = 25;
        b.Phit = 22;
        b.eit = 13;
        b.Lit = 0.038f;
        frmDeperdition f(b);
        Enregistrer(f, "dialogue-deperdition.png");
        VerifierTextesEntiers(f);
    }

    void station() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        e.projet.Meteo->Pays("France métropolitaine");
        e.projet.Meteo->Departement("Stations utilisateur");
        frmStation f(e.projet);
        f.txtText(1)->setText(QStringLiteral("-12,35")); // the widest temperature
        f.txtGh(1)->setText(QStringLiteral("1,234"));
        Enregistrer(f, "dialogue-station.png");
        VerifierTextesEntiers(f);
    }

    void masques() {
        ProjetEssai e;
        clsMasque& m = *e.projet.Masque;
        frmMasques deux(m);
        Enregistrer(deux, "dialogue-masques-2.png");
        VerifierTextesEntiers(deux);

        m.NbPoints = 20;
        ViderCollection(m.Masque_Angle);
        ViderCollection(m.Masque_Hauteur);
        for (int i = 0; i < 20; ++i) {
            m.Masque_Angle.Add(-130 + 260.0 / 19 * i);
            m.Masque_Hauteur.Add(i < 10 ? 2.0 * i : 40.0 - 3 * (i - 10));
        }
        frmMasques vingt(m);
        Enregistrer(vingt, "dialogue-masques-20.png");
        VerifierTextesEntiers(vingt);
    }

    // The economic study on the real tables: an energy brings its values, a refused
    // value names its field and is not kept, an aid of the table is deducted.
    void economie() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        QVERIFY(e.Charge());
        NotificateurEnregistreur notes;
        frmEconomie f(e.projet);
        QVERIFY(f.lblErreur()->text().isEmpty());
        f.ChoisirEnergie(f.cmbEnergie()->findText(QStringLiteral("Gaz naturel")));
        QCOMPARE(f.Champ("Prix")->text(), QStringLiteral("0,1345"));
        const QString retour = f.Resultat("temps_retour_ans");
        f.AjouterAide(1);
        QVERIFY(f.Resultat("temps_retour_ans") != retour);
        Enregistrer(f, "dialogue-economie.png");
        VerifierTextesEntiers(f);

        f.Champ("Prix")->setText(QStringLiteral("-1"));
        QVERIFY(f.lblErreur()->text().startsWith(QStringLiteral("Prix de l'énergie")));
        QCOMPARE(f.Resultat("co2_evite_kg_an"), QStringLiteral("—"));
        f.accept();
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(e.projet.Economie.ParDefaut());

        f.Champ("Prix")->setText(QStringLiteral("0,1345"));
        f.accept();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(e.projet.Economie.Energie, std::string("Gaz naturel"));
        QVERIFY(!e.projet.Economie.Prix); // the table's price, left to the table
        QCOMPARE(e.projet.Economie.TotalAides(), 3000.0);
    }
};

QTEST_MAIN(TestCapturesDialogues)
#include "tst_CapturesDialogues.moc"
