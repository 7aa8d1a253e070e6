#include "ui/Exemples.h"

#include "common/Chemins.h"

#include <QDir>
#include <map>

namespace {
// The titles of the examples shipped; another file shows its name.
QString Titre(const QString& fichier) {
    static const std::map<QString, QString> titres = {
        {QStringLiteral("lyon-maison-4-personnes.vqp"),
         QStringLiteral("Lyon : maison de 4 personnes, capteurs plans")},
        {QStringLiteral("marseille-maison-masque.vqp"),
         QStringLiteral("Marseille : maison avec masque d'horizon")},
        {QStringLiteral("saint-denis-reunion-monobloc.vqp"),
         QStringLiteral("Saint-Denis de La Réunion : chauffe-eau monobloc")},
        {QStringLiteral("strasbourg-logements-collectifs.vqp"),
         QStringLiteral("Strasbourg : logements collectifs")},
    };
    const auto it = titres.find(fichier);
    return it != titres.end() ? it->second : QFileInfo(fichier).completeBaseName();
}
} // namespace

std::vector<Exemple> ListerExemples() {
    const QDir installation(QString::fromStdString(InstallDir));
    QDir dossier(installation.filePath(QStringLiteral("examples")));
    if (!dossier.exists())
        dossier.setPath(installation.filePath(QStringLiteral("../examples")));
    std::vector<Exemple> exemples;
    const QStringList fichiers =
        dossier.entryList({QStringLiteral("*.vqp")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& f : fichiers)
        exemples.push_back({Titre(f), QDir::cleanPath(dossier.absoluteFilePath(f))});
    return exemples;
}
