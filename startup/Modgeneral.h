#pragma once
// Program start: the process-wide defaults, the install folder and the loading of the
// messages, the reference data and the choice lists.

#include <string>

// Separator between a key and its values in project files: one TAB.
// Set once at start-up, never changed.
extern std::string Separateur;

// The install folder when the configuration gives none, in this order: $VARQUIN_DIR;
// the user's copy $XDG_DATA_HOME/varquin (default ~/.local/share/varquin) when it
// exists; ../share/varquin beside the executable when it exists; the reference data
// folder of the source tree.
std::string InstallDirParDefaut();

// The install folder: the configured OrinDir (see ModRegistry.h), else the default;
// in either case the user's copy instead when it was made from that folder (the
// folder was read-only when a user entry was saved, see modCopieUtilisateur.h), so
// that the person's entries are found again at the next start.
std::string TrouverInstallDir();

// The loading steps of the program's start that need no window: the calculation mode, the
// separator, InstallDir (`dossierDonnees` when not empty, else TrouverInstallDir),
// the messages, the reference data and the choice lists. Each step runs even when
// an earlier one failed; the error of a failed step is shown once through the
// notifier with the application's title, so that a broken data folder is seen. When
// every step succeeded, the folder is checked (VerificationDonnees.h) and its faults
// are shown in one message. The busy cursor is on during the load and off after it.
// Returns true when every step succeeded and the folder can be used to calculate.
bool ChargementInitial(const std::string& dossierDonnees = {});
