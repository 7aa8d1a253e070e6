// The user-station dialog, on a scratch copy of the reference data folder: what it
// shows, the name check, the save into the station files with the station selected
// for the project, the choices, and the import of an EnergyPlus weather file.

#include "OutilsTest.h"
#include "data/modCopieUtilisateur.h"
#include "data/modStations.h"
#include "tests/support/AnneeEpw.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmStation.h"

#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
// A scratch copy of the reference data with the project's site on its first user
// station ("Station utilisateur 1*", a copy of Lyon).
struct EssaiStation : ProjetEssai {
    EssaiStation() : ProjetEssai(Donnees::CopieReference) {
        projet.Meteo->Pays("France métropolitaine");
        projet.Meteo->Departement("Stations utilisateur");
    }
    std::string Fichier(const char* nom) const {
        return essai::LireOctets(Dossier() + "/Pays/" + nom);
    }
};

void Choisir(frmStation& f, int bouton, const char* entree) {
    ChoisirDansLePopup(QString::fromUtf8(entree));
    QTest::mouseClick(f.Bouton(bouton), Qt::LeftButton);
}
} // namespace

class TestFrmStation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        // A read-only data folder is copied here, never to the person's own folder.
        qputenv("XDG_DATA_HOME", donnees_.path().toUtf8());
    }
    void cleanup() { SimulerDossierLectureSeule(""); }

    // The station's own values, not the site's: 1000 m higher, the site is colder.
    void valeursDeLaStation() {
        EssaiStation e;
        e.projet.Meteo->Altitude = 1237;
        QVERIFY(e.projet.SimulerORIN(false).Complet());
        QCOMPARE(float(e.projet.Meteo->Text.Item(12)), 3.8f - 4.5f);
        frmStation f(e.projet);
        const std::pair<ChampSaisie*, const char*> champs[] = {
            {f.txtStation(), "Station utilisateur 1*"},
            {f.txtAltitude(), "237"},
            {f.txtlatitude(), "45,8"},
            {f.txtHemisphere(), "N"},
            {f.txtDistanceMer(), ">= 10"},
            {f.txtGh(1), "1,18"},
            {f.txtText(12), "3,8"},
            {f.txtTef(7), "19,4"}};
        for (const auto& [champ, texte] : champs)
            QCOMPARE(champ->text(), QString::fromUtf8(texte));
        QVERIFY(!f.txtGh(1)->Modifie());
        f.accept();
        QVERIFY(e.Fichier("Stati_Fr.TXT").find(" 7,4 3,8 #Station utilisateur 1*") !=
                std::string::npos);
    }

    void nomRefuseOuEnregistreEtChoisi() {
        EssaiStation e;
        const std::string avant = e.Fichier("Stati_Fr.TXT");
        NotificateurEnregistreur notes;
        {
            frmStation f(e.projet);
            QVERIFY(Montrer(f));
            Saisir(f.txtStation(), QStringLiteral("Ab"));
            QVERIFY(f.isVisible());
            // Another station's name would make the station file unreadable.
            Saisir(f.txtStation(), QStringLiteral("Station utilisateur 2"), false);
            f.accept();
            QCOMPARE(notes.messages, (std::vector<std::string>{
                                         "Le nom de la station doit comporter au moin 3 caractères",
                                         "La station « Station utilisateur 2* » existe déjà."}));
            QCOMPARE(e.Fichier("Stati_Fr.TXT"), avant);
        }
        notes.Effacer();
        PlusTard([] {
            auto* f = qobject_cast<frmStation*>(FenetreModale());
            QVERIFY(f != nullptr);
            Saisir(f->txtStation(), QStringLiteral("Abc"), false);
            Saisir(f->txtAltitude(), QStringLiteral("410"), false);
            Saisir(f->txtGh(1), QStringLiteral("1.5"), false);
            QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        OuvrirStation(e.projet, nullptr);
        QVERIFY(notes.messages.empty());
        QCOMPARE(e.projet.Meteo->station(), std::string("Abc*"));
        QCOMPARE(e.projet.Meteo->altitude_station_meteo, 410.0f);
        // The list offers the new name in the old one's place; the project was
        // recalculated on it; the three files renamed it.
        QCOMPARE(Libelles[Liste::Stations][0], std::string("Abc*"));
        QCOMPARE(e.projet.Enregistrement().Calcul.Gh[1], 1.5f);
        for (const char* nom : {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"}) {
            QVERIFY2(e.Fichier(nom).find("Abc*") != std::string::npos, nom);
            QVERIFY2(e.Fichier(nom).find("Station utilisateur 1*") == std::string::npos, nom);
        }
    }

    void choixHemisphereEtImportDUnFichier() {
        EssaiStation e;
        QTemporaryDir dossier;
        AnneeEpw annee;
        annee.location = "LOCATION,PORT_LOUIS,-,MUS,essai,619900,-20.16,57.5,4,55";
        const QString chemin = dossier.filePath(QStringLiteral("port-louis.epw"));
        essai::EcrireOctets(chemin.toStdString(), annee.Texte());
        std::string abime = annee.Texte();
        abime.resize(abime.size() / 2); // half a year
        essai::EcrireOctets(dossier.filePath(QStringLiteral("abime.epw")).toStdString(), abime);

        NotificateurEnregistreur notes;
        frmStation f(e.projet);
        QVERIFY(Montrer(f));
        // Files that cannot be read change nothing and are named.
        for (const char* nom : {"abime.epw", "absent.epw"})
            QVERIFY(!f.ImporterFichier(dossier.filePath(QString::fromLatin1(nom))));
        QCOMPARE(notes.messages.size(), std::size_t(2));
        for (const std::string& m : notes.messages)
            QVERIFY2(m.find(dossier.path().toStdString()) != std::string::npos, m.c_str());
        QCOMPARE(f.txtGh(1)->text(), QStringLiteral("1,18"));
        QTest::mouseClick(f.Bouton(33), Qt::LeftButton);
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("S"));
        Choisir(f, 3, "[1;5["); // a station of the files keeps its zone
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        Choisir(f, 34, "Zone maritime");
        QVERIFY(f.txtZone()->isReadOnly());

        QVERIFY(f.ImporterFichier(chemin));
        QCOMPARE(f.txtStation()->text(), QStringLiteral("Port Louis"));
        QCOMPARE(f.txtlatitude()->text(), QStringLiteral("-20,16"));
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("S"));
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        QVERIFY(f.txtGh(1)->Modifie()); // to review, not saved yet
        // The sea is near after all: the zone follows the distance class of an import.
        Choisir(f, 3, "< 1");
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone maritime"));
        Choisir(f, 4, "< 0.5");
        f.accept();
        const clsMeteo& m = *e.projet.Meteo;
        QCOMPARE(m.station(), std::string("Port Louis*"));
        QCOMPARE(m.Hemisphere(), std::string("S"));
        QCOMPARE(m.Gh.Item(6), 4.8);
        QCOMPARE(m.Text.Item(6), 6.5);
        QCOMPARE(m.Distance_Mer_station_meteo, int16_t(1));
        QCOMPARE(m.Nb_habitant_station_meteo, int16_t(1));
        QCOMPARE(m.zone, std::string("Zone maritime"));
    }

    void textesEntiers() {
        EssaiStation e;
        frmStation f(e.projet);
        f.txtText(1)->setText(QStringLiteral("-12,35")); // the widest values
        f.txtGh(1)->setText(QStringLiteral("1,234"));
        VerifierTextesEntiers(f);
    }

    // Installed read-only, the data folder is copied for the person once, who is told
    // in the main window's status bar.
    void dossierEnLectureSeuleAvisDansLaBarreDEtat() {
        EssaiStation e;
        const std::string avant = e.Fichier("Stati_Fr.TXT");
        SimulerDossierLectureSeule(e.Dossier());
        NotificateurEnregistreur notes;
        QMainWindow principale;
        principale.show();
        frmStation f(e.projet, &principale);
        f.txtStation()->setText(QStringLiteral("Station perso"));
        f.accept();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(notes.messages.empty());
        QVERIFY(principale.statusBar()->currentMessage().startsWith(
            QStringLiteral("Les données de référence ont été copiées dans")));
        QCOMPARE(e.Fichier("Stati_Fr.TXT"), avant);
        const std::string copie = DossierCopieUtilisateur();
        QVERIFY(essai::LireOctets(copie + "/Pays/Stati_Fr.TXT").find("#Station perso*") !=
                std::string::npos);
        QCOMPARE(e.projet.Meteo->station(), std::string("Station perso*"));
        essai::fs::remove_all(copie);
    }

private:
    QTemporaryDir donnees_;
};

QTEST_MAIN(TestFrmStation)
#include "tst_frmStation.moc"
