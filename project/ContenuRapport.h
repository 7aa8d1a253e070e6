#pragma once
// What the printed report of a project says, as texts ready to be laid out: the
// project's title, the date line, the client's dossier, the characteristics table (one
// label and one value per line), the results table with its headings and what the
// signature block names. Reading the project is kept apart from drawing the page
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
    std::string projet; // the title and the client, as every page's heading names them
    std::string date;   // "Date : " followed by the short date
    // The dossier's filled values: who the study is for and where, then who made it.
    std::vector<LigneCaracteristique> client, installateur;
    std::vector<LigneCaracteristique> caracteristiques;
    GrilleRapport resultats;
    std::string etabliPar;     // the installer over its contact; empty to write by hand
    std::string dateSignature; // the study's date, or the day's
};

// The project's title: its file's name without folder or extension, or "Nouveau
// projet" while it was never saved (its file is only a proposal then).
std::string TitreProjet(const clsprojet& projet);
// The title, and the client when there is one: what heads every page of the report.
std::string EnTeteProjet(const clsprojet& projet);

// The report of the project as it stands: its record's results as they were last
// computed, whatever the calculation mode, and its components' choices. `dateCourte`
// is the day's date as the program writes it (DateCourteDuJour in PageRapport.h).
ContenuRapport LireContenuRapport(const clsprojet& projet, const std::string& dateCourte);
