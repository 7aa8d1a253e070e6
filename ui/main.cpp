// varquin: the desktop program.

#include "common/Notificateur.h"
#include "ui/Demarrage.h"
#include "ui/NotificateurQt.h"
#include "ui/ProjetFenetre.h"
#include "ui/Raccords.h"
#include "ui/frmMain.h"
#include "ui/frmSplash.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ConfigurerApplication(application);
    NotificateurQt notificateurQt;
    DefinirNotificateur(&notificateurQt);

    // The about box belongs to the main window: centred on it and kept above it, it
    // cannot end up hidden behind it while it holds the program.
    FabriqueProjetsFenetres fabrique;
    frmMain principal(fabrique);
    principal.Montrer();
    frmSplash splash(&principal);
    splash.setWindowModality(Qt::ApplicationModal);
    // The splash takes no clicks while the data load.
    splash.MontrerChargement();
    ChargementDemarrage();
    // No command can run before the person has closed the about box.
    splash.hide();
    splash.setEnabled(true);
    splash.exec();
    principal.setmenu(false);

    const QString projet = ProjetEnArgument(QCoreApplication::arguments());
    if (!projet.isEmpty())
        principal.OuvrirFichier(projet);

    const int code = QApplication::exec();
    DefinirNotificateur(nullptr);
    return code;
}
