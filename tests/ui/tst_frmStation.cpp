// The user-station dialog, on a scratch copy of the reference data folder: what it
// shows, the name check, the save into the station files with the station selected
// for the project, the choices, and the import of an EnergyPlus weather file.

#include "OutilsTest.h"
#include "ProjetEssai.h"
#include "data/modCopieUtilisateur.h"
#include "data/modStations.h"
#include "project/EtatApplication.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmChoix.h"
#include "ui/frmStation.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {
const std::string StationUtilisateur1 = "Station utilisateur 1*";

// The project's site on the first user station of the reference data.
void ChoisirStationUtilisateur(clsprojet& p) {
    p.Meteo->Pays("France métropolitaine");
    p.Meteo->Departement("Stations utilisateur");
}

std::string Fichier(const ProjetEssai& e, const char* nom) {
    return essai::LireOctets(e.Dossier() + "/Pays/" + nom);
}

// An hourly year whose monthly means are known: 100 × m Wh/m² from 9 h to 16 h (Gh =
// 0.8 × m kWh/(m².j)) and a temperature rising through the day from m to m + 1 (Text =
// m + 0.5), at a southern site.
std::string AnneeSynthetique() {
    std::ostringstream t;
    t << "LOCATION,PORT_LOUIS,-,MUS,essai,619900,-20.16,57.5,4,55\r\n";
    for (const char* l :
         {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,essai", "COMMENTS 2,",
          "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"})
        t << l << "\r\n";
    const int jours[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= jours[m]; ++d) {
            for (int h = 1; h <= 24; ++h) {
                t << "2001," << m << ',' << d << ',' << h << ",60,A7A7E8E8*0?9?9?9?9?9?9?9A7A7A7";
                for (int champ = 7; champ <= 35; ++champ) {
                    t << ',';
                    if (champ == 7)
                        t << m + (h - 1) / 23.0;
                    else if (champ == 14)
                        t << (h >= 9 && h <= 16 ? 100 * m : 0);
                    else
                        t << 0;
                }
                t << "\r\n";
            }
        }
    }
    return t.str();
}

double Nombre(const ChampSaisie* c) {
    return c->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QStringList LigneCsv(const std::string& chemin, const std::string& fichier) {
    std::ifstream f(chemin);
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (ligne.find("," + fichier + ",") != std::string::npos)
            return QString::fromStdString(ligne).split(QLatin1Char(','));
    }
    return {};
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

    void ouvertureSurLaStation() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        QVERIFY(e.Charge());
        ChoisirStationUtilisateur(e.projet);
        QCOMPARE(e.projet.Meteo->station(), StationUtilisateur1);
        frmStation f(e.projet);
        QCOMPARE(f.txtStation()->text(), QString::fromStdString(StationUtilisateur1));
        QCOMPARE(f.txtAltitude()->text(), QStringLiteral("237"));
        QCOMPARE(f.txtlatitude()->text(), QStringLiteral("45,8"));
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("N"));
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        QCOMPARE(f.txtDistanceMer()->text(), QStringLiteral(">= 10"));
        QCOMPARE(f.txtNbHabitant()->text(), QStringLiteral(">= 1"));
        QCOMPARE(f.txtGh(1)->text(), QStringLiteral("1,18"));
        QCOMPARE(f.txtText(12)->text(), QStringLiteral("3,8"));
        QCOMPARE(f.txtTef(7)->text(), QStringLiteral("19,4"));
        QStringList mois;
        for (int m = 1; m <= 12; ++m)
            mois << f.findChild<QLabel*>(QStringLiteral("lblMois%1").arg(m))->text();
        QCOMPARE(mois.join(QLatin1Char(' ')),
                 QStringLiteral("Jan Fév Mar Avr Mai Jui Juil Aou Sep Oct Nov Déc"));
        QVERIFY(!f.txtGh(1)->Modifie());
    }

    // A site 1000 m above its station has colder air; the station keeps its own.
    void temperaturesDeLaStationPasDuSite() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        e.projet.Meteo->Altitude = 1237;
        QVERIFY(e.projet.SimulerORIN(false).Complet());
        QCOMPARE(float(e.projet.Meteo->Text.Item(12)), 3.8f - 4.5f);
        frmStation f(e.projet);
        QCOMPARE(f.txtText(12)->text(), QStringLiteral("3,8"));
        f.accept();
        QVERIFY(Fichier(e, "Stati_Fr.TXT").find(" 7,4 3,8 #Station utilisateur 1*") !=
                std::string::npos);
    }

    void nomDeDeuxLettresRefuse() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        const std::string avant = Fichier(e, "Stati_Fr.TXT");
        NotificateurEnregistreur notif;
        frmStation f(e.projet);
        QVERIFY(Montrer(f));
        Taper(f.txtStation(), QStringLiteral("Ab"));
        QTest::keyClick(f.txtStation(), Qt::Key_Return);
        QCOMPARE(notif.messages, std::vector<std::string>(
                                     {"Le nom de la station doit comporter au moin 3 caractères"}));
        QVERIFY(f.isVisible());
        QCOMPARE(f.result(), 0);
        QCOMPARE(Fichier(e, "Stati_Fr.TXT"), avant);
        QCOMPARE(e.projet.Meteo->station(), StationUtilisateur1);

        // Another station's name would make the station file unreadable.
        notif.messages.clear();
        Taper(f.txtStation(), QStringLiteral("Station utilisateur 2"));
        f.accept();
        QCOMPARE(notif.messages.size(), std::size_t(1));
        QCOMPARE(notif.messages[0],
                 std::string("La station « Station utilisateur 2* » existe déjà."));
        QCOMPARE(Fichier(e, "Stati_Fr.TXT"), avant);
    }

    void nomDeTroisLettresEnregistreEtChoisi() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        NotificateurEnregistreur notif;
        PlusTard([] {
            auto* f = qobject_cast<frmStation*>(FenetreModale());
            QVERIFY(f != nullptr);
            Taper(f->txtStation(), QStringLiteral("Abc"));
            Taper(f->txtAltitude(), QStringLiteral("410"));
            Taper(f->txtGh(1), QStringLiteral("1.5"));
            Taper(f->txtTef(12), QStringLiteral("6,25"));
            QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        OuvrirStation(e.projet, nullptr);
        QVERIFY(notif.messages.empty());
        const clsMeteo& m = *e.projet.Meteo;
        QCOMPARE(m.station(), std::string("Abc*"));
        QCOMPARE(m.Departement(), std::string("Stations utilisateur"));
        QCOMPARE(m.altitude_station_meteo, 410.0f);
        // Back from the record after the recalculation: single precision.
        QCOMPARE(float(m.Gh.Item(1)), 1.5f);
        QCOMPARE(float(m.Tef.Item(12)), 6.25f);
        QCOMPARE(float(m.Text.Item(12)), 3.8f);
        // The department's list offers the new name in the old one's place, and the
        // project was recalculated on it.
        QCOMPARE(Libelles[2][0], std::string("Abc*"));
        QCOMPARE(Libelles[2][1], std::string("Station utilisateur 2*"));
        QCOMPARE(e.projet.Enregistrement().Entrees.Station, std::string("Abc*"));
        QCOMPARE(e.projet.Enregistrement().Calcul.Gh[1], 1.5f);
        // In the files: renamed in all three, nothing left under the old name.
        for (const char* nom : {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"}) {
            const std::string f = Fichier(e, nom);
            QVERIFY2(f.find("Abc*") != std::string::npos, nom);
            QVERIFY2(f.find("Station utilisateur 1*") == std::string::npos, nom);
        }
        QVERIFY(Fichier(e, "Stati_Fr.TXT").find("1.5 1,94 3,1 4,38 ") != std::string::npos);
        QVERIFY(Stations.Contient("Abc*"));
    }

    void boutonsDeChoixEtHemisphere() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        frmStation f(e.projet);
        QVERIFY(Montrer(f));
        QTest::mouseClick(f.Bouton(33), Qt::LeftButton);
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("S"));
        QTest::mouseClick(f.Bouton(33), Qt::LeftButton);
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("N"));

        const auto choisir = [&](int bouton, int rang) {
            PlusTard([rang] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    auto* p = qobject_cast<frmChoix*>(w);
                    if (p == nullptr || !p->isVisible())
                        continue;
                    const QRect r = p->Liste()->visualItemRect(p->Liste()->item(rang));
                    QTest::mouseClick(p->Liste()->viewport(), Qt::LeftButton, {}, r.center());
                }
            });
            QTest::mouseClick(f.Bouton(bouton), Qt::LeftButton);
        };
        choisir(3, 1);
        QCOMPARE(f.txtDistanceMer()->text(), QStringLiteral("[1;5["));
        // A station of the files keeps its zone: only the zone button sets it.
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        choisir(4, 0);
        QCOMPARE(f.txtNbHabitant()->text(), QStringLiteral("< 0.5"));
        choisir(34, 0);
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone maritime"));
        // A chosen value cannot be typed over.
        QVERIFY(f.txtZone()->isReadOnly());

        f.accept();
        QCOMPARE(e.projet.Meteo->Distance_Mer_station_meteo, int16_t(2));
        QCOMPARE(e.projet.Meteo->Nb_habitant_station_meteo, int16_t(1));
        QCOMPARE(e.projet.Meteo->zone, std::string("Zone maritime"));
        QCOMPARE(e.projet.Meteo->station(), StationUtilisateur1);
    }

    void importDUnFichierSynthetique() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("port-louis.epw"));
        std::ofstream(chemin.toStdString(), std::ios::binary) << AnneeSynthetique();
        frmStation f(e.projet);
        QVERIFY(f.ImporterFichier(chemin));
        QCOMPARE(f.txtStation()->text(), QStringLiteral("Port Louis"));
        QCOMPARE(f.txtlatitude()->text(), QStringLiteral("-20,16"));
        QCOMPARE(f.txtHemisphere()->text(), QStringLiteral("S"));
        QCOMPARE(f.txtAltitude()->text(), QStringLiteral("55"));
        QCOMPARE(f.txtDistanceMer()->text(), QStringLiteral(">= 10"));
        QCOMPARE(f.txtNbHabitant()->text(), QStringLiteral("< 0.5"));
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(Nombre(f.txtGh(m)), std::round(800.0 * m) / 1000);
            QCOMPARE(Nombre(f.txtText(m)), m + 0.5);
        }
        QVERIFY(f.txtGh(1)->Modifie()); // to review, not saved yet
        // The sea is near after all: the zone follows the distance class.
        PlusTard([] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* p = qobject_cast<frmChoix*>(w); p != nullptr && p->isVisible())
                    QTest::keyClick(p->Liste(), Qt::Key_Return);
            }
        });
        QTest::mouseClick(f.Bouton(3), Qt::LeftButton);
        QCOMPARE(f.txtDistanceMer()->text(), QStringLiteral("< 1"));
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone maritime"));

        f.accept();
        const clsMeteo& m = *e.projet.Meteo;
        QCOMPARE(m.station(), std::string("Port Louis*"));
        QCOMPARE(m.Hemisphere(), std::string("S"));
        QCOMPARE(m.latitude, -20.16f);
        QCOMPARE(m.Gh.Item(6), 4.8);
        QCOMPARE(m.Text.Item(6), 6.5);
        QCOMPARE(m.Distance_Mer_station_meteo, int16_t(1));
        QCOMPARE(m.zone, std::string("Zone maritime"));
    }

    void fichierIllisibleNeChangeRien() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("abime.epw"));
        std::string texte = AnneeSynthetique();
        texte.resize(texte.size() / 2); // half a year
        std::ofstream(chemin.toStdString(), std::ios::binary) << texte;
        NotificateurEnregistreur notif;
        frmStation f(e.projet);
        QVERIFY(!f.ImporterFichier(chemin));
        QVERIFY(!f.ImporterFichier(dossier.filePath(QStringLiteral("absent.epw"))));
        QCOMPARE(notif.messages.size(), std::size_t(2));
        for (const std::string& m : notif.messages)
            QVERIFY2(m.find(dossier.path().toStdString()) != std::string::npos, m.c_str());
        QCOMPARE(f.txtStation()->text(), QString::fromStdString(StationUtilisateur1));
        QCOMPARE(f.txtGh(1)->text(), QStringLiteral("1,18"));
        QVERIFY(!f.txtGh(1)->Modifie());
    }

    // A real typical year: the dialog saves the monthly figures of the climate table
    // made from the same file, within 1 %.
    void importDUnFichierReel() {
        const std::string climat = VARQUIN_CLIMATE_DIR;
        const std::string fichier = "FRA_AR_Lyon-Bron.AP.074800_TMYx.2004-2018.epw";
        const QStringList ligne = LigneCsv(climat + "/stations_monthly.csv", fichier);
        if (ligne.isEmpty() || !QFile::exists(QString::fromStdString(climat + "/raw/" + fichier)))
            QSKIP("climate folder not found beside the repository");
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        frmStation f(e.projet);
        QVERIFY(f.ImporterFichier(QString::fromStdString(climat + "/raw/" + fichier)));
        f.accept();
        const clsMeteo& m = *e.projet.Meteo;
        QCOMPARE(m.station(), std::string("Lyon Bron AP*"));
        QVERIFY(std::abs(m.latitude - ligne[10].toDouble()) < 0.01);
        QVERIFY(std::abs(m.altitude_station_meteo - ligne[12].toDouble()) < 0.1);
        for (int mois = 1; mois <= 12; ++mois) {
            const double gh = ligne[12 + mois].toDouble();
            const double tair = ligne[25 + mois].toDouble();
            QVERIFY2(std::abs(m.Gh.Item(mois) - gh) <= 0.01 * gh,
                     qPrintable(QString::number(mois)));
            QVERIFY2(std::abs(m.Text.Item(mois) - tair) <= 0.01 * std::abs(tair) + 0.005,
                     qPrintable(QString::number(mois)));
        }
    }

    // Installed read-only, the data folder is copied for the person once, who is told
    // in the main window's status bar.
    void dossierEnLectureSeuleAvisDansLaBarreDEtat() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        ChoisirStationUtilisateur(e.projet);
        const std::string avant = Fichier(e, "Stati_Fr.TXT");
        SimulerDossierLectureSeule(e.Dossier());
        NotificateurEnregistreur notif;
        QMainWindow principale;
        principale.show();
        frmStation f(e.projet, &principale);
        f.txtStation()->setText(QStringLiteral("Station perso"));
        f.accept();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(notif.messages.empty());
        QVERIFY(principale.statusBar()->currentMessage().startsWith(
            QStringLiteral("Les données de référence ont été copiées dans")));
        QCOMPARE(Fichier(e, "Stati_Fr.TXT"), avant);
        const std::string copie = DossierCopieUtilisateur();
        QVERIFY(essai::LireOctets(copie + "/Pays/Stati_Fr.TXT").find("#Station perso*") !=
                std::string::npos);
        QCOMPARE(e.projet.Meteo->station(), std::string("Station perso*"));
        std::error_code ec;
        essai::fs::remove_all(copie, ec);
    }

private:
    QTemporaryDir donnees_;
};

QTEST_MAIN(TestFrmStation)
#include "tst_frmStation.moc"
