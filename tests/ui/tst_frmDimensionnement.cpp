// The sizing dialog beside a project window of the reference data: a click on a point
// gives the project that collector count and that tank through its lifecycle, the
// window's grid shows that point's results and the curves follow the project.

#include "OutilsTest.h"
#include "project/clsprojet.h"
#include "ui/GraphiqueDimensionnement.h"
#include "ui/ProjetFenetre.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmDimensionnement.h"
#include "ui/frmMain.h"
#include "ui/frmProjet.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
// A point of another count and another tank than the project's, that a click on its
// pixel chooses.
std::optional<std::size_t> AutrePoint(const frmDimensionnement& d) {
    const Balayage& b = *d.Etude();
    for (std::size_t i = 0; i < b.points.size(); ++i) {
        const PointBalayage& p = b.points[i];
        const auto position = d.Couverture()->Position(i);
        if (p.calcule && p.nombre != b.points[b.projet].nombre &&
            !b.grille.ballons[p.ballon].projet && position &&
            d.Couverture()->PointSous(position->toPoint()) == i)
            return i;
    }
    return std::nullopt;
}
} // namespace

class TestFrmDimensionnement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        ChargerDossier();
    }

    void clicSurUnPointPuisChangementDuProjet() {
        FabriqueProjetsFenetres fabrique;
        frmMain principal{fabrique};
        principal.show();
        auto* fenetre = static_cast<ProjetFenetre*>(principal.LoadNewDoc());
        clsprojet& p = fenetre->Projet();
        frmProjet& f = *fenetre->Formulaire();
        p.Appliquer("TypeSysteme", SystemeCapteurBallon);
        p.Appliquer("Nb_Capteurs", "2");
        (void)p.Modifier("Conso", "200");

        NotificateurEnregistreur notes;
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdDimensionnement")),
                          Qt::LeftButton);
        auto* d = f.findChild<frmDimensionnement*>();
        QVERIFY(d != nullptr && d->isVisible() && d->Etude());
        QCOMPARE(notes.sabliers, (std::vector<bool>{true, false}));
        const std::size_t tanks = d->Etude()->grille.ballons.size();
        QVERIFY(tanks >= 3 && tanks <= 5);

        const auto i = AutrePoint(*d);
        QVERIFY(i.has_value());
        const PointBalayage point = d->Etude()->points[*i];
        const std::string ballon = d->Etude()->grille.ballons[point.ballon].nom;
        const float couvertureAvant = p.Enregistrement().Calcul.Fecs_an;
        const auto nombreAvant = p.Capteurs->nombre();
        QTest::mouseClick(d->Couverture(), Qt::LeftButton, {},
                          d->Couverture()->Position(*i)->toPoint());
        const EnregistrementCalcul& c = p.Enregistrement().Calcul;
        // The click is a change like any other: undone, then made again.
        fenetre->Annuler();
        QCOMPARE(p.Capteurs->nombre(), nombreAvant);
        QCOMPARE(c.Fecs_an, couvertureAvant);
        fenetre->Retablir();
        QCOMPARE(p.Capteurs->nombre(), point.nombre);
        QCOMPARE(p.Ballon->TypeBallon(), ballon);
        QCOMPARE(c.Fecs_an, point.Fecs_an);
        QCOMPARE(c.Productivite_par_m2, point.Productivite_par_m2);
        QVERIFY(c.Fecs == point.Fecs);
        QCOMPARE(f.Grille()->Texte(1, 13), TexteFormate(point.Fecs_an, FormatAffichage::Entier));
        // The curves now stand around the chosen point, the project's.
        const PointBalayage& apres = d->Etude()->points[d->Etude()->projet];
        QCOMPARE(apres.nombre, point.nombre);
        QCOMPARE(apres.Fecs_an, point.Fecs_an);

        // A change made in the project window: the curves follow it.
        (void)p.Modifier("Conso", "120");
        QCOMPARE(d->Etude()->points[d->Etude()->projet].Fecs_an, c.Fecs_an);
        QVERIFY(c.Fecs_an > point.Fecs_an);

        // The target: typed, it draws its line and the summary says where it is reached.
        Saisir(d->Cible(), QStringLiteral("85"));
        QVERIFY(d->Resume()->text().contains(QStringLiteral("85 %")));

        // A one-piece water heater has no sizing grid.
        (void)p.Modifier("TypeSysteme", "CHAUFFE-EAU MONOBLOC");
        QVERIFY(!f.findChild<QPushButton*>(QStringLiteral("cmdDimensionnement"))->isEnabled());
        QVERIFY(!d->Etude() && d->Resume()->text().contains(QStringLiteral("monobloc")));
        QVERIFY(notes.messages.empty());
    }
};

QTEST_MAIN(TestFrmDimensionnement)
#include "tst_frmDimensionnement.moc"
