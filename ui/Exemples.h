#pragma once
// The example projects installed with the program, which the main window offers to
// open as new projects.

#include <QString>
#include <vector>

struct Exemple {
    QString titre;  // as the menu shows it
    QString chemin; // the installed file, never written to
};

// The folder that holds the examples, "" when none is found (or the data folder is
// not yet known): "examples" inside the data folder (installed package, VARQUIN_DIR,
// the user's copy), else beside it, as in the source tree where the reference data
// folder and the examples sit side by side; for a user's copy, the same places around
// the folder it was copied from.
QString DossierExemples();

// The examples of DossierExemples(), in the order of their file names.
std::vector<Exemple> ListerExemples();
