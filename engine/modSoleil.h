#pragma once
// The solar data files of the Soleil folder, parsed by the text routines of the data
// module and kept between runs while the files on disk are unchanged. The numbers are
// converted once; a token that is not a number keeps the conversion message it gave,
// and the stage shows it again on every run that uses the token, as a fresh read of
// the file would.

#include "common/CacheFichiers.h"
#include "engine/EnregistrementCalcul.h"
#include "engine/RapportCalcul.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// Twelve monthly values of one line, with the conversion messages of the tokens that
// were not numbers (month, text), the number of the line in its file and how many of
// the twelve values it held (a missing one reads as 0, without a message).
struct ValeursLues {
    TableauMois valeurs{};
    std::vector<std::pair<int, std::string>> conversions;
    int ligne = 0;
    int presentes = 0;
};

// The first line of a monthly series file.
struct SerieSoleil {
    bool premiereLigneVide = true;
    ValeursLues ligne;
};

// One G_ file: rows 1..18 of block A (orientation 0°) and block B (orientation 45°);
// row 0 is never filled.
struct FichierG {
    std::array<std::array<ValeursLues, 19>, 2> blocs;
};

// The nine rows of MatAlpha, latitude 60°, 45°, 0° by tilt 0°, 45°, 90°.
struct MatriceAlpha {
    std::array<std::array<ValeursLues, 3>, 3> rangees;
};

// The path of a file of the Soleil folder ("Cs.Don"), as CheminInstall gives it,
// checked on disk with a single look-up when the name's case is right.
struct FichierSoleil {
    std::string chemin;
    SignatureFichier signature;
};
FichierSoleil TrouverFichierSoleil(const std::string& nom);

// Parsed files, nullptr when the file does not exist; ErreurFichier when it exists
// but cannot be read.
const SerieSoleil* LireSerieSoleil(const FichierSoleil& fichier);
const FichierG* LireFichierG(const FichierSoleil& fichier);
const MatriceAlpha* LireMatriceAlpha(const FichierSoleil& fichier);

// Shows again the conversion messages of a line (all months, or month m only).
void MontrerConversions(const ValeursLues& ligne, RapportCalcul& rapport);
void MontrerConversion(const ValeursLues& ligne, int m, RapportCalcul& rapport);

// How many Soleil files were parsed since the program started (a look-up answered
// from the kept contents parses nothing).
long AnalysesSoleil();

// Parsers of a file's text (CR LF lines), used by the cache.
SerieSoleil AnalyserSerieSoleil(const std::string& contenu);
FichierG AnalyserFichierG(const std::string& contenu);
MatriceAlpha AnalyserMatriceAlpha(const std::string& contenu);
