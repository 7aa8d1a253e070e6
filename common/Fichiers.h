#pragma once
// Reading and writing the system's text files. Files are Windows-1252 with CR LF line
// ends; readers also take LF-only lines and UTF-8. Writers always write Windows-1252
// with CR LF, through a temporary file renamed over the target so that a failed write
// never destroys the previous file.

#include <string>

// The whole file decoded to UTF-8, every line end turned into CR LF.
// Throws ErreurFichier when the file cannot be opened or read.
std::string LireFichierTexte(const std::string& chemin);

// Writes the UTF-8 text as Windows-1252; every line end becomes CR LF.
// Throws ErreurFichier on any failure; the previous file is then unchanged.
void EcrireFichierTexte(const std::string& chemin, const std::string& texte);

// Writes raw bytes atomically (temporary file, flush, rename). Throws ErreurFichier.
void EcrireFichierAtomique(const std::string& chemin, const std::string& octets);

// CR LF for every line end (CR LF, lone LF or lone CR).
std::string NormaliserFinsDeLigne(const std::string& texte);

// Test hook: when set, EcrireFichierAtomique fails after writing this many bytes of
// the temporary file, as a full disk would. -1 (the default) disables it.
void SimulerEchecEcriture(long octetsAvantEchec);
