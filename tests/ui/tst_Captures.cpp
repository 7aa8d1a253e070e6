// Screenshots of the windows, written to the build folder for a person to look at:
// the main window at 1280 x 800 with a real project of each system type and its
// results (collector and tank; one-piece water heater), the whole sheet of each
// project window, the File menu, the about box, the options and the choice popup.

#include "OutilsTest.h"
#include "data/ModCollection.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"
#include "ui/GraphiqueBilan.h"
#include "ui/ProjetFenetre.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmChoix.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmProjet.h"
#include "ui/frmSplash.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QTest>

namespace {
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

// A household of four: 200 l a day at 50 °C.
void BesoinsFamille(clsprojet& p) {
    RemplirCollection(p.Besoin->Conso, 200.0, 12);
}

// Collectors on a tank with a built-in auxiliary, a detailed loop efficiency with a
// separate exchanger, and a low horizon mask to the east.
void SystemeCapteursBallon(clsprojet& p) {
    p.Systeme->TypeSysteme("SYSTEME CAPTEUR BALLON");
    p.Capteurs->nombre(2);
    p.Ballon->TypeBallon("Ballon solaire 300 l");
    p.Appoint->TypeAppoint = "Appoint intégré";
    p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    p.Echangeur->PresenceEchangeur = "Echangeur";
    p.Masque->Masque_Existe = 1;
    ViderCollection(p.Masque->Masque_Angle);
    ViderCollection(p.Masque->Masque_Hauteur);
    const double angles[] = {-130, -90, -60, -30, 0, 30, 130};
    const double hauteurs[] = {0, 12, 18, 8, 4, 2, 0};
    for (int i = 0; i < 7; ++i) {
        p.Masque->Masque_Angle.Add(angles[i]);
        p.Masque->Masque_Hauteur.Add(hauteurs[i]);
    }
    p.Masque->NbPoints = 7;
    BesoinsFamille(p);
}

ProjetFenetre* Nouveau(frmMain& f) {
    auto* p = static_cast<ProjetFenetre*>(f.LoadNewDoc());
    f.Zone()->currentSubWindow()->move(0, 0);
    return p;
}
} // namespace

class TestCaptures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        ChargerDonneesReference();
    }

    void projetsDesDeuxTypes() {
        FabriqueProjetsFenetres fabrique;
        frmMain f(fabrique);
        f.setGeometry(0, 0, 1280, 800);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Enregistrer(f, "principal-vide.png", QSize(1280, 800));

        ProjetFenetre* chauffeEau = Nouveau(f);
        BesoinsFamille(chauffeEau->Projet());
        chauffeEau->Annuler(); // recalculated and redisplayed
        QCoreApplication::processEvents();
        QVERIFY(!chauffeEau->Formulaire()->Grille()->Texte(1, 13).isEmpty());
        Enregistrer(f, "projet-chauffe-eau.png", QSize(1280, 800));
        Enregistrer(*chauffeEau->Formulaire()->Defilement()->widget(), "feuille-chauffe-eau.png");

        ProjetFenetre* capteurs = Nouveau(f);
        SystemeCapteursBallon(capteurs->Projet());
        capteurs->Annuler();
        QCoreApplication::processEvents();
        QVERIFY(!capteurs->Formulaire()->Grille()->Texte(4, 13).isEmpty());
        Enregistrer(f, "projet-capteurs-ballon.png", QSize(1280, 800));
        Enregistrer(*capteurs->Formulaire()->Defilement()->widget(), "feuille-capteurs-ballon.png");
        // The last section scrolled into view, as the person sees it.
        capteurs->Formulaire()->Defilement()->ensureWidgetVisible(capteurs->Formulaire()->Bilan());
        QCoreApplication::processEvents();
        Enregistrer(f, "projet-capteurs-ballon-resultats.png", QSize(1280, 800));

        // Meteorology and needs folded, and the system's sections.
        capteurs->Formulaire()->picSBesoin_Click();
        capteurs->Formulaire()->picSSysteme_Click();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        Enregistrer(f, "projet-replie.png", QSize(1280, 800));

        auto* menu = f.findChild<QMenu*>(QStringLiteral("mnuFile"));
        menu->popup(f.mapToGlobal(QPoint(0, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        Enregistrer(*menu, "menu-fichier.png");
        menu->hide();
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
