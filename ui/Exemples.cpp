#include "ui/Exemples.h"

#include "common/Chemins.h"
#include "data/modCopieUtilisateur.h"

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

const QStringList FiltreExemples = {QStringLiteral("*.vqp")};

bool AExemples(const QDir& dossier) {
    return dossier.exists() && !dossier.entryList(FiltreExemples, QDir::Files).isEmpty();
}
} // namespace

QString DossierExemples() {
    // An empty data folder would be read as the working folder, which is anyone's.
    QStringList donnees;
    if (!InstallDir.empty())
        donnees << QString::fromStdString(InstallDir);
    const std::string origine = OrigineCopieUtilisateur();
    if (!origine.empty())
        donnees << QString::fromStdString(origine);
    for (const QString& d : donnees) {
        for (const QString& relatif : {QStringLiteral("examples"), QStringLiteral("../examples")}) {
            const QDir dossier(QDir(d).filePath(relatif));
            if (AExemples(dossier))
                return QDir::cleanPath(dossier.absolutePath());
        }
    }
    return {};
}

std::vector<Exemple> ListerExemples() {
    std::vector<Exemple> exemples;
    const QString chemin = DossierExemples();
    if (chemin.isEmpty())
        return exemples;
    const QDir dossier(chemin);
    const QStringList fichiers =
        dossier.entryList(FiltreExemples, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& f : fichiers)
        exemples.push_back({Titre(f), dossier.absoluteFilePath(f)});
    return exemples;
}
