#pragma once
// Writing an edited user entry (collector, water heater, tank, station) back into the
// reference file its table was read from.

#include "data/modTables.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// In the file of the table (the path held by entry 0), replaces the data line whose
// name - the text after its first "#", trailing spaces removed - equals `nomCourant`
// by a line made of valeurs[1..] and "#" valeurs[0] (the possibly new name). A value
// that reads as a number is written with a decimal point and a leading space when
// not negative; other values are written as they are.
//
// Only that line changes: every other byte of the file stays as it was, its line
// ends included, and the new line is encoded like the file (Windows-1252, or UTF-8
// for a UTF-8 file). When several lines carry the name, the last one - the one the
// table look-up reads - is replaced. The file is written through a temporary file
// renamed over it. When the file's folder cannot be written (an installed, read-only
// data folder), the install folder is first copied to the user's data folder and the
// file is written there (CheminPourEcriture, modCopieUtilisateur.h).
//
// Returns false, leaving the file untouched, when the file is absent or holds no
// entry of that name (a name is never added). Throws ErreurExecution for an empty new
// name, a value holding "#" or a line break, and ErreurFichier when the write fails
// (the file is then unchanged).
bool EnregistrerEntree(const Table& table, const std::string& nomCourant,
                       const std::vector<std::string>& valeurs);

// The line EnregistrerEntree writes for these values (without a line end).
std::string LigneEntree(const std::vector<std::string>& valeurs);

// An entry written on several lines or in several files (a station: one line of
// Ville_Fr, one of Stati_Fr2, five of Stati_Fr) is rewritten in two steps: each file's
// new bytes are prepared first, so that nothing is written when one of them cannot
// be, then all are written together.
struct ReecritureFichier {
    const Table* table = nullptr; // the table whose file this is (entry 0: its path)
    std::string avant;            // the file's bytes now
    std::string apres;            // its bytes once rewritten
};

// For a data line (its Texte and Commentaire as the table reader splits them): the
// lines that replace it (none removes it), or nullopt to keep it.
using RemplacementLigne =
    std::function<std::optional<std::vector<std::string>>(const TableLigne& ligne)>;

// The rewrite of the table's file where every data line (after the two heading lines)
// goes through `remplacer`. The new lines are encoded like the file and end like the
// line they replace. nullopt when the file is absent or no line is replaced.
std::optional<ReecritureFichier> PreparerReecriture(const Table& table,
                                                    const RemplacementLigne& remplacer);

// Writes the rewrites in order, each atomically and where EnregistrerEntree would
// (the user's copy of a read-only install folder). When one fails, the files already
// written get their previous bytes back and the error (ErreurFichier) is thrown.
void EcrireReecritures(const std::vector<ReecritureFichier>& reecritures);
