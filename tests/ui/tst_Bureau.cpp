// The program on a 1280 x 800 screen, as a new user meets it: Qt's own dialogs in
// French, the main window within the screen, the results in sight without
// scrolling, the lists and the communes found by typing, a surveyed horizon imported.

#include "OutilsTest.h"
#include "data/modCommunes.h"
#include "data/modLibelles.h"
#include "project/clsprojet.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueMasque.h"
#include "ui/ProjetFenetre.h"
#include "ui/Raccords.h"
#include "ui/RechercheCommune.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmChoix.h"
#include "ui/frmMain.h"
#include "ui/frmMasques.h"
#include "ui/frmProjet.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Whether the widget lies whole inside the visible part of the scroll area.
bool EnVue(QWidget* w, QScrollArea* defilement) {
    const QRect r(w->mapTo(defilement->viewport(), QPoint(0, 0)), w->size());
    return w->isVisible() && defilement->viewport()->rect().contains(r);
}
} // namespace

class TestBureau : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        ChargerDossier();
    }

    void dialoguesDeQtEnFrancais() {
        QDialogButtonBox boutons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        const auto texte = [&](QDialogButtonBox::StandardButton b) {
            return boutons.button(b)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(texte(QDialogButtonBox::Cancel), QStringLiteral("Annuler"));
        QCOMPARE(texte(QDialogButtonBox::Save), QStringLiteral("Enregistrer"));
    }

    void fenetreRameneeDansLEcran() {
        const QRect ecran(0, 0, 1280, 800);
        QCOMPARE(DansEcran(QRect(0, 0, 1600, 1000), ecran), ecran);
        QCOMPARE(DansEcran(QRect(900, 500, 800, 600), ecran), QRect(480, 200, 800, 600));
        QCOMPARE(DansEcran(QRect(-50, -20, 400, 300), ecran), QRect(0, 0, 400, 300));
        QCOMPARE(DansEcran(QRect(100, 100, 400, 300), QRect(1280, 0, 1920, 1080)),
                 QRect(1280, 100, 400, 300));
    }

    void resultatsEnVueSansDefiler_data() {
        QTest::addColumn<QString>("systeme");
        QTest::newRow("capteurs") << QStringLiteral("SYSTEME CAPTEUR BALLON");
        QTest::newRow("monobloc") << QStringLiteral("CHAUFFE-EAU MONOBLOC");
    }
    void resultatsEnVueSansDefiler() {
        QFETCH(QString, systeme);
        FabriqueProjetsFenetres fabrique;
        frmMain f(fabrique);
        f.Montrer(); // the first time: maximised
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.screen()->availableGeometry().contains(f.geometry()));
        QCOMPARE(f.screen()->availableGeometry().size(), QSize(1280, 800));
        auto* p = static_cast<ProjetFenetre*>(f.LoadNewDoc());
        clsprojet& projet = p->Projet();
        projet.Systeme->TypeSysteme(systeme.toStdString());
        projet.Masque->Masque_Existe = 1;
        projet.Appoint->TypeAppoint = "Appoint intégré";
        p->Annuler();
        QCoreApplication::processEvents();
        QVERIFY(f.Zone()->viewport()->rect().contains(f.Zone()->currentSubWindow()->geometry()));
        frmProjet* fenetre = p->Formulaire();
        QVERIFY(EnVue(fenetre->Grille(), fenetre->Defilement()));
        QVERIFY(EnVue(fenetre->Bilan(), fenetre->Defilement()));
        auto* masque = fenetre->findChild<GraphiqueMasque*>(QStringLiteral("picMasque"));
        QVERIFY(EnVue(masque, fenetre->Defilement()));
        // The default mask, -130 to 130 at 0°, read back from the project's record
        // (32 stored points, 2 counted): the afternoon sun counts.
        QVERIFY(masque->SoleilCompte(60, 10));
    }

    void listesCherchees_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("descentes");
        QTest::addColumn<QString>("choisi");
        QTest::newRow("accent") << QStringLiteral("rhone") << 1 << QStringLiteral("Rhône");
        QTest::newRow("casse") << QStringLiteral("SAVOIE") << 0 << QStringLiteral("Savoie");
        QTest::newRow("apostrophe") << QStringLiteral("cote d") << 0 << QStringLiteral("Côte-d'Or");
    }
    void listesCherchees() {
        QFETCH(QString, tape);
        QFETCH(int, descentes);
        QFETCH(QString, choisi);
        const std::vector<std::string> departements = ListeDeChoix(1);
        frmChoix popup;
        QVERIFY(popup.FillIn(departements));
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QVERIFY(popup.Filtre()->hasFocus());
        QTest::keyClicks(popup.Filtre(), tape);
        for (int i = 0; i < descentes; ++i)
            QTest::keyClick(popup.Filtre(), Qt::Key_Down);
        QTest::keyClick(popup.Filtre(), Qt::Key_Return);
        QCOMPARE(QString::fromStdString(ChoixTexte), choisi);
        // The position in the whole list, as the callers store it.
        QCOMPARE(departements.at(static_cast<std::size_t>(ChoixIndex)), choisi.toStdString());
    }

    void communeTrouveeProposeLesStations_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("departement");
        QTest::addColumn<QString>("pays");
        QTest::newRow("nom") << QStringLiteral("lyon") << QStringLiteral("Rhône")
                             << QStringLiteral("France métropolitaine");
        QTest::newRow("code postal") << QStringLiteral("97400") << QStringLiteral("La Réunion")
                                     << QStringLiteral("France d'outre-mer");
    }
    void communeTrouveeProposeLesStations() {
        QFETCH(QString, tape);
        QFETCH(QString, departement);
        QFETCH(QString, pays);
        FabriqueProjetsFenetres fabrique;
        frmMain f(fabrique);
        f.show();
        auto* p = static_cast<ProjetFenetre*>(f.LoadNewDoc());
        RechercheCommune* recherche = p->Formulaire()->Commune();
        QTest::keyClicks(recherche, tape);
        QVERIFY(!recherche->Proposees().empty());
        const std::string dep = departement.toStdString();
        const std::string station = StationsDuDepartement(dep).back();
        QStringList vus;
        ChoisirDansLePopup(QString::fromStdString(station), &vus);
        // The first commune of the list under the field, chosen with the keys.
        QWidget* communes = recherche->Completeur()->popup();
        QVERIFY(communes->isVisible());
        QTest::keyClick(communes, Qt::Key_Down);
        QTest::keyClick(communes, Qt::Key_Return);
        QCOMPARE(vus.size(), static_cast<int>(StationsDuDepartement(dep).size()));
        QCOMPARE(p->Projet().Meteo->station(), station);
        QCOMPARE(QString::fromStdString(p->Projet().Meteo->Departement()), departement);
        QCOMPARE(QString::fromStdString(p->Projet().Meteo->Pays()), pays);
    }

    void horizonImporte() {
        QTemporaryDir dossier;
        const auto fichier = [&](const char* nom, const QByteArray& contenu) {
            QFile f(dossier.filePath(QString::fromLatin1(nom)));
            f.open(QIODevice::WriteOnly);
            f.write(contenu);
            return f.fileName();
        };
        clsMasque m;
        frmMasques dialogue(m);
        NotificateurEnregistreur notes;
        QVERIFY(!dialogue.ImporterFichier(fichier("mauvais.csv", "-90;10\n0;dix\n")));
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(notes.messages.front().find("Ligne 2") != std::string::npos);
        QCOMPARE(dialogue.NbLignes(), 2);
        QVERIFY(dialogue.ImporterFichier(fichier("bon.csv", "Azimut;Hauteur\n-90;10\n0;25,5\n")));
        QCOMPARE(dialogue.NbLignes(), 4);
        QCOMPARE(dialogue.txtAzim(2)->text(), QStringLiteral("0,00"));
        QCOMPARE(dialogue.txtHang(2)->text(), QStringLiteral("25,50"));
        QCOMPARE(dialogue.txtHang(3)->text(), QStringLiteral("25,50"));
        QVERIFY(dialogue.cmdOk()->isEnabled());
    }

    void soleilCompteSeulementAuDessusDuMasque() {
        GraphiqueMasque g(GraphiqueMasque::Format::Detaille);
        g.Tracer({{-130, 0}, {0, 30}, {130, 0}}, 45.7);
        QVERIFY(g.SoleilCompte(0, 40));
        QVERIFY(!g.SoleilCompte(0, 20));
        QVERIFY(g.SoleilCompte(65, 20));    // the mask is 15° high there
        QVERIFY(!g.SoleilCompte(-150, 60)); // beyond the mask's first angle
    }
};

int main(int argc, char** argv) {
    // The smallest screen the program is laid out for.
    QTemporaryDir dossier;
    QFile ecran(dossier.filePath(QStringLiteral("ecran.json")));
    if (!ecran.open(QIODevice::WriteOnly) ||
        ecran.write(R"({"screens":[{"name":"1280x800","width":1280,"height":800}]})") < 0)
        return 1;
    ecran.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + ecran.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    TestBureau essais;
    return QTest::qExec(&essais, argc, argv);
}

#include "tst_Bureau.moc"
