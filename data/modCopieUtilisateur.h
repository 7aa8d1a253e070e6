#pragma once
// The user's copy of the reference data folder. Installed under /usr, the install
// folder cannot be rewritten by the person, yet user entries (collectors, water
// heaters, tanks and stations whose names end with "*") are saved into its files. The
// first time such a save meets a folder that cannot be written, the whole install
// folder is copied once into the user's data folder, InstallDir switches to the copy
// and the save goes there; later starts find the copy first (see Modgeneral.h).

#include <string>

// $XDG_DATA_HOME/varquin, else $HOME/.local/share/varquin; "" when neither variable
// is set.
std::string DossierCopieUtilisateur();

// The folder from which the user's copy was made (recorded in the copy), "" when
// there is no copy or it does not say.
std::string OrigineCopieUtilisateur();

// The user's copy when it exists and was made from `dossier` (the same folder,
// whatever the spelling of its path), else `dossier`.
std::string SuivreCopieUtilisateur(const std::string& dossier);

// True when a file can be created in the folder: the access rights allow it and a
// probe file can actually be created there (a read-only mount, an ACL).
bool DossierInscriptible(const std::string& dossier);

// The path to write for the reference file `chemin` (a path under InstallDir). When
// its folder can be written, `chemin` itself. Otherwise the install folder is first
// copied to the user's copy (once; an existing copy made from this folder is
// reused), InstallDir becomes the copy, the file paths held by the loaded tables
// follow it, a notice for the person is kept for AvisCopieUtilisateur, and the
// matching path in the copy is returned. A file outside InstallDir is returned as it
// is. Throws ErreurFichier when the copy cannot be made (nothing is then changed and
// no partial copy is left).
std::string CheminPourEcriture(const std::string& chemin);

// The notice of the copy just made ("Les données de référence ont été copiées dans
// ... pour enregistrer vos entrées."), once: it is cleared by this call. "" when no
// copy was made since the last call. The desktop program shows it in its status bar.
std::string AvisCopieUtilisateur();

// Test hook: the folder `dossier` and everything below it count as not writable, as
// for a person without write access (the tests run as root, whom permission bits do
// not stop). "" (the default) disables it.
void SimulerDossierLectureSeule(const std::string& dossier);
