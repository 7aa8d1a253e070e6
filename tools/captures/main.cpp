// varquin_captures: screenshots of the windows and dialogs, on a scratch copy of the
// reference data folder, for a person to look at the layout.
//
//     varquin_captures [output folder]      (default: captures)

#include "Captures.h"
#include "project/modStructures.h"
#include "startup/Modgeneral.h"
#include "ui/Demarrage.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    // No display is needed: the windows are drawn offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The person's own settings and data are never touched.
    QTemporaryDir reglages, donnees;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    ConfigurerApplication(application);
    std::filesystem::copy(VARQUIN_REFERENCE_DIR, donnees.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    // With the examples, as an installed data folder holds them.
    std::filesystem::copy(VARQUIN_REFERENCE_DIR "/../examples",
                          donnees.path().toStdString() + "/examples");
    if (!ChargementInitial(donnees.path().toStdString()))
        return 1;
    InitialiserProjets();

    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures");
    if (!QDir().mkpath(sortie)) {
        std::cerr << "Impossible de créer le dossier " << sortie.toStdString() << '\n';
        return 1;
    }
    const bool fait =
        CapturerFenetres(sortie) && CapturerDialogues(sortie, donnees.path().toStdString());
    std::cout << (fait ? "Captures écrites dans " : "Captures incomplètes dans ")
              << QDir(sortie).absolutePath().toStdString() << '\n';
    return fait ? 0 : 1;
}
