// The project window's dialogs: what each shows, what Ok stores and Annuler leaves, the
// values refused, the project recalculated once closed, labels shown whole; and the user
// station dialog on a scratch copy of the reference data, with its weather-file import.

#include "OutilsTest.h"
#include "data/modCopieUtilisateur.h"
#include "data/modDonnees.h"
#include "data/modStations.h"
#include "project/clsMasque.h"
#include "tests/support/AnneeEpw.h"
#include "ui/ChampSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmBesoins.h"
#include "ui/frmBesoinsFoyer.h"
#include "ui/frmCapteursCertifies.h"
#include "ui/frmDebitEnergetique.h"
#include "ui/frmDeperdition.h"
#include "ui/frmDossier.h"
#include "ui/frmEconomie.h"
#include "ui/frmMasques.h"
#include "ui/frmStation.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
// Opens the modal dialog through the project window's entry point, runs `geste` on it
// once shown, and returns after it closed.
template <class Dialogue>
void Ouvrir(const std::function<void()>& ouvrir, const std::function<void(Dialogue&)>& geste) {
    PlusTard([geste] {
        auto* d = qobject_cast<Dialogue*>(FenetreModale());
        QVERIFY(d != nullptr);
        geste(*d);
    });
    ouvrir();
}

} // namespace

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

class TestDialogues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }
    void cleanup() { SimulerDossierLectureSeule(""); }

    void besoinsMoyennesRefusEtOk() {
        ProjetEssai e;
        NotificateurEnregistreur notes;
        clsBesoin& b = *e.projet.Besoin;
        b.Conso.Item(2) = 999.5; // the integer part of (value + 0.5)
        b.Tref.Item(12) = 62;
        frmBesoins f(b);
        QCOMPARE(f.txtConso(2)->text(), QStringLiteral("1000"));
        QCOMPARE(f.txtMoyTeau()->text(), QStringLiteral("51"));
        QVERIFY(Montrer(f));
        // Needs the method cannot calculate with are refused at Ok, month named, and the
        // stored value comes back.
        for (const char* besoin : {"0", "9999999"}) {
            Saisir(f.txtConso(3), QString::fromLatin1(besoin), false);
            QTest::mouseClick(f.cmdOk(), Qt::LeftButton);
            QVERIFY(f.isVisible());
            QCOMPARE(f.txtConso(3)->text(), QStringLiteral("1000"));
        }
        Saisir(f.txtMoyTeau(), QStringLiteral("4x"), false);
        QCOMPARE(f.txtMoyTeau()->text(), QStringLiteral("51")); // the previous value
        QCOMPARE(notes.messages,
                 (std::vector<std::string>{
                     "Consommation journalière [l/j] (mars) : Cette valeur doit être comprise "
                     "entre 1 et 100000",
                     "Consommation journalière [l/j] (mars) : Cette valeur doit être comprise "
                     "entre 1 et 100000",
                     "Température de l'eau chaude [°C] : Cette valeur doit être numérique, "
                     "comprise entre 30 et 95"}));
        // An average typed fills its twelve months; a month changes the average only.
        Saisir(f.txtMoyConso(), QStringLiteral("50"), false);
        QCOMPARE(f.txtConso(12)->text(), QStringLiteral("50"));
        Saisir(f.txtConso(7), QStringLiteral("62"), false);
        QCOMPARE(f.txtMoyConso()->text(), QStringLiteral("51"));
        QCOMPARE(f.txtConso(6)->text(), QStringLiteral("50"));
        f.reject();
        QCOMPARE(b.Conso.Item(1), 1000.0);
        // Through the window's entry point: Enter confirms, the project is recalculated.
        Ouvrir<frmBesoins>([&] { OuvrirBesoins(e.projet, nullptr); },
                           [](frmBesoins& d) { Saisir(d.txtMoyConso(), QStringLiteral("200")); });
        QCOMPARE(b.Conso.Item(12), 200.0);
        QCOMPARE(e.projet.Enregistrement().Calcul.Conso[5], 200.0f);
    }

    // 3 occupants at 56 l/j and 40 °C, cold water at 10 °C, hot water at 50 °C:
    // 168 × 30 / 40 = 126 l/j, August half occupied 63 l/j; the project changes only
    // with the needs dialog's Ok.
    void assistantFoyerRemplitLesMois() {
        ProjetEssai e;
        RemplirCollection(e.projet.Meteo->Tef, 10.0, 12);
        frmBesoins f(*e.projet.Besoin);
        QVERIFY(Montrer(f));
        Ouvrir<frmBesoinsFoyer>(
            [&] {
                QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdFoyer")),
                                  Qt::LeftButton);
            },
            [](frmBesoinsFoyer& a) {
                // Values out of range: one message in the rules' words, the values kept.
                NotificateurEnregistreur notes;
                Saisir(a.txtOccupants(), QStringLiteral("-4"), false);
                Saisir(a.txtOccupation(2), QStringLiteral("120"));
                QCOMPARE(notes.messages,
                         std::vector<std::string>{
                             "Nombre d'occupants : Cette valeur doit être comprise entre 0,5 et "
                             "500\nOccupation [%] (février) : Cette valeur doit être comprise "
                             "entre 0 et 100"});
                QCOMPARE(a.txtOccupants()->text(), QStringLiteral("4"));
                Saisir(a.txtOccupants(), QStringLiteral("3"), false);
                Saisir(a.txtOccupation(8), QStringLiteral("50"));
            });
        QCOMPARE(f.txtConso(1)->text(), QStringLiteral("126"));
        QCOMPARE(f.txtConso(8)->text(), QStringLiteral("63"));
        QCOMPARE(e.projet.Besoin->Conso.Item(1), 1000.0);
    }

    void deperditionIsolantEtOk() {
        ProjetEssai e;
        clsBoucle& b = *e.projet.Boucle;
        b.Lit = 0.038f;
        {
            frmDeperdition f(b);
            QCOMPARE(f.txtLit()->text(), QStringLiteral("0,038")); // a conductivity's digits
            QVERIFY(Montrer(f));
            QStringList offerts;
            ChoisirDansLePopup(QStringLiteral("Laine minérale"), &offerts);
            QTest::mouseClick(f.picIsolant(), Qt::LeftButton);
            QCOMPARE(offerts, (QStringList{"Mousse élastomère", "Laine minérale"}));
            QCOMPARE(f.txtLit()->text(), QStringLiteral("0,035"));
            QVERIFY(f.txtLit()->Modifie()); // typed, not stored before Ok
            ChoisirDansLePopup(QString());  // Escape keeps the value
            QTest::mouseClick(f.picIsolant(), Qt::LeftButton);
            QCOMPARE(f.txtLit()->text(), QStringLiteral("0,035"));
        }
        QCOMPARE(b.Lit, 0.038f);
        Ouvrir<frmDeperdition>([&] { OuvrirDeperdition(e.projet, nullptr); },
                               [](frmDeperdition& f) {
                                   Saisir(f.txtL(), QStringLiteral("15"), false);
                                   Saisir(f.txtPhit(), QStringLiteral("18.5"), false);
                                   f.ChoisirIsolant(0);
                                   f.accept();
                               });
        QCOMPARE(b.L, 15.0f);
        QCOMPARE(b.Lit, 0.04f);
        QCOMPARE(e.projet.Enregistrement().Calcul.Deperdition.Phit, 18.5f);
    }

    void debitUneQuantiteParPaireEtSelectionQuiSuit() {
        ProjetEssai e;
        clsBoucle& b = *e.projet.Boucle;
        b.Debit_Unitaire = 40;
        b.cp = 1.16f;
        {
            frmDebitEnergetique f(b, 1);
            QVERIFY(Montrer(f));
            // Switching shows the stored quantity, not a conversion of what was typed.
            Saisir(f.txtDebit(), QStringLiteral("55"), false);
            f.cmbDebit()->setCurrentIndex(1);
            QCOMPARE(f.txtDebit()->text(), QStringLiteral("0,00"));
            Saisir(f.txtDebit(), QStringLiteral("120,5"), false);
            f.cmbThermique()->setCurrentIndex(1);
            Saisir(f.txtThermique(), QStringLiteral("30"), false);
            f.accept();
        }
        QCOMPARE(std::vector<float>({b.Debit_Total, b.Debit_Unitaire, b.Fa, b.cp}),
                 std::vector<float>({120.5f, 0, 30, 0}));
        {
            frmDebitEnergetique f(b, 1); // reopened on the entries confirmed
            QCOMPARE(f.cmbDebit()->currentIndex(), 1);
            QCOMPARE(f.txtThermique()->text(), QStringLiteral("30,00"));
        }
        // Flow 2 through the window's entry point: Annuler keeps, Ok stores and calculates.
        b.Debit_Unitaire2 = 35;
        for (bool ok : {false, true})
            Ouvrir<frmDebitEnergetique>([&] { OuvrirDebitEnergetique(e.projet, 2, nullptr); },
                                        [ok](frmDebitEnergetique& f) {
                                            QCOMPARE(f.Numero(), 2);
                                            Saisir(f.txtDebit(), QStringLiteral("70"), false);
                                            ok ? f.accept() : f.reject();
                                        });
        QCOMPARE(e.projet.Enregistrement().Calcul.Debit2.Debit_Unitaire, 70.0f);
        QCOMPARE(b.Debit_Total2, 0.0f);
    }

    void masqueDe2A20PointsAuxBoutsFixes() {
        ProjetEssai e;
        clsMasque& m = *e.projet.Masque;
        {
            frmMasques f(m);
            QVERIFY(Montrer(f));
            // Kept within 2 to 20 points, the integer part of what is typed; the rows
            // wait for Enter, and Ok meanwhile.
            for (const auto& [saisie, nombre] : {std::pair{"25", 20}, {"1", 2}, {"4,9", 4}}) {
                Saisir(f.txtN(), QString::fromLatin1(saisie), false);
                QVERIFY(!f.cmdOk()->isEnabled());
                QTest::keyClick(f.txtN(), Qt::Key_Return);
                QCOMPARE(f.NbLignes(), nombre);
            }
            QCOMPARE(f.txtAzim(1)->text(), QStringLiteral("-43,33"));
            // Only the middle azimuths can be typed: the ends are fixed at ±130.
            Saisir(f.txtN(), QStringLiteral("3"));
            QTest::keyClicks(f.txtAzim(0), QStringLiteral("5"));
            QCOMPARE(f.txtAzim(0)->text(), QStringLiteral("-130,00"));
            const auto fixe = [](const ChampSaisie* c) {
                return c->isReadOnly() || c->focusPolicy() == Qt::NoFocus;
            };
            QVERIFY(fixe(f.txtAzim(2)) && !fixe(f.txtAzim(1)) && !fixe(f.txtHang(2)));
            f.reject();
        }
        QCOMPARE(m.NbPoints, int16_t(2));
        Ouvrir<frmMasques>([&] { OuvrirMasques(e.projet, nullptr); },
                           [](frmMasques& f) {
                               Saisir(f.txtN(), QStringLiteral("3"));
                               Saisir(f.txtAzim(1), QStringLiteral("10"), false);
                               Saisir(f.txtHang(1), QStringLiteral("20,5"), false);
                               QTest::mouseClick(f.cmdOk(), Qt::LeftButton);
                           });
        QCOMPARE(e.projet.Enregistrement().Entrees.NB_points, int16_t(3));
        QCOMPARE(e.projet.Enregistrement().Entrees.Masque_Angle[2], 10.0f);
        QCOMPARE(e.projet.Enregistrement().Entrees.Masque_Hauteur[2], 20.5f);
        frmMasques relu(m); // the stored points, not the presets
        QCOMPARE(relu.txtHang(1)->text(), QStringLiteral("20,50"));
        m.NbPoints = 40; // a damaged file
        frmMasques abime(m);
        QCOMPARE(abime.NbLignes(), 20);
    }

    // The economic study on the real tables: an energy brings its values, a refused
    // value names its field and is not kept, an aid of the table is deducted.
    // The client dossier: what is typed is kept through the rules, a character the file
    // cannot hold is refused with the field's previous text, Ok without typing writes
    // nothing, and the installer typed once is proposed to the next dossier.
    void dossier() {
        ProjetEssai e;
        NotificateurEnregistreur notes;
        QSettings().remove(QStringLiteral("Dossier"));
        {
            frmDossier f(e.projet);
            QVERIFY(Montrer(f));
            Saisir(f.Champ("Client"), QStringLiteral("Famille Martin"), false);
            Saisir(f.Champ("Contact"), QStringLiteral("Jean Dupont "), false);
            QKeyEvent telephone(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("☎"));
            QCoreApplication::sendEvent(f.Champ("Contact"), &telephone);
            f.accept();
            QVERIFY(f.isVisible());
            QCOMPARE(notes.messages,
                     std::vector<std::string>{"Contact de l'installateur : un caractère n'a pas "
                                              "d'équivalent dans le fichier du projet "
                                              "(Windows-1252)"});
            QCOMPARE(f.Champ("Contact")->text(), QString());
            Saisir(f.Champ("Installateur"), QStringLiteral("Soleil & Fils"), false);
            f.accept();
            QVERIFY(!f.isVisible());
        }
        QCOMPARE(e.projet.Dossier.Client, std::string("Famille Martin"));
        QCOMPARE(e.projet.Dossier.Installateur, std::string("Soleil & Fils"));
        const std::string texte = e.projet.TexteFichier();
        {
            frmDossier f(e.projet);
            f.accept();
        }
        QCOMPARE(e.projet.TexteFichier(), texte);
        ProjetEssai autre;
        frmDossier f(autre.projet);
        QCOMPARE(f.Champ("Installateur")->text(), QStringLiteral("Soleil & Fils"));
        QVERIFY(f.Champ("Installateur")->Edite());
    }

    void economie() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        NotificateurEnregistreur notes;
        frmEconomie f(e.projet);
        QVERIFY(f.lblErreur()->text().isEmpty());
        f.ChoisirEnergie(f.cmbEnergie()->findText(QStringLiteral("Gaz naturel")));
        QCOMPARE(f.Champ("Prix")->text(), QStringLiteral("0,1345"));
        const QString retour = f.Resultat("temps_retour_ans");
        f.AjouterAide(1);
        QVERIFY(f.Resultat("temps_retour_ans") != retour);
        QVERIFY(Montrer(f));
        Saisir(f.Champ("Prix"), QStringLiteral("-1"), false);
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

    // A datasheet imported, found without regard to case or accents, and chosen into
    // one of the person's collector entries, which the project then uses.
    void capteurCertifieDevientUnCapteurUtilisateur() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        NotificateurEnregistreur notes;
        const std::string csv = e.Dossier() + "/fiches.csv";
        essai::EcrireOctets(
            csv, "nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\n"
                 "Soléo Plan 25;plan;0,78;;;3,5;0,015;0,94;2,51;2,32\n"
                 "Tube CPC 18;tubes;;0,62;0,95;0,9;0,004;0,98;3,1;2,8\n");
        frmCapteursCertifies f(e.projet);
        QVERIFY(Montrer(f));
        QVERIFY(f.Importer(QString::fromStdString(csv)));
        const auto selectionner = [](frmCapteursCertifies& d, const char* recherche) {
            Saisir(d.txtRecherche(), QString::fromUtf8(recherche), false);
            QCOMPARE(d.lstCapteurs()->model()->rowCount(), 1);
            d.lstCapteurs()->selectRow(0);
        };
        selectionner(f, "SOLEO");
        selectionner(f, "tube cpc");
        f.cmbEntree()->setCurrentText(QStringLiteral("Capteur utilisateur 2*"));
        QTest::mouseClick(f.cmdChoisir(), Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(e.projet.Capteurs->strType(), std::string("Tube CPC 18*"));
        ChargerDonnees(); // the tables again: the entry renamed in the catalogue file
        float bc = 0, kc = 0, ac = 0;
        int16_t code = 0;
        LireValeursTable(TableCapteurs, "Tube CPC 18*", {&bc, &kc, &ac, &code});
        QVERIFY(qAbs(bc - 0.61535f) < 1e-5f && qAbs(kc - 1.06f) < 1e-5f);
        QCOMPARE(std::pair(ac, code), std::pair(3.1f, int16_t(3))); // tubes
        QCOMPARE(IndiceEntree(TableCapteurs, "Capteur utilisateur 2*"), 0);
        QVERIFY(notes.messages.empty());
        // Chosen again, the datasheet goes back into its own entry, never a second one.
        frmCapteursCertifies g(e.projet);
        QVERIFY(Montrer(g));
        selectionner(g, "cpc");
        QCOMPARE(g.cmbEntree()->currentText(), QStringLiteral("Tube CPC 18*"));
        g.cmbEntree()->setCurrentText(QStringLiteral("Capteur utilisateur 1*"));
        QTest::mouseClick(g.cmdChoisir(), Qt::LeftButton);
        QCOMPARE(g.result(), 0);
        QCOMPARE(notes.messages.size(), std::size_t(1));
        QVERIFY(notes.messages[0].find("déjà le capteur « Tube CPC 18* »") != std::string::npos);
    }

    void textesEntiers() {
        ProjetEssai e(ProjetEssai::Donnees::CopieReference);
        e.projet.Besoin->Conso.Item(1) = 10000; // the widest values
        e.projet.Besoin->Tref.Item(1) = -10;
        frmBesoins besoins(*e.projet.Besoin);
        VerifierTextesEntiers(besoins);
        clsBoucle b;
        b.Debit_Total = 12345.67f;
        b.L = 25;
        frmDebitEnergetique debit(b, 1);
        VerifierTextesEntiers(debit);
        frmDeperdition deperdition(b);
        VerifierTextesEntiers(deperdition);
        clsMasque m;
        m.NbPoints = 20;
        frmMasques masques(m);
        VerifierTextesEntiers(masques);
        frmEconomie economie(e.projet);
        VerifierTextesEntiers(economie);
        e.projet.Meteo->Pays("France métropolitaine"); // on its first user station
        e.projet.Meteo->Departement("Stations utilisateur");
        frmStation station(e.projet);
        station.txtText(1)->setText(QStringLiteral("-12,35"));
        station.txtGh(1)->setText(QStringLiteral("1,234"));
        VerifierTextesEntiers(station);
    }

    // The station's own values, not the site's: 1000 m higher, the site is colder.
    // The station's own values, not the site's (1000 m higher, the site is colder); a
    // name refused keeps the dialog open; a new name saved renames the station in its
    // files and the list, and the project is recalculated on it.
    void stationAfficheeRefuseeOuEnregistree() {
        EssaiStation e;
        e.projet.Meteo->Altitude = 1237;
        QVERIFY(e.projet.SimulerORIN(false).Complet());
        QCOMPARE(float(e.projet.Meteo->Text.Item(12)), 3.8f - 4.5f);
        NotificateurEnregistreur notes;
        {
            frmStation f(e.projet);
            const std::pair<ChampSaisie*, const char*> champs[] = {
                {f.txtAltitude(), "237"}, {f.txtlatitude(), "45,8"}, {f.txtDistanceMer(), ">= 10"},
                {f.txtGh(1), "1,18"},     {f.txtText(12), "3,8"},    {f.txtTef(7), "19,4"}};
            for (const auto& [champ, texte] : champs)
                QCOMPARE(champ->text(), QString::fromUtf8(texte));
            QVERIFY(Montrer(f));
            Saisir(f.txtStation(), QStringLiteral("Ab"));
            QVERIFY(f.isVisible());
            // Another station's name would make the station file unreadable.
            Saisir(f.txtStation(), QStringLiteral("Station utilisateur 2"), false);
            f.accept();
            QCOMPARE(notes.messages, (std::vector<std::string>{
                                         "Le nom de la station doit comporter au moin 3 caractères",
                                         "La station « Station utilisateur 2* » existe déjà."}));
        }
        notes.Effacer();
        PlusTard([] {
            auto* f = qobject_cast<frmStation*>(FenetreModale());
            QVERIFY(f != nullptr);
            Saisir(f->txtStation(), QStringLiteral("Abc"), false);
            Saisir(f->txtGh(1), QStringLiteral("1.5"), false);
            QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        OuvrirStation(e.projet, nullptr);
        QVERIFY(notes.messages.empty());
        QCOMPARE(e.projet.Meteo->station(), std::string("Abc*"));
        QCOMPARE(Libelles[Liste::Stations][0], std::string("Abc*"));
        QCOMPARE(e.projet.Enregistrement().Calcul.Gh[1], 1.5f);
        QCOMPARE(float(e.projet.Meteo->TextStation.Item(12)), 3.8f);
        for (const char* nom : {"Ville_Fr.TXT", "Stati_Fr2.TXT", "Stati_Fr.TXT"})
            QVERIFY2(e.Fichier(nom).find("Abc*") != std::string::npos &&
                         e.Fichier(nom).find("Station utilisateur 1*") == std::string::npos,
                     nom);
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
        QCOMPARE(f.txtlatitude()->text(), QStringLiteral("-20,16"));
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone continentale"));
        QVERIFY(f.txtGh(1)->Modifie()); // to review, not saved yet
        // The sea is near after all: the zone follows the distance class of an import.
        Choisir(f, 3, "< 1");
        QCOMPARE(f.txtZone()->text(), QStringLiteral("Zone maritime"));
        Choisir(f, 4, "< 0.5");
        f.accept();
        const clsMeteo& m = *e.projet.Meteo;
        QCOMPARE(m.station() + m.Hemisphere() + m.zone, std::string("Port Louis*SZone maritime"));
        QCOMPARE(std::pair(m.Gh.Item(6), m.Text.Item(6)), std::pair(4.8, 6.5));
        QCOMPARE(std::pair(m.Distance_Mer_station_meteo, m.Nb_habitant_station_meteo),
                 std::pair(int16_t(1), int16_t(1)));
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
};

QTEST_MAIN(TestDialogues)
#include "tst_Dialogues.moc"
