// The report's pages onto paper and into PDF files.

#include "common/Erreurs.h"
#include "project/clsprojet.h"
#include "report/PageRapport.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool ImprimerRapport(QPagedPaintDevice& support, const DocumentRapport& document) {
    // The whole sheet is the painter's: the page keeps its own margins, wider than
    // any printer's unprintable border.
    QPageLayout mise = support.pageLayout();
    mise.setMode(QPageLayout::FullPageMode);
    support.setPageLayout(mise);
    QPainter p;
    if (!p.begin(&support))
        return false;
    for (int page = 0; page < NbPages(document); ++page) {
        if (page > 0 && !support.newPage())
            return false;
        DessinerPage(p, QRectF(0, 0, support.width(), support.height()), document, page);
    }
    return p.end();
}

void EcrirePdf(clsprojet& projet, const std::string& chemin) {
    const QString nom = QString::fromStdString(chemin);
    const std::string echec = "Impossible d'écrire le fichier « " + chemin + " »";
    QSaveFile fichier(nom);
    if (!fichier.open(QIODevice::WriteOnly))
        throw ErreurFichier(echec + " : " + fichier.errorString().toStdString() + ".");
    {
        QPdfWriter pdf(&fichier);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        pdf.setTitle(QString::fromStdString(projet.Nom));
        pdf.setCreator(QStringLiteral("VARQUIN"));
        if (!ImprimerRapport(pdf, LireDocumentRapport(projet, DateCourteDuJour())))
            throw ErreurFichier(echec + ".");
    }
    if (!fichier.commit())
        throw ErreurFichier(echec + " : " + fichier.errorString().toStdString() + ".");
}

std::string DateCourteDuJour() {
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}
