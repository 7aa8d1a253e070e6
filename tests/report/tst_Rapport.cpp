// The printed report: its wording and figures as read back from the PDF it writes,
// the layout of the pages on the sheet, the client's dossier, the headings and the
// installer's logo, the stored results it shows whatever the calculation mode, and
// the preview window's print command.

#include "data/modTexte.h"
#include "engine/modCalculORIN.h"
#include "project/EtatApplication.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "report/ReglagesRapport.h"
#include "report/frmImpression.h"
#include "startup/Modgeneral.h"
#include "tests/support/NotificateurEnregistreur.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

// The suites that read a PDF back need poppler's pdftotext, found when configuring.
#define EXIGER_PDFTOTEXT()                                                                         \
    if (QStringLiteral(VARQUIN_PDFTOTEXT).isEmpty())                                               \
    QSKIP("pdftotext (poppler-utils) est absent : le texte des PDF ne peut être lu.")

namespace {
QString Entier(double v) {
    return QString::number(std::floor(v + 0.5), 'f', 0);
}

// What pdftotext reads from the PDF with those options.
QString Pdftotext(const QString& pdf, const QString& option) {
    QProcess outil;
    outil.start(QStringLiteral(VARQUIN_PDFTOTEXT), {option, "-enc", "UTF-8", pdf, "-"});
    if (!outil.waitForFinished(30000) || outil.exitCode() != 0)
        return {};
    return QString::fromUtf8(outil.readAllStandardOutput());
}

// What follows the label on its line, trimmed; a null text when no line has it.
QString Valeur(const QString& texte, const QString& libelle) {
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        const int i = ligne.indexOf(libelle);
        if (i >= 0)
            return ligne.mid(i + libelle.size()).trimmed();
    }
    return {};
}

QStringList Cellules(const QString& texte, const QString& titre) {
    return Valeur(texte, titre).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The lines of the page's text between two lines, trimmed.
QStringList LignesEntre(const QString& texte, const QString& debut, const QString& fin) {
    QStringList entre;
    bool dedans = false;
    for (const QString& ligne : texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (ligne.contains(fin))
            break;
        if (dedans)
            entre << ligne.trimmed();
        dedans = dedans || ligne.contains(debut);
    }
    return entre;
}

struct Mot {
    QString texte;
    QRectF cadre; // in points
};

// Every word of each page with its box, by pdftotext -bbox.
QList<QList<Mot>> MotsPdf(const QString& pdf, QSizeF* page) {
    const QString html = Pdftotext(pdf, QStringLiteral("-bbox"));
    const auto p =
        QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(html);
    if (p.hasMatch())
        *page = QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble());
    QList<QList<Mot>> pages;
    const QRegularExpression motRe(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                                   R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QString& texte : html.split(QStringLiteral("<page ")).mid(1)) {
        QList<Mot> mots;
        for (auto it = motRe.globalMatch(texte); it.hasNext();) {
            const auto m = it.next();
            mots.push_back({m.captured(5),
                            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
        }
        pages.push_back(mots);
    }
    return pages;
}

// Closes the printer dialog about to open, accepting or cancelling it; its title and the
// file it proposes.
void RepondreImprimante(bool accepter, QString* titre = nullptr, QString* propose = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        if (titre)
            *titre = d->windowTitle();
        if (propose)
            *propose = d->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
        accepter ? d->accept() : d->reject();
    });
}
} // namespace

class tst_Rapport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(ChargementInitial(VARQUIN_FIXTURES_DIR "/donnees"));
        InitialiserProjets();
        QVERIFY(QDir().mkpath(QStringLiteral(VARQUIN_RAPPORTS_DIR))); // pages to look at
        // The settings the logo is read from, the program's own names, in a folder of
        // the tests.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral(VARQUIN_RAPPORTS_DIR "/reglages"));
        NommerReglages();
    }
    void init() {
        Etat().Reinitialiser();
        notif_.Effacer();
    }
    void cleanup() { Etat().Reinitialiser(); }

    void chauffeEau() {
        EXIGER_PDFTOTEXT();
        auto p = Nouveau({"Conso=200 200 200 200 200 200 200 200 200 200 200 213", "Tref=55"});
        const QString texte = Texte(*p, "/dossier/Études/Maison DUPONT.VQP");
        Comparer(texte, {{"Date :", QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))},
                         {"Nom du fichier :", "maison dupont.vqp"},
                         {"Station :", "Ain . Ambérieu"},
                         {"Type de système :", "CHAUFFE-EAU MONOBLOC"},
                         {"Type de chauffe-eau :", "Monobloc 200 l"},
                         {"Inclinaison [°]:", "45,00"},
                         {"ABEtap [m²]:", "1,60"}, // its own, not the hidden collector's 2 m²
                         // 201,0833 rounded as the results grid rounds
                         {"Besoin journalier moyen en eau chaude [l/j]:", "201"},
                         {"Température de référence moyenne [°C]:", "55"}});
        const QStringList lignes = LignesEntre(texte, "Type de système", "Besoin journalier");
        QCOMPARE(lignes.size(), 5);
        QCOMPARE(lignes[4], QStringLiteral("( Sans appoint , Sans échangeur )"));
        QVERIFY(!texte.contains("Type de capteur") && !texte.contains("Type de ballon"));
        const EnregistrementCalcul& c = p->Enregistrement().Calcul;
        QCOMPARE(Cellules(texte, "Couverture [%]").size(), 13);
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(Cellules(texte, "Couverture [%]")[m - 1], Entier(c.Fecs[m]));
            QCOMPARE(Cellules(texte, "Besoins [kWh]")[m - 1], Entier(c.Becs[m]));
        }
        QCOMPARE(Cellules(texte, "Couverture [%]")[12], Entier(c.Fecs_an));
        // No area of collectors: nothing per m², neither the months nor the year.
        QVERIFY(Cellules(texte, "Productivité /m²").isEmpty());
    }

    void capteurBallon() {
        EXIGER_PDFTOTEXT();
        auto p = Nouveau({"TypeSysteme=SYSTEME CAPTEUR BALLON", "Type_capteur=Plan vitré", "a=10",
                          "Type_ballon=Ballon 300 l", "Orientation=-15", "Conso=300",
                          "Tref=50 50 50 50 50 50 50 50 50 50 50 62"});
        const QString texte = Texte(*p, "/dossier/Chantier-B.vqp");
        QVERIFY(p->Boucle->K > 0 && p->Boucle->Etap > 0);
        const auto deux = [](double v) { return QString::fromStdString(FormatDeuxDecimales(v)); };
        Comparer(texte, {{"Nom du fichier :", "chantier-b.vqp"},
                         {"Type de capteur :", "Plan vitré"},
                         {"Orientation [°]:", "-15,00"},
                         {"Surface totale [m²]:", "10,50"}, // 10 m² typed, 2.1 m² collectors: five
                         {"Déperdition de la boucle de captage [W/(m².K)]:", deux(p->Boucle->K)},
                         {"Efficacité de la boucle de captage:", deux(p->Boucle->Etap)},
                         {"Type de ballon:", "Ballon 300 l"},
                         // The simple rule: 1 % of the solar volume.
                         {"Déperdition thermique du ballon [W/K]:", deux(p->Ballon->Vs * 0.01)},
                         {"Température de référence moyenne [°C]:", "51"}});
        const QStringList lignes = LignesEntre(texte, "Type de système", "Besoin journalier");
        QCOMPARE(lignes.size(), 8);
        QVERIFY(!texte.contains("ABEtap") && !texte.contains("Type de chauffe-eau"));
        const EnregistrementCalcul& c = p->Enregistrement().Calcul;
        double annuel = 0;
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(Cellules(texte, "Productivité [kWh]")[m - 1], Entier(c.Prod[m]));
            QCOMPARE(Cellules(texte, "Productivité /m²")[m - 1], Entier(c.Prod[m] / 10.5));
            annuel += std::round(c.Prod[m] * 100.0) / 100.0;
        }
        QCOMPARE(Cellules(texte, "Productivité [kWh]")[12], Entier(annuel));
        QCOMPARE(Cellules(texte, "Besoins [kWh]")[12], Entier(c.Becs_an));
        QCOMPARE(Cellules(texte, "Productivité /m²")[12], Entier(c.Productivite_par_m2));
        QVERIFY(notif_.messages.empty());
    }

    void miseEnPageSurA4_data() {
        QTest::addColumn<QStringList>("parametres");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("chauffe-eau") << QStringList() << QStringLiteral("Projet0001.vqp");
        // The longest texts: a file name with no blank to break at, four-figure needs.
        QTest::newRow("textes-longs")
            << QStringList(
                   {"TypeSysteme=SYSTEME CAPTEUR BALLON", "Type_capteur=Tubes sous vide", "a=60",
                    "Type_ballon=Ballon 500 l", "Conso=9000",
                    "Dossier:Client=" + QString(40, QLatin1Char('M')),
                    "Dossier:Adresse=" + QStringLiteral("Résidence des Tilleuls ").repeated(4),
                    "Dossier:Contact=" + QStringLiteral("Jean-Baptiste ").repeated(7)})
            << QStringLiteral("Etude_de_dimensionnement_du_chauffe-eau_solaire_collectif_de_la_"
                              "residence_des_Tilleuls_batiment_C_version_finale_corrigee.vqp");
    }

    // Every word inside the margins and clear of every other: nothing cut by the page's
    // edge or a column, no legend past the margin, nothing drawn over something else.
    void miseEnPageSurA4() {
        EXIGER_PDFTOTEXT();
        QFETCH(QStringList, parametres);
        QFETCH(QString, fichier);
        auto p = Nouveau(parametres);
        p->Fichier = ("/dossier/" + fichier).toStdString();
        const QString pdf = Pdf(*p, QTest::currentDataTag());
        QSizeF page;
        const QList<QList<Mot>> pages = MotsPdf(pdf, &page);
        QCOMPARE(page.toSize(), QSize(595, 842)); // A4 in points
        QVERIFY(pages.size() >= 4 && pages[0].size() > 100);
        const double mm = 72 / 25.4;
        const QRectF utile(18 * mm - 0.5, 14 * mm - 0.5, 174 * mm + 1, 273 * mm + 1);
        for (const QList<Mot>& mots : pages) {
            for (int i = 0; i < mots.size(); ++i) {
                QVERIFY2(utile.contains(mots[i].cadre), qPrintable(mots[i].texte));
                // Boxes of words on one line touch at their ends: allow a hair.
                const QRectF a = mots[i].cadre.adjusted(0.3, 0.3, -0.3, -0.3);
                for (int j = i + 1; j < mots.size(); ++j)
                    QVERIFY2(!a.intersects(mots[j].cadre),
                             qPrintable(mots[i].texte + " / " + mots[j].texte));
            }
        }
        const QString texte = Pdftotext(pdf, QStringLiteral("-layout"));
        // Wrapped in the value column, the long name is all there, in lower case.
        QString nom = LignesEntre(texte, "Caractéristiques du projet", "Station :").join("");
        nom.remove("Nom du fichier :").remove(QRegularExpression("\\s"));
        QCOMPARE(nom, fichier.toLower());
        for (const char* titre : {"Couverture [%]", "Besoins [kWh]", "Productivité [kWh]"})
            QCOMPARE(Cellules(texte, titre).size(), 13);
    }

    // The dossier on the first page, only what is filled, over the signature block; the
    // project's title and client heading every page; the installer's logo from the
    // settings, and none, without a word, when its file cannot be read as an image.
    void dossierEnTetesEtLogo() {
        EXIGER_PDFTOTEXT();
        auto p = Nouveau({"Dossier:Client=Famille Martin", "Dossier:Installateur=Soleil SARL",
                          "Dossier:Reference=DEV-41"});
        QCOMPARE(LireContenuRapport(*p, "01/02/2026").projet,
                 std::string("Nouveau projet — Client : Famille Martin"));
        p->EnregistrerSous(VARQUIN_RAPPORTS_DIR "/Maison Martin.vqp");
        const QStringList pages = Pdftotext(Pdf(*p, "dossier"), QStringLiteral("-layout"))
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 4);
        for (const QString& page : pages)
            QVERIFY(page.contains("Maison Martin — Client : Famille Martin"));
        QCOMPARE(Valeur(pages[0], "Référence du devis"), QStringLiteral("DEV-41"));
        QVERIFY(!pages[0].contains("Adresse du site") && !pages[0].contains("Projet0"));
        const QString signature = LignesEntre(pages[0], "Établi par", "Page 1 /").join(' ');
        QVERIFY(signature.contains("Soleil SARL"));
        QVERIFY(signature.contains(QDate::currentDate().toString("dd/MM/yyyy")));

        QImage logo(60, 30, QImage::Format_RGB32);
        logo.fill(Qt::magenta);
        QVERIFY(logo.save(VARQUIN_RAPPORTS_DIR "/logo.png"));
        QFile texte(VARQUIN_RAPPORTS_DIR "/texte.png");
        QVERIFY(texte.open(QIODevice::WriteOnly) && texte.write("pas une image") > 0);
        texte.close();
        const auto magenta = [&](const char* fichier) {
            QSettings().setValue(CleLogoDossier,
                                 QStringLiteral(VARQUIN_RAPPORTS_DIR "/") + fichier);
            QImage page(420, 594, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter peintre(&page);
            DessinerPage(peintre, page.rect(), LireDocumentRapport(*p, "01/02/2026"), 0);
            peintre.end();
            int n = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    n += page.pixel(x, y) == qRgb(255, 0, 255);
            return n;
        };
        QVERIFY(magenta("logo.png") > 1000);
        QCOMPARE(magenta("absent.png"), 0);
        QCOMPARE(magenta("texte.png"), 0);
        QSettings().remove(CleLogoDossier);
        QVERIFY(notif_.messages.empty());
    }

    // The report shows the results the project holds, even when the calculation mode
    // leaves the project window's grid empty; values that are not numbers (a failed
    // calculation) are empty cells, as on screen, rather than "NaN" on paper.
    void resultatsStockesEtNonFinis() {
        auto p = Nouveau({"TypeSysteme=SYSTEME CAPTEUR BALLON", "a=4"});
        const ContenuRapport avant = LireContenuRapport(*p, "01/02/2026");
        QCOMPARE(avant.date, std::string("Date : 01/02/2026"));
        Etat().DefinirCalculAuto(false);
        p->Appliquer("Conso", "50");
        (void)p->SimulerORIN(true);
        const ContenuRapport apres = LireContenuRapport(*p, "01/02/2026");
        QCOMPARE(apres.caracteristiques[apres.caracteristiques.size() - 2].valeur,
                 std::string("50"));
        QCOMPARE(apres.resultats, avant.resultats);
        for (std::size_t m = 1; m <= 13; ++m)
            QVERIFY(!apres.resultats[4][m].empty());
        // Now a one-piece water heater, not yet calculated: the figure per m² held from
        // the collector system is not its own.
        p->Appliquer("TypeSysteme", "CHAUFFE-EAU MONOBLOC");
        (void)p->SimulerORIN(true);
        const ContenuRapport monobloc = LireContenuRapport(*p, "01/02/2026");
        for (std::size_t m = 1; m <= 13; ++m) {
            QVERIFY(monobloc.resultats[4][m].empty());
            QCOMPARE(monobloc.resultats[3][m], avant.resultats[3][m]);
        }
        QCOMPARE(monobloc.caracteristiques.size(), std::size_t(10));

        auto q = Nouveau({"TypeSysteme=SYSTEME CAPTEUR BALLON"});
        q->Boucle->Etap = std::nanf("");
        q->Enregistrement().Calcul.Fecs[3] = INFINITY;
        const ContenuRapport c = LireContenuRapport(*q, "01/02/2026");
        QCOMPARE(c.caracteristiques[8].libelle,
                 std::string("Efficacité de la boucle de captage: "));
        QCOMPARE(c.caracteristiques[8].valeur, std::string());
        QCOMPARE(c.resultats[1][3], std::string());
        QVERIFY(!c.resultats[1][2].empty());
    }

    void apercuEtImpression() {
        EXIGER_PDFTOTEXT();
        auto p = Nouveau({"TypeSysteme=SYSTEME CAPTEUR BALLON"});
        const QString reference = Texte(*p, "/dossier/Apercu.vqp");
        // Cancelling the printer dialog leaves the preview open.
        QString titre, propose;
        RepondreImprimante(false, &titre, &propose);
        QVERIFY(!Imprimer(*p, nullptr));
        QCOMPARE(titre, QStringLiteral("Imprimer"));
        // The file proposed lies beside the project, under its name.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QCOMPARE(propose, QStringLiteral("/dossier/Apercu.pdf"));
        frmImpression* fenetre = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            fenetre = fenetre ? fenetre : qobject_cast<frmImpression*>(w);
        QVERIFY(fenetre && fenetre->isVisible());
        // The preview shows a page: dark strokes on the white sheet.
        const QImage image = fenetre->Page()->grab().toImage();
        const QRect feuille = fenetre->Page()->Feuille().toRect();
        int sombres = 0;
        for (int y = feuille.top(); y < feuille.bottom(); y += 2)
            for (int x = feuille.left(); x < feuille.right(); x += 2)
                sombres += qGray(image.pixel(x, y)) < 100;
        QVERIFY(sombres > 500);
        // Printed to a file from the dialog: the same page as the PDF written directly,
        // and the window closes.
        const QString fichier = QStringLiteral(VARQUIN_RAPPORTS_DIR "/imprime.pdf");
        QFile::remove(fichier);
        fenetre->Imprimante().setOutputFileName(fichier);
        QPointer<frmImpression> garde(fenetre);
        RepondreImprimante(true);
        QVERIFY(fenetre->DemanderImpression());
        QCOMPARE(Pdftotext(fichier, QStringLiteral("-layout")), reference);
        QTRY_VERIFY(garde.isNull());
    }

private:
    // A new project with the changes applied, calculated.
    std::unique_ptr<clsprojet> Nouveau(const QStringList& parametres) {
        auto p = std::make_unique<clsprojet>();
        (void)p->Nouveau();
        for (const QString& affectation : parametres) {
            const qsizetype egal = affectation.indexOf(QLatin1Char('='));
            p->Appliquer(affectation.left(egal).toStdString(),
                         affectation.mid(egal + 1).toStdString());
        }
        (void)p->SimulerORIN(false);
        return p;
    }
    QString Pdf(clsprojet& projet, const QString& nom) {
        const QString chemin = QStringLiteral(VARQUIN_RAPPORTS_DIR "/") + nom + ".pdf";
        EcrirePdf(projet, chemin.toStdString());
        return chemin;
    }
    // The page's text of the project saved under that name.
    QString Texte(clsprojet& projet, const std::string& fichier) {
        projet.Fichier = fichier;
        const QString texte =
            Pdftotext(Pdf(projet, QTest::currentTestFunction()), QStringLiteral("-layout"));
        [&] { QVERIFY2(!texte.isEmpty(), "pdftotext n'a rien lu"); }();
        return texte;
    }
    static void Comparer(const QString& texte,
                         const std::vector<std::pair<QString, QString>>& attendues) {
        for (const auto& [libelle, valeur] : attendues)
            QCOMPARE(Valeur(texte, libelle), valeur);
    }

    NotificateurEnregistreur notif_;
};

QTEST_MAIN(tst_Rapport)
#include "tst_Rapport.moc"
