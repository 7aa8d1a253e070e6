// The program on a 1280 x 800 screen, as a new user meets it: Qt's own dialogs in
// French on a desktop in another language, the main window within the screen, the
// results in sight without scrolling and their chart growing with the window, the
// lists and the communes found by typing, a surveyed horizon imported, the sizing
// chart's labels clear of its curves.

#include "OutilsTest.h"
#include "data/modCommunes.h"
#include "data/modLibelles.h"
#include "project/ImportHorizon.h"
#include "project/clsprojet.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueDimensionnement.h"
#include "ui/GraphiqueMasque.h"
#include "ui/ProjetFenetre.h"
#include "ui/Raccords.h"
#include "ui/RechercheCommune.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmChoix.h"
#include "ui/frmImportHorizon.h"
#include "ui/frmMain.h"
#include "ui/frmMasques.h"
#include "ui/frmProjet.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

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

        // The file dialog's headings, sizes, types and dates, on a desktop in English.
        QCOMPARE(QLocale::system().language(), QLocale::C);
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("sous-dossier")));
        for (const auto& [nom, taille] : {std::pair{"six.txt", 6}, {"cinq.bin", 5519}}) {
            QFile f(dossier.filePath(QString::fromLatin1(nom)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(taille, 'x')) == taille);
        }
        QFileDialog dialogue(nullptr, QStringLiteral("Ouvrir"), dossier.path());
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        dialogue.setViewMode(QFileDialog::Detail);
        QVERIFY(Montrer(dialogue));
        const auto* vue = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
        const QAbstractItemModel* modele = vue->model();
        QTRY_COMPARE(modele->rowCount(vue->rootIndex()), 3);
        QStringList entetes, lignes; // a file's type describes its content: not compared
        for (int c = 0; c < 4; ++c)
            entetes << modele->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(entetes, (QStringList{"Nom", "Taille", "Type", "Dernière modification"}));
        const QString jour = QLocale().toString(
            QFileInfo(dossier.filePath(QStringLiteral("six.txt"))).lastModified(),
            QLocale::ShortFormat);
        for (int l = 0; l < 3; ++l) {
            const auto cellule = [&](int c) {
                return modele->index(l, c, vue->rootIndex()).data().toString();
            };
            lignes << cellule(0) + " | " + cellule(1) + " | " +
                          (cellule(1).isEmpty() ? cellule(2) : "-") + " | " +
                          (cellule(3) == jour ? "(jour)" : cellule(3));
        }
        lignes.sort();
        QCOMPARE(lignes,
                 (QStringList{"cinq.bin | 5,39 Kio | - | (jour)", "six.txt | 6 octets | - | (jour)",
                              "sous-dossier |  | Dossier | (jour)"}));
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
        (void)projet.SimulerORIN(true);
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

    // The project window opens over the whole free area; the results take the height
    // the sections leave, their chart growing with the window, until they are folded.
    void graphiqueGranditAvecLaFenetre() {
        FabriqueProjetsFenetres fabrique;
        frmMain f(fabrique);
        f.Montrer();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* p = static_cast<ProjetFenetre*>(f.LoadNewDoc());
        QMdiSubWindow* fenetre = f.Zone()->currentSubWindow();
        QCOMPARE(fenetre->size(), f.Zone()->viewport()->size());
        fenetre->resize(fenetre->width(), fenetre->height() + 300);
        QCoreApplication::processEvents();
        const QWidget* feuille = p->Formulaire()->Defilement()->widget();
        const auto* resultats = feuille->findChild<QGroupBox*>(QStringLiteral("fResultats"));
        const auto vide = [&] { return feuille->height() - resultats->geometry().bottom() - 1; };
        QVERIFY2(vide() <= 6, qPrintable(QString::number(vide())));
        QVERIFY(p->Formulaire()->Bilan()->height() > 300);
        p->Formulaire()->picResultats_Click();
        QCoreApplication::processEvents();
        QVERIFY(resultats->height() < 60);
    }

    // The target's label, beside its line or above the plot, never crosses a curve.
    void cibleEcriteHorsDesCourbes() {
        Balayage etude;
        etude.grille.ballons = {{"A", 200, 200, 0.2f, false}, {"B", 300, 300, 0.2f, true}};
        for (int i = 0; i < 12; ++i) // coverage from 34 to 95 % over 2 to 12 m²
            etude.points.push_back({.nombre = i / 2 + 1,
                                    .surface = static_cast<float>(i / 2 * 2 + 2),
                                    .ballon = static_cast<std::size_t>(i % 2),
                                    .calcule = true,
                                    .cause = {},
                                    .Fecs_an = std::min(95.0f, 34.0f + 7.0f * i + i % 2)});
        GraphiqueDimensionnement g(GraphiqueDimensionnement::Grandeur::Couverture);
        g.resize(600, 300);
        g.Afficher(&etude);
        QVERIFY(g.EtiquetteCible().isEmpty());
        for (int cible = 0; cible <= 100; cible += 5) {
            g.DefinirCible(cible);
            const QRectF r = g.EtiquetteCible();
            QVERIFY2(!r.isEmpty() && QRectF(g.rect()).contains(r) && !g.CroiseCourbes(r),
                     qPrintable(QString::number(cible)));
        }
        // A rectangle between two points of a curve crosses it.
        const QPointF milieu = (*g.Position(4) + *g.Position(6)) / 2;
        QVERIFY(g.CroiseCourbes(QRectF(milieu - QPointF(30, 2), QSizeF(60, 4))));
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
        // The person sees the real confirmation's text and profile, and answers.
        struct Masques : frmMasques {
            using frmMasques::frmMasques;
            bool reponse = false;
            QStringList vus;
            bool ConfirmerImport(const ImportHorizon& import) override {
                const frmImportHorizon confirmation(import, this);
                const QTableWidget* t = confirmation.tblProfil();
                vus << confirmation.lblBilan()->text()
                    << t->item(2, 0)->text() + " ; " + t->item(2, 1)->text();
                return reponse;
            }
        };
        clsMasque m;
        Masques dialogue(m);
        NotificateurEnregistreur notes;
        QVERIFY(!dialogue.ImporterFichier(fichier("mauvais.csv", "-90;10\n0;dix\n")));
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(notes.messages.front().find("Ligne 2") != std::string::npos);
        QVERIFY(dialogue.vus.isEmpty());
        const QString bon = fichier("bon.csv", "Azimut;Hauteur\n-90;10\n0;25,5\n");
        QVERIFY(!dialogue.ImporterFichier(bon)); // cancelled: nothing changes
        QCOMPARE(dialogue.vus,
                 (QStringList{"2 points lus : le profil garde 4 points, dont les deux extrémités à "
                              "±130° ajoutées d'après le relevé.",
                              "0,00 ; 25,50"}));
        QCOMPARE(dialogue.NbLignes(), 2);
        QCOMPARE(dialogue.txtHang(1)->text(), QStringLiteral("0,00"));
        dialogue.reponse = true;
        QVERIFY(dialogue.ImporterFichier(bon));
        QCOMPARE(dialogue.NbLignes(), 4);
        QCOMPARE(dialogue.txtAzim(2)->text(), QStringLiteral("0,00"));
        QCOMPARE(dialogue.txtHang(2)->text(), QStringLiteral("25,50"));
        QCOMPARE(dialogue.txtHang(3)->text(), QStringLiteral("25,50"));
        QVERIFY(dialogue.cmdOk()->isEnabled());
        dialogue.accept();
        QCOMPARE(m.NbPoints, int16_t(4));
        QCOMPARE(double(m.Masque_Hauteur.Item(4)), 25.5);
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
    // A desktop in another language than the program's.
    qputenv("LC_ALL", "C");
    QApplication application(argc, argv);
    TestBureau essais;
    return QTest::qExec(&essais, argc, argv);
}

#include "tst_Bureau.moc"
