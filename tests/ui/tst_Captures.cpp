// Screenshots of the windows, written to the build folder for a person to look at:
// the main window at 1280 x 800 with a project window showing fields, the results
// grid and the bar chart, its File menu, the about box, the options and the popup.

#include "OutilsTest.h"
#include "ui/ChampSaisie.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueStatistique.h"
#include "ui/ProjetProvisoire.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmChoix.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmSplash.h"
#include "ui/modAffichages.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

namespace {
DonneesResultats Exemple() {
    DonneesResultats r;
    const float besoins[13] = {0, 262, 236, 255, 240, 238, 222, 220, 222, 222, 240, 244, 262};
    const float prod[13] = {0, 70, 92, 140, 160, 175, 170, 182, 178, 150, 118, 76, 60};
    for (int m = 1; m <= 12; ++m) {
        r.Becs[m] = besoins[m];
        r.Prod[m] = prod[m];
        r.Fecs[m] = 100 * prod[m] / besoins[m];
        r.Becs_an += besoins[m];
    }
    r.Fecs_an = 55.2f;
    r.surface_totale = 4.2f;
    r.Productivite_par_m2 = 416;
    return r;
}

// A project window made of the real widgets, in the layout the project window uses.
class ProjetVitrine : public ProjetUI {
public:
    ProjetVitrine() : fenetre_(new QWidget) {
        fenetre_->setWindowTitle(QDir::currentPath() + QStringLiteral("/Projet0001.vqp"));
        auto* d = new QVBoxLayout(fenetre_);
        auto* capteurs = new QGroupBox(QStringLiteral("Capteurs"));
        auto* f = new QFormLayout(capteurs);
        const auto champ = [&](const char* libelle, ChampSaisie::Genre g) {
            auto* c = new ChampSaisie(g);
            c->setFixedWidth(120);
            f->addRow(QString::fromUtf8(libelle), c);
            return c;
        };
        ChampSaisie* type = champ("Type", ChampSaisie::Genre::Nom);
        ChampSaisie* ac = champ("Ac [m²]", ChampSaisie::Genre::Numerique);
        ChampSaisie* nb = champ("Nombre", ChampSaisie::Genre::Numerique);
        ChampSaisie* surface = champ("Surf.totale [m²]", ChampSaisie::Genre::Numerique);
        auto* besoins = new GraphiqueStatistique;
        besoins->setFixedSize(180, 60);
        f->addRow(besoins);
        d->addWidget(capteurs);
        auto* resultats = new QGroupBox(QStringLiteral("RESULTATS"));
        auto* dr = new QVBoxLayout(resultats);
        auto* grille = new ResultatsGrille;
        auto* bilan = new GraphiqueBilan;
        bilan->setFixedSize(grille->width(), 180);
        dr->addWidget(grille);
        dr->addWidget(bilan);
        d->addWidget(resultats);
        StylerFenetre(fenetre_);
        type->AfficherTexte(QStringLiteral("Capteur plan*"));
        ac->AfficherValeur(0.78, FormatAffichage::DeuxDecimales);
        nb->AfficherValeur(2, FormatAffichage::Entier);
        surface->AfficherValeur(4.2, FormatAffichage::DeuxDecimales);
        surface->setText(QStringLiteral("4,5")); // typed, not validated: orange
        besoins->Tracer(QStringLiteral("Consommation/jours [l/j]"),
                        {200, 190, 185, 180, 170, 160, 150, 150, 165, 180, 190, 200});
        grille->AfficherResultats(Exemple(), true);
        bilan->Afficher(Exemple(), true);
    }
    QWidget* Fenetre() override { return fenetre_; }
    void Ouvrir(const QString&) override {}
    void Enregistrer() override {}
    void EnregistrerSous(const QString&) override {}
    void Annuler() override {}
    void Calculer() override {}
    void ApercuAvantImpression(QWidget*) override {}
    void Imprimer(QWidget*) override {}

private:
    QWidget* fenetre_;
};

class FabriqueVitrine : public FabriqueProjets {
public:
    std::unique_ptr<ProjetUI> NouveauProjet() override { return std::make_unique<ProjetVitrine>(); }
};

QString Chemin(const char* nom) {
    QDir().mkpath(QStringLiteral(VARQUIN_CAPTURES_DIR));
    return QStringLiteral(VARQUIN_CAPTURES_DIR "/") + QString::fromLatin1(nom);
}

void Enregistrer(QWidget& w, const char* nom, const QSize& attendue = QSize()) {
    const QPixmap image = w.grab();
    QVERIFY(!image.isNull());
    if (attendue.isValid())
        QCOMPARE(image.size(), attendue);
    QVERIFY(image.save(Chemin(nom)));
}
} // namespace

class TestCaptures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void fenetrePrincipale() {
        FabriqueVitrine fabrique;
        frmMain f(fabrique);
        f.setGeometry(0, 0, 1280, 800);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.setmenu(false);
        Enregistrer(f, "principal-vide.png", QSize(1280, 800));
        f.LoadNewDoc();
        f.Zone()->currentSubWindow()->move(10, 10);
        f.Zone()->currentSubWindow()->adjustSize();
        QCoreApplication::processEvents();
        Enregistrer(f, "principal-projet.png", QSize(1280, 800));

        auto* menu = f.findChild<QMenu*>(QStringLiteral("mnuFile"));
        menu->popup(f.mapToGlobal(QPoint(0, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        Enregistrer(*menu, "menu-fichier.png");
        menu->hide();
    }

    void projetProvisoire() {
        FabriqueProvisoire fabrique;
        frmMain f(fabrique);
        f.setGeometry(0, 0, 1280, 800);
        f.show();
        f.LoadNewDoc();
        f.Zone()->currentSubWindow()->adjustSize();
        QCoreApplication::processEvents();
        Enregistrer(f, "principal-provisoire.png", QSize(1280, 800));
    }

    void dialogues() {
        frmSplash apropos;
        apropos.show();
        Enregistrer(apropos, "a-propos.png");
        frmOptions options;
        options.show();
        Enregistrer(options, "options.png");
        frmChoix choix;
        choix.FillIn({"Calc. simple", "Calc. détaillé", "Val. forcée", "--", "Autre"});
        choix.show();
        Enregistrer(choix, "choix.png");
    }
};

QTEST_MAIN(TestCaptures)
#include "tst_Captures.moc"
