// The report's pages onto paper and into PDF files.

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "project/clsprojet.h"
#include "report/PageRapport.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>

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

namespace {
// Why the file could not be written, in French: Qt's own texts are English. The
// system's error is the precise one when the failing call left it.
std::string Raison(const QFileDevice& fichier, int erreurSysteme) {
    if (erreurSysteme != 0)
        return TexteErreurSysteme(erreurSysteme);
    switch (fichier.error()) {
    case QFileDevice::PermissionsError:
        return TexteErreurSysteme(EACCES);
    case QFileDevice::ResourceError:
        return "ressources insuffisantes (disque plein ou mémoire)";
    case QFileDevice::OpenError:
        return "le fichier ne peut pas être ouvert";
    case QFileDevice::RenameError:
        return "le fichier temporaire n'a pas pu remplacer le fichier";
    case QFileDevice::AbortError:
        return "écriture abandonnée";
    default:
        return "erreur d'écriture";
    }
}
} // namespace

void EcrirePdf(clsprojet& projet, const std::string& chemin) {
    const QString nom = QString::fromStdString(chemin);
    const std::string echec = "Impossible d'écrire le fichier " + CiterChemin(chemin);
    QSaveFile fichier(nom);
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly))
        throw ErreurFichier(echec + " : " + Raison(fichier, errno) + ".");
    {
        QPdfWriter pdf(&fichier);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        pdf.setTitle(QString::fromStdString(EnTeteProjet(projet)));
        pdf.setCreator(QStringLiteral("VARQUIN"));
        if (!ImprimerRapport(pdf, LireDocumentRapport(projet, DateCourteDuJour())))
            throw ErreurFichier(echec + ".");
    }
    errno = 0;
    if (!fichier.commit())
        throw ErreurFichier(echec + " : " + Raison(fichier, errno) + ".");
}

std::string DateCourteDuJour() {
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}
