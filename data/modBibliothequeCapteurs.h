#pragma once
// The person's library of certified collectors: one CSV file beside the collector
// catalogue, Systeme/Capteurs/CapteursCertifies.csv of the data folder; when the
// install folder cannot be written, the first import copies it to the user's copy,
// as saving a user entry does (modCopieUtilisateur.h). The library keeps the
// datasheets; the catalogue entries made from them are the person's own collectors,
// with the values derived as FicheCapteur.h says.
//
// French convention: ";" between values, decimal commas (points are read too), a
// value holding ";" between double quotes. The first line names the columns, in any
// order and any case; other columns are ignored:
//   nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture
// type is "plan" or "tubes"; eta0_hem may be left empty on a line that gives eta0_b
// and kd. A file whose first line holds no ";" is read with "," (or tabs) between
// values and decimal points, as exported by English spreadsheets.

#include "data/FicheCapteur.h"

#include <string>
#include <vector>

inline constexpr const char* BibliothequeCapteurs = "\\Systeme\\Capteurs\\CapteursCertifies.csv";

// The datasheets of a CSV text, every line checked. Throws ErreurExecution naming
// the first bad value by line and column: "Ligne 4, colonne 6 (« a1 »). Valeur
// refusée : ...", or the column missing from the first line.
std::vector<FicheCapteur> LireCsvCapteurs(const std::string& texte);
// The library file's text for these datasheets (every column, the order above).
std::string EcrireCsvCapteurs(const std::vector<FicheCapteur>& fiches);

// The library of the data folder in use; empty when it has none. Throws
// ErreurExecution naming the file when it cannot be read or holds a bad value.
std::vector<FicheCapteur> LireBibliothequeCapteurs();

// Reads the CSV file the person chose and, when every line is good, adds its
// datasheets to the library (one of the same name is replaced) and writes it
// (Windows-1252, CR LF, through a temporary file). Otherwise throws ErreurExecution
// naming the file, line and column, and nothing changes. Returns the number read.
std::size_t ImporterCapteurs(const std::string& cheminCsv);
