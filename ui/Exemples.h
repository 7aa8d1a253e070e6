#pragma once
// The example projects installed with the program, which the main window offers to
// open as new projects.

#include <QString>
#include <vector>

struct Exemple {
    QString titre;  // as the menu shows it
    QString chemin; // the installed file, never written to
};

// The folder "examples" of the install folder, or, in a build tree, the one beside the
// reference data folder; the examples it holds, in the order of their file names.
std::vector<Exemple> ListerExemples();
