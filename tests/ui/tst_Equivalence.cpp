// Une même étude par la fenêtre et par varquin-cli : le même enregistrement après
// l'ouverture, les mêmes cellules et les mêmes valeurs après le calcul, pour les études
// épinglées et pour deux cents projets tirés au hasard dans les limites des règles.

#include "OutilsTest.h"
#include "data/modLibelles.h"
#include "project/EtatApplication.h"
#include "project/LectureSaisie.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "tests/support/EtudesEpinglees.h"
#include "ui/ProjetFenetre.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmProjet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <random>

namespace {
// A project drawn at random within the input rules, through the lifecycle.
void Tirer(clsprojet& p, std::mt19937& alea) {
    const auto entier = [&](int a, int b) { return std::uniform_int_distribution<>(a, b)(alea); };
    const auto parmi = [&](int liste) {
        const auto items = ItemsListe(liste);
        return items.at(static_cast<std::size_t>(entier(0, int(items.size()) - 1)));
    };
    const auto serie = [&](int a, int b) {
        std::string texte;
        for (int m = 0; m < 12; ++m)
            texte += std::to_string(entier(a, b)) + ";";
        return texte;
    };
    p.Appliquer("Pays", parmi(Liste::Pays));
    p.Appliquer("Département", parmi(Liste::Departements));
    p.Appliquer("Station", parmi(Liste::Stations));
    p.Appliquer("Situation.Altitude", std::to_string(entier(-100, 2000)));
    p.Appliquer("Situation.Distance_Mer", std::to_string(entier(1, 4)));
    p.Appliquer("Situation.Nb_Habitant_Ville", std::to_string(entier(1, 3)));
    p.Appliquer("Conso", serie(20, 600));
    p.Appliquer("Tref", serie(45, 65));
    p.Appliquer("Orientation", std::to_string(entier(-120, 120)));
    if (entier(0, 3) == 0) {
        p.Appliquer("Type_chauffe-eau", parmi(Liste::ChauffeEau));
        p.Appliquer("inclinaison", std::to_string(entier(0, 60)));
    } else {
        p.Appliquer("TypeSysteme", "SYSTEME CAPTEUR BALLON");
        p.Appliquer("Type_capteur", parmi(Liste::Capteurs));
        p.Appliquer("Nb_Capteurs", std::to_string(entier(1, 12)));
        p.Appliquer("inclinaison", std::to_string(entier(0, 90)));
        p.Appliquer("Type_ballon", parmi(Liste::Ballons));
        p.Appliquer("B_Situation.Indice", std::to_string(entier(1, 3)));
        p.Appliquer("TLocalChauffe", std::to_string(entier(12, 25)));
        p.Appliquer("Efficacité:TypeDeCalcul", parmi(Liste::ChoixCalcul));
        p.Appliquer("Etap", "0," + std::to_string(entier(30, 90)));
        p.Appliquer("PresenceEchangeur", parmi(Liste::PresenceEchangeur));
        p.Appliquer("PositionEchangeur", parmi(Liste::PositionEchangeur));
        p.Appliquer("TypeAppoint", parmi(Liste::Appoint));
        p.Appliquer("ModeAppoint", parmi(Liste::Alimentation));
    }
    if (entier(0, 2) == 0) {
        const int n = entier(2, 6);
        std::string angles, hauteurs;
        for (int i = 0; i < n; ++i) {
            angles += std::to_string(-130 + 260 * i / (n - 1)) + ";";
            hauteurs += std::to_string(entier(0, 40)) + ";";
        }
        p.Appliquer("Masque_Existe", "1");
        p.Appliquer("NB points", std::to_string(n));
        p.Appliquer("Masque_Angle", angles);
        p.Appliquer("Masque_Hauteur", hauteurs);
    }
}

QJsonObject CalculLigneDeCommande(const QString& fichier) {
    QProcess processus;
    processus.start(QStringLiteral(VARQUIN_CLI),
                    {QStringLiteral("calc"), fichier, QStringLiteral("--format"),
                     QStringLiteral("json"), QStringLiteral("--data"),
                     QStringLiteral(VARQUIN_REFERENCE_DIR)});
    processus.waitForFinished(60000);
    return QJsonDocument::fromJson(processus.readAllStandardOutput()).object();
}

std::vector<double> Valeurs(const QJsonArray& tableau) {
    std::vector<double> v;
    for (const QJsonValue& x : tableau)
        v.push_back(x.toDouble());
    return v;
}

// The command line writes each stored Single as the shortest text that reads back to
// it: compared as Singles, the two doors must agree exactly.
bool MemeSimple(double json, float valeur) {
    return static_cast<float>(json) == valeur;
}

// The window's grid and record against the command line's output of the same file.
QString Ecarts(ProjetFenetre& fenetre, const QJsonObject& json) {
    const ResultatsGrille& grille = *fenetre.Formulaire()->Grille();
    const QJsonArray lignes = json[QStringLiteral("lignes")].toArray();
    for (int l = 0; l < lignes.size(); ++l) {
        const QJsonObject ligne = lignes[l].toObject();
        QJsonArray cellules = ligne[QStringLiteral("mois")].toArray();
        cellules.append(ligne[QStringLiteral("annuel")]);
        for (int c = 0; c < cellules.size(); ++c) {
            const QString attendu =
                cellules[c].isNull() ? QString() : QString::number(cellules[c].toInteger());
            if (grille.Texte(l + 1, c + 1) != attendu)
                return QStringLiteral("cellule %1,%2 : %3 au lieu de %4")
                    .arg(l + 1)
                    .arg(c + 1)
                    .arg(grille.Texte(l + 1, c + 1), attendu);
        }
    }
    const EnregistrementCalcul& r = fenetre.Projet().Enregistrement().Calcul;
    const QJsonObject v = json[QStringLiteral("valeurs")].toObject();
    for (const auto& [cle, mois] :
         {std::pair{"Fecs", &r.Fecs}, {"Becs", &r.Becs}, {"Prod", &r.Prod}}) {
        const std::vector<double> cli = Valeurs(v[QLatin1String(cle)].toArray());
        for (int m = 1; m <= 12; ++m) {
            if (!MemeSimple(cli.at(static_cast<std::size_t>(m - 1)),
                            (*mois)[static_cast<std::size_t>(m)]))
                return QStringLiteral("%1 du mois %2").arg(QLatin1String(cle)).arg(m);
        }
    }
    if (!MemeSimple(v[QStringLiteral("Productivite_an")].toDouble(), r.Productivite_an) ||
        !MemeSimple(v[QStringLiteral("Fecs_an")].toDouble(), r.Fecs_an))
        return QStringLiteral("valeurs annuelles");
    return {};
}
} // namespace

class TestEquivalence : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerEnvironnementTest();
        ChargerDossier();
    }

    void etudesEpingleesParLaFenetre() {
        for (const essai::EtudeEpinglee& etude : essai::EtudesEpinglees()) {
            ProjetFenetre fenetre;
            fenetre.Ouvrir(QString::fromStdString(essai::DossierEtudes() + "/" + etude.fichier));
            const EnregistrementCalcul& c = fenetre.Projet().Enregistrement().Calcul;
            for (int m = 1; m <= 12; ++m)
                QCOMPARE(c.Fecs[static_cast<std::size_t>(m)],
                         etude.Fecs[static_cast<std::size_t>(m)]);
            QCOMPARE(c.Productivite_an, etude.Productivite_an);
        }
    }

    void deuxCentsProjetsParLesDeuxPortes() {
        QTemporaryDir dossier;
        std::mt19937 alea(20261206);
        const int nombre = qEnvironmentVariableIntValue("VARQUIN_EQUIVALENCE_PROJETS") > 0
                               ? qEnvironmentVariableIntValue("VARQUIN_EQUIVALENCE_PROJETS")
                               : 200;
        int complets = 0;
        for (int i = 0; i < nombre; ++i) {
            const QString fichier = dossier.filePath(QStringLiteral("p%1.vqp").arg(i));
            {
                clsprojet p;
                (void)p.Nouveau();
                Tirer(p, alea);
                (void)p.SimulerORIN(false);
                p.EnregistrerSous(fichier.toStdString());
                p.Fermer();
            }
            // Opened as the command line opens it, and as the window does.
            clsprojet cli;
            (void)cli.Nouveau();
            cli.Ouvrir(fichier.toStdString());
            ProjetFenetre fenetre;
            fenetre.Projet().Ouvrir(fichier.toStdString());
            QCOMPARE(fenetre.Projet().TexteFichier(), cli.TexteFichier());
            cli.Fermer();

            const RapportCalcul rapport = fenetre.Projet().SimulerORIN(true);
            const QJsonObject json = CalculLigneDeCommande(fichier);
            QCOMPARE(json[QStringLiteral("calcul_complet")].toBool(), rapport.Complet());
            QCOMPARE(json[QStringLiteral("messages")].toArray().size(),
                     qsizetype(rapport.Messages().size()));
            complets += rapport.Complet() ? 1 : 0;
            if (rapport.Complet())
                QVERIFY2(Ecarts(fenetre, json).isEmpty(),
                         qPrintable(fichier + QStringLiteral(" : ") + Ecarts(fenetre, json)));
        }
        // Most drawn projects calculate: the comparison is of results, not of refusals.
        qInfo("%d projets calculés sur %d", complets, nombre);
        QVERIFY(complets * 4 >= nombre * 3);
    }
};

QTEST_MAIN(TestEquivalence)
#include "tst_Equivalence.moc"
