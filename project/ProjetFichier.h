#pragma once
// The project file (".vqp"): Windows-1252 text, CR LF lines, section headers framed by
// 59 asterisks, "key TAB value" lines, month and point arrays written as values each
// followed by a TAB, numbers with a decimal comma. Reading takes a comma or a point
// and LF-only lines.
//
// Reading is all or nothing: the file is read into a copy of the record and the copy
// replaces the record only when every item was read, so a damaged file leaves the
// open project as it was and says where the damage is.

#include "project/modStructures.h"

#include <string>

// The file's text (UTF-8, CR LF) for the record; `fichier` is written as the path.
std::string TexteProjet(const EnregistrementProjet& projet, const std::string& fichier);

// Reads the text of a project file into the record and the file path. On any fault
// (a value of the wrong type, a number too large for its field, an array line with
// too many values, a missing line) throws ErreurFichier naming `chemin` and the line,
// and changes neither `projet` nor `fichier`.
void LireTexteProjet(const std::string& contenu, const std::string& chemin,
                     EnregistrementProjet& projet, std::string& fichier);

// Writes the record to `chemin` through a temporary file renamed over it, so that a
// failed save leaves the previous file whole. Throws ErreurFichier.
void EcrireFichierProjet(const std::string& chemin, const EnregistrementProjet& projet);
// Reads the file `chemin` as LireTexteProjet does. Throws ErreurFichier.
void LireFichierProjet(const std::string& chemin, EnregistrementProjet& projet,
                       std::string& fichier);
