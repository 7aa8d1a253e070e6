#include "report/ReglagesRapport.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QSettings>

namespace {
// About 300 dots per inch over the logo's place on the page (50 by 22 mm).
constexpr int LargeurLogoMax = 600;
constexpr int HauteurLogoMax = 260;
} // namespace

void NommerReglages() {
    QCoreApplication::setOrganizationName(QStringLiteral("NORDAVE"));
    QCoreApplication::setApplicationName(QStringLiteral("VARQUIN"));
}

QImage LireLogoDossier() {
    const QString chemin = QSettings().value(CleLogoDossier).toString();
    if (chemin.isEmpty())
        return {};
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true); // a photographed logo stands as it was taken
    // A large picture is read at the size it prints at (a photograph of several
    // megapixels would otherwise be held, and embedded, whole).
    const QSize limite(LargeurLogoMax, HauteurLogoMax);
    const QSize taille = lecteur.size();
    if (taille.isValid() && (taille.width() > limite.width() || taille.height() > limite.height()))
        lecteur.setScaledSize(taille.scaled(limite, Qt::KeepAspectRatio));
    return lecteur.read(); // null when the file is no image this program can read
}
