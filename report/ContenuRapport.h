#pragma once
// What the printed report of a project says, as texts ready to be laid out: the date
// line, the characteristics table (one label and one value per line) and the results
// table with its headings. Reading the project is kept apart from drawing the page
// so that both the page and its wording can be checked on their own.

#include <array>
#include <string>
#include <vector>

class clsprojet;

struct LigneCaracteristique {
    std::string libelle; // with its trailing blank; empty for the water heater's options
    std::string valeur;
};

// The results table: row 0 holds the headings (an empty corner, the abbreviated month
// names, "Annuel"), rows 1 to 4 the coverage, needs, productivity and productivity
// per m², with the row heading in column 0.
using GrilleRapport = std::array<std::array<std::string, 14>, 5>;

struct ContenuRapport {
    std::string date; // "Date : " followed by the short date
    std::vector<LigneCaracteristique> caracteristiques;
    GrilleRapport resultats;
};

// The report of the project as it stands: its record's results as they were last
// computed, whatever the calculation mode, and its components' choices. `dateCourte`
// is the day's date as the program writes it (DateCourteDuJour in PageRapport.h).
ContenuRapport LireContenuRapport(const clsprojet& projet, const std::string& dateCourte);
