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

    // The splash takes no clicks while the data load.
    frmSplash splash;
    splash.MontrerChargement();
    ChargementDemarrage();

    FabriqueProjetsFenetres fabrique;
    frmMain principal(fabrique);
    principal.setEnabled(false);
    principal.show();
    QCoreApplication::processEvents();
    // No command can run before the person has closed the about box.
    splash.hide();
    splash.setEnabled(true);
    splash.exec();
    principal.setEnabled(true);
    principal.setmenu(false);

    const QString projet = ProjetEnArgument(QCoreApplication::arguments());
    if (!projet.isEmpty())
        principal.OuvrirFichier(projet);

    const int code = QApplication::exec();
    DefinirNotificateur(nullptr);
    return code;
}
