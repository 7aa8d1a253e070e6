#pragma once
// What the desktop suites share: a project factory whose projects record the commands they receive,
// and the set-up that keeps the suites away from the person's own settings.

#include "tests/support/NotificateurEnregistreur.h"
#include "ui/ProjetUI.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The commands received by every project of a factory, in order, as "n:Commande" or
// "n:Commande chemin" where n is the project's creation number (from 1).
class FabriqueEnregistreuse : public FabriqueProjets {
public:
    std::unique_ptr<ProjetUI> NouveauProjet() override;

    QStringList journal;
    int crees = 0;
    int detruits = 0;
};

// Settings go to a scratch folder; the application gets the program's style and font.
void PreparerEnvironnementTest();

// The reference data folder of the source tree loaded as at start-up, or another
// folder (a copy) when given. Fails the test when the load reports a fault.
void ChargerDonneesReference(const QString& dossier = QString());
// A copy of the reference data folder inside `destination`, for the tests that write
// into the data (user entries); returns the copy's path.
QString CopierReference(const QString& destination);

// Gives the field the focus, replaces its text by typing `texte` key by key and, when
// asked, presses Enter.
void Saisir(QWidget* champ, const QString& texte, bool entree = true);

// Picks the entry `texte` with the mouse in the choice popup about to open (Escape
// when the popup has no such entry, or `texte` is empty). Set it up before the click
// that opens the popup; `vus` receives the entries the popup offered.
void ChoisirDansLePopup(const QString& texte, QStringList* vus = nullptr);

// Runs `action` on the next pass of the event loop, for closing a modal window that
// the test is about to open.
void PlusTard(std::function<void()> action, int delaiMs = 0);
