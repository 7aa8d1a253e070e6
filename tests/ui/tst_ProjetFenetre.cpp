// The real projects behind the main window's commands: "&Nouveau" and closing, the
// numbering of the project records, saving and opening, a file that cannot be read,
// and the person's own catalogue items written back into the catalogue file.

#include "OutilsTest.h"
#include "common/Encodage.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"
#include "ui/BoutonImage.h"
#include "ui/ChampSaisie.h"
#include "ui/ProjetFenetre.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmMain.h"
#include "ui/frmProjet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <vector>

namespace {
const char* const HuitCommandes[] = {
    "mnuFileSave",  "mnuFileSaveAs", "mnuFileClose", "mnuFilePrintPreview",
    "mnuFilePrint", "mnuCalculer",   "mnuEdit",      "mnuTools"};

// The main window with its file dialogs answered by the test.
class frmMainTest : public frmMain {
public:
    using frmMain::frmMain;
    QString reponseOuvrir;
    QString reponseEnregistrer;
    std::vector<Reponse> reponses; // to « Enregistrer les modifications de ... ? », in turn
    QStringList questions;

protected:
    QString DialogueOuvrir() override { return reponseOuvrir; }
    QString DialogueEnregistrerSous() override { return reponseEnregistrer; }
    Reponse DemanderEnregistrement(const QString& nom) override {
        questions << nom;
        const Reponse r = reponses.empty() ? Reponse::Annuler : reponses.front();
        if (!reponses.empty())
            reponses.erase(reponses.begin());
        return r;
    }
};

struct Bureau {
    FabriqueProjetsFenetres fabrique;
    frmMainTest principal{fabrique};
    Bureau() {
        principal.setGeometry(0, 0, 1280, 800);
        principal.show();
        principal.activateWindow();
        if (!QTest::qWaitForWindowActive(&principal))
            qWarning("main window not active");
    }
    QAction* Action(const char* nom) const {
        return principal.findChildren<QAction*>(QString::fromLatin1(nom)).value(0);
    }
    bool HuitActives(bool attendu) const {
        return std::all_of(std::begin(HuitCommandes), std::end(HuitCommandes),
                           [&](const char* nom) { return Action(nom)->isEnabled() == attendu; });
    }
    ProjetFenetre* Actif() const { return static_cast<ProjetFenetre*>(principal.ProjetActif()); }
};

// What a project window shows: every field's text and visibility, and the results.
std::map<std::string, QString> Affichage(const frmProjet& f) {
    std::map<std::string, QString> vu;
    for (auto* champ : f.findChildren<ChampSaisie*>()) {
        vu[champ->objectName().toStdString()] =
            champ->text() + (champ->isVisibleTo(&f) ? QString() : QStringLiteral(" (caché)"));
    }
    for (int l = 1; l < ResultatsGrille::NbLignes; ++l)
        for (int c = 1; c < ResultatsGrille::NbColonnes; ++c)
            vu["grille" + std::to_string(l) + "_" + std::to_string(c)] = f.Grille()->Texte(l, c);
    return vu;
}

QString LireCatalogue(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromStdString(DepuisWindows1252(f.readAll().toStdString()));
}
} // namespace

class TestProjetFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PreparerEnvironnementTest(); }
    // The source tree's data folder afresh, after a test that used a copy.
    void init() { ChargerDonneesReference(); }

    void nouveauPuisFermer() {
        Bureau b;
        QVERIFY(b.HuitActives(false));
        b.Action("mnuFileNew")->trigger();
        ProjetFenetre* p = b.Actif();
        QVERIFY(p != nullptr);
        QCOMPARE(p->Projet().Nom, std::string("Projet0001"));
        const QString attendu = QDir::currentPath() + QStringLiteral("/Projet0001.vqp");
        QCOMPARE(b.principal.Zone()->currentSubWindow()->windowTitle(), attendu);
        QVERIFY(ProjetActif() == &p->Projet());
        QVERIFY(b.HuitActives(true));
        // Created, calculated and shown: the results are there.
        QVERIFY(!p->Formulaire()->Grille()->Texte(1, 13).isEmpty());

        b.Action("mnuFileClose")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(b.principal.NbProjets(), 0);
        QVERIFY(b.HuitActives(false));
        QVERIFY(ProjetActif() == nullptr);
        QVERIFY(EstLibre(Projet(1)));
    }

    void numerosDesProjetsEtProjetActif() {
        Bureau b;
        for (int i = 0; i < 3; ++i)
            b.Action("mnuFileNew")->trigger();
        QCOMPARE(b.Actif()->Projet().Nom, std::string("Projet0003"));
        // Closing the second frees record 2 for the next project.
        b.principal.Zone()->subWindowList().at(1)->close();
        QCoreApplication::processEvents();
        b.Action("mnuFileNew")->trigger();
        QCOMPARE(b.Actif()->Projet().Nom, std::string("Projet0002"));
        // Activating another window makes its project the active one.
        QMdiSubWindow* premiere = b.principal.Zone()->subWindowList().front();
        b.principal.Zone()->setActiveSubWindow(premiere);
        QCOMPARE(b.Actif()->Projet().Nom, std::string("Projet0001"));
        QVERIFY(ProjetActif() == &b.Actif()->Projet());
    }

    void enregistrerPuisOuvrirDonneLesMemesValeurs() {
        QTemporaryDir dossier;
        Bureau b;
        b.Action("mnuFileNew")->trigger();
        ProjetFenetre* p = b.Actif();
        frmProjet& f = *p->Formulaire();
        QTest::mouseClick(f.Bouton(14), Qt::LeftButton); // collectors and tank
        QTest::mouseClick(f.Bouton(26), Qt::LeftButton); // with an auxiliary
        Saisir(f.Champ("txtNbCapteurs"), QStringLiteral("3"));
        Saisir(f.Champ("txtAltitude"), QStringLiteral("420"));
        Saisir(f.Champ("txtInclinaison"), QStringLiteral("35"));
        ChoisirDansLePopup(QStringLiteral("Ballon solaire 300 l"));
        QTest::mouseClick(f.Bouton(23), Qt::LeftButton);
        const auto avant = Affichage(f);

        const QString chemin = dossier.filePath(QStringLiteral("essai projet.vqp"));
        b.principal.reponseEnregistrer = chemin;
        b.Action("mnuFileSaveAs")->trigger();
        QVERIFY(QFile::exists(chemin));
        QCOMPARE(b.principal.Zone()->currentSubWindow()->windowTitle(), chemin);

        b.principal.reponseOuvrir = chemin;
        b.Action("mnuFileOpen")->trigger();
        QCOMPARE(b.principal.NbProjets(), 2);
        ProjetFenetre* ouvert = b.Actif();
        QVERIFY(ouvert != p);
        QCOMPARE(b.principal.Zone()->currentSubWindow()->windowTitle(), chemin);
        const auto apres = Affichage(*ouvert->Formulaire());
        for (const auto& [nom, texte] : avant)
            QVERIFY2(apres.at(nom) == texte, qPrintable(QString::fromStdString(nom) + ": " + texte +
                                                        " / " + apres.at(nom)));

        // Save writes to the project's own file without a dialog.
        b.principal.reponseEnregistrer.clear();
        QFile::remove(chemin);
        b.Action("mnuFileSave")->trigger();
        QVERIFY(QFile::exists(chemin));
    }

    // Closing asks about unsaved changes; "Annuler" keeps the project open and modified,
    // "Ne pas enregistrer" closes it and leaves the file as it was.
    void fermerUnProjetModifieDemande() {
        QTemporaryDir dossier;
        Bureau b;
        b.Action("mnuFileNew")->trigger();
        ProjetFenetre* p = b.Actif();
        b.Action("mnuFileClose")->trigger(); // untouched: no question
        QCOMPARE(b.principal.NbProjets(), 0);
        QVERIFY(b.principal.questions.isEmpty());

        b.Action("mnuFileNew")->trigger();
        p = b.Actif();
        b.principal.reponseEnregistrer = dossier.filePath(QStringLiteral("etude"));
        b.Action("mnuFileSave")->trigger(); // never saved: asks where, adds ".vqp"
        const QString chemin = dossier.filePath(QStringLiteral("etude.vqp"));
        QVERIFY(QFile::exists(chemin));
        QCOMPARE(b.principal.FichiersRecents().value(0), QFileInfo(chemin).absoluteFilePath());
        // Read afresh each time: a save replaces the file with a new one.
        const auto lire = [&chemin] {
            QFile f(chemin);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray enregistre = lire();
        QVERIFY(!p->Modifie());

        Saisir(p->Formulaire()->Champ("txtAltitude"), QStringLiteral("850"));
        QVERIFY(p->Modifie());
        b.principal.reponses = {frmMain::Reponse::Annuler};
        b.Action("mnuFileClose")->trigger();
        QCOMPARE(b.principal.questions, QStringList{QStringLiteral("etude")});
        QCOMPARE(b.principal.NbProjets(), 1);
        QVERIFY(p->Modifie());

        b.principal.reponses = {frmMain::Reponse::NePasEnregistrer};
        b.Action("mnuFileClose")->trigger();
        QCOMPARE(b.principal.NbProjets(), 0);
        QCOMPARE(lire(), enregistre);

        // Quitting asks for every modified project, and "Annuler" keeps the program open.
        b.principal.reponseOuvrir = chemin;
        b.Action("mnuFileOpen")->trigger();
        QVERIFY(!b.Actif()->Modifie()); // opened and calculated: nothing to save yet
        Saisir(b.Actif()->Formulaire()->Champ("txtAltitude"), QStringLiteral("900"));
        b.principal.reponses = {frmMain::Reponse::Annuler};
        QVERIFY(!b.principal.close());
        QCOMPARE(b.principal.NbProjets(), 1);
        b.principal.reponses = {frmMain::Reponse::Enregistrer};
        QVERIFY(b.principal.close());
        QVERIFY(lire().contains("Situation.Altitude\t900"));
    }

    // An example opens as a new project of its own name: saving it leaves the example.
    void exempleOuvertSousUnNomNeuf() {
        QTemporaryDir dossier;
        const QString avant = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        Bureau b;
        const auto* menu = b.principal.findChild<QMenu*>(QStringLiteral("mnuFileExemples"));
        QVERIFY(menu && menu->actions().size() == 4);
        QAction* lyon = menu->actions().value(0);
        QCOMPARE(lyon->text(), QStringLiteral("Lyon : maison de 4 personnes, capteurs plans"));
        const QString exemple =
            QStringLiteral(VARQUIN_REFERENCE_DIR "/../examples/lyon-maison-4-personnes.vqp");
        QFile f(exemple);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        lyon->trigger();
        ProjetFenetre* p = b.Actif();
        QVERIFY(p != nullptr);
        QCOMPARE(p->Projet().Meteo->station(), std::string("Lyon"));
        QCOMPARE(p->Formulaire()->Grille()->Texte(1, 13), QStringLiteral("62"));
        const QString nom = dossier.filePath(QStringLiteral("Projet0001.vqp"));
        QCOMPARE(QString::fromStdString(p->Projet().Fichier), nom);
        QCOMPARE(b.principal.Zone()->currentSubWindow()->windowTitle(), nom);
        // Never saved: "Enregistrer" asks where, and a name without extension gets ".vqp".
        b.principal.reponseEnregistrer = dossier.filePath(QStringLiteral("lyon-copie"));
        b.Action("mnuFileSave")->trigger();
        QVERIFY(QFile::exists(dossier.filePath(QStringLiteral("lyon-copie.vqp"))));
        QVERIFY(!QFile::exists(nom));
        QVERIFY(!p->Modifie());
        QVERIFY(f.seek(0));
        QCOMPARE(f.readAll(), octets);
        QDir::setCurrent(avant);
    }

    void fichierIlliblePuisEnregistrementImpossible() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("abime.vqp"));
        {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Ceci n'est pas un projet\r\n");
        }
        NotificateurEnregistreur notes;
        Bureau b;
        auto* p = static_cast<ProjetFenetre*>(b.principal.OuvrirFichier(chemin));
        QCOMPARE(b.principal.NbProjets(), 1);
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(notes.messages.front())
                    .startsWith(QStringLiteral("Le projet n'a pas pu être ouvert.")));
        // The new, empty project stays, under its own name: saving it leaves the file.
        QVERIFY(p->Projet().Fichier != chemin.toStdString());
        QVERIFY(b.principal.Zone()->currentSubWindow()->windowTitle().endsWith(
            QStringLiteral("/Projet0001.vqp")));

        // Save As into a folder that does not exist: told, and the name is kept.
        const std::string nom = p->Projet().Fichier;
        b.principal.reponseEnregistrer = dossier.filePath(QStringLiteral("absent/x.vqp"));
        b.Action("mnuFileSaveAs")->trigger();
        QCOMPARE(notes.messages.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(notes.messages.back())
                    .startsWith(QStringLiteral("Le projet n'a pas été enregistré.")));
        QCOMPARE(p->Projet().Fichier, nom);
    }

    void nomDeCapteurTropCourtPuisCapteurUtilisateur() {
        QTemporaryDir dossier;
        const QString donnees = CopierReference(dossier.path());
        QVERIFY(!donnees.isEmpty());
        ChargerDonneesReference(donnees);
        const QString catalogue = donnees + QStringLiteral("/Systeme/Capteurs/Capteurs.txt");
        const QString original = LireCatalogue(catalogue);
        {
            NotificateurEnregistreur notes;
            Bureau b;
            b.Action("mnuFileNew")->trigger();
            ProjetFenetre* p = b.Actif();
            frmProjet& f = *p->Formulaire();
            QTest::mouseClick(f.Bouton(14), Qt::LeftButton);
            ChoisirDansLePopup(QStringLiteral("Capteur utilisateur 2*"));
            QTest::mouseClick(f.Bouton(15), Qt::LeftButton);
            ChampSaisie* nom = f.Champ("txtCapteur");
            QCOMPARE(nom->text(), QStringLiteral("Capteur utilisateur 2*"));
            QVERIFY(!nom->Verrouille());
            QVERIFY(f.Bouton(32)->isEnabled());

            Saisir(nom, QStringLiteral("AB"));
            QCOMPARE(notes.messages, std::vector<std::string>{
                                         "Le nom du capteur doit comporter au moins 3 caractères"});
            QCOMPARE(p->Projet().Capteurs->strType(), std::string("Capteur utilisateur 2*"));
            QCOMPARE(LireCatalogue(catalogue), original);

            Saisir(nom, QStringLiteral("Abcd"));
            QCOMPARE(notes.messages.size(), std::size_t(1));
            QCOMPARE(p->Projet().Capteurs->strType(), std::string("Abcd*"));
            QCOMPARE(nom->text(), QStringLiteral("Abcd*"));
            const QString ecrit = LireCatalogue(catalogue);
            QVERIFY(ecrit.contains(QStringLiteral(" 0.79  4  2.3  2 #Abcd*\r\n")));
            QVERIFY(!ecrit.contains(QStringLiteral("#Capteur utilisateur 2*")));
            QVERIFY(ecrit.contains(QStringLiteral("#Capteur utilisateur 1*")));
            // The reloaded list offers the new name in place of the old one.
            const auto& liste = Libelles[15];
            QVERIFY(std::find(liste.begin(), liste.end(), "Abcd*") != liste.end());
            QVERIFY(std::find(liste.begin(), liste.end(), "Capteur utilisateur 2*") == liste.end());

            // A value of the user item goes to the file with the others unrounded.
            Saisir(f.Champ("TxtAc"), QStringLiteral("2,45"));
            QCOMPARE(p->Projet().Capteurs->Ac(), 2.45f);
            QVERIFY(
                LireCatalogue(catalogue).contains(QStringLiteral(" 0.79  4  2.45  2 #Abcd*\r\n")));
            // A category gives the collector its typical values.
            ChoisirDansLePopup(QStringLiteral("Tubes sous vide"));
            QTest::mouseClick(f.Bouton(32), Qt::LeftButton);
            QCOMPARE(f.Champ("txtCategorieCapteur")->text(), QStringLiteral("Tubes sous vide"));
            QVERIFY(
                LireCatalogue(catalogue).contains(QStringLiteral(" 0.68  1.5  2  3 #Abcd*\r\n")));
            QCOMPARE(notes.messages.size(), std::size_t(1));
        }
    }

    void elementUtilisateurAbsentDuCatalogue() {
        // A user collector that this data folder does not have (a project made
        // elsewhere): the edit holds for the project, the catalogue is left alone.
        QTemporaryDir dossier;
        const QString donnees = CopierReference(dossier.path());
        ChargerDonneesReference(donnees);
        const QString catalogue = donnees + QStringLiteral("/Systeme/Capteurs/Capteurs.txt");
        NotificateurEnregistreur notes;
        Bureau b;
        b.Action("mnuFileNew")->trigger();
        ProjetFenetre* p = b.Actif();
        QTest::mouseClick(p->Formulaire()->Bouton(14), Qt::LeftButton);
        clsCapteurs& capteurs = *p->Projet().Capteurs;
        capteurs.strType("Capteur d'ailleurs*");
        capteurs.Bc = 0.7f;
        capteurs.Kc = 3.5f;
        capteurs.Ac(1.9f);
        p->Annuler();
        const QString avant = LireCatalogue(catalogue);
        Saisir(p->Formulaire()->Champ("TxtAc"), QStringLiteral("2,1"));
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(notes.messages.front())
                    .contains(QStringLiteral("ne vaut que pour ce projet")));
        QCOMPARE(capteurs.Ac(), 2.1f);
        QCOMPARE(capteurs.Bc, 0.7f);
        QCOMPARE(capteurs.Kc, 3.5f);
        QCOMPARE(capteurs.strType(), std::string("Capteur d'ailleurs*"));
        QCOMPARE(LireCatalogue(catalogue), avant);
    }

    void ouvertureEnLigneDeCommande() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("ligne.vqp"));
        std::map<std::string, QString> avant;
        {
            Bureau b;
            b.Action("mnuFileNew")->trigger();
            frmProjet& f = *b.Actif()->Formulaire();
            Saisir(f.Champ("txtAltitude"), QStringLiteral("1000"));
            b.principal.reponseEnregistrer = chemin;
            b.Action("mnuFileSaveAs")->trigger();
            avant = Affichage(f);
        }
        InitialiserProjets();
        Bureau b;
        auto* ouvert = static_cast<ProjetFenetre*>(b.principal.OuvrirFichier(chemin));
        QVERIFY(ouvert != nullptr);
        QCOMPARE(Affichage(*ouvert->Formulaire()), avant);
        QCOMPARE(ouvert->Formulaire()->Champ("txtAltitude")->text(), QStringLiteral("1000"));
    }
};

QTEST_MAIN(TestProjetFenetre)
#include "tst_ProjetFenetre.moc"
