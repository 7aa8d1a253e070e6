#pragma once
// Paths of the reference data. The method writes them as InstallDir followed by a
// path that begins with "\"; here they are joined with "/", and a file whose name
// differs only in case (data folders copied from Windows) is still found.

#include <string>

// The install folder: the reference data folder in use. A mutable global on purpose:
// found once at start-up and shared by every project; it changes only when the
// person's own copy of the data folder is made (modCopieUtilisateur).
extern std::string InstallDir;

// InstallDir + relatif ("\Pays\Pays.TXT"), with "/" separators and the case of the
// folder's actual entries when exactly one entry matches without regard to case.
std::string CheminInstall(const std::string& relatif);

// The path with "\" turned into "/" and each component looked up without regard to
// case when the exact name does not exist (a single match is taken).
std::string ResoudreChemin(const std::string& chemin);
