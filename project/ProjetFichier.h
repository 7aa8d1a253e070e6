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
#include <vector>

// The extension section follows the last item of the format. It holds what a person
// sets and the format has no item for, as "key TAB value" lines read by key; a reader
// of the format alone stops before it. A project whose extension values are all at
// their defaults is written without it, exactly as before the section existed.
inline constexpr const char* SectionExtension = "Extension VARQUIN";
inline constexpr int VersionExtension = 1;

struct ValeurExtension {
    std::string cle;
    std::string valeur;
    int ligne = 0; // its line in the file read (0 when written)
};
using Extension = std::vector<ValeurExtension>;

// The file's text (UTF-8, CR LF) for the record; `fichier` is written as the path,
// followed by the extension section when `extension` is not empty.
std::string TexteProjet(const EnregistrementProjet& projet, const std::string& fichier,
                        const Extension& extension = {});

// Reads the text of a project file into the record, the file path it holds and its
// extension values. Each line must carry the key its position expects. On any fault
// (an unexpected key, a value of the wrong type, a number too large for its field,
// an array line with too many values, a missing line, a line after the last item
// that is not the extension section) throws ErreurFichier naming `chemin` and the
// line, and changes none of the outputs.
void LireTexteProjet(const std::string& contenu, const std::string& chemin,
                     EnregistrementProjet& projet, std::string& fichier, Extension& extension);

// Writes the text to `chemin` through a temporary file renamed over it, so that a
// failed save leaves the previous file whole. Throws ErreurFichier.
void EcrireFichierProjet(const std::string& chemin, const EnregistrementProjet& projet,
                         const Extension& extension = {});
// Reads the file `chemin` as LireTexteProjet does. Throws ErreurFichier.
void LireFichierProjet(const std::string& chemin, EnregistrementProjet& projet,
                       std::string& fichier, Extension& extension);
