#pragma once
// A project file opened and set as the command line and the web page take it: a new
// project ("&Nouveau"), the file read into it ("&Ouvrir"), then settings "CLÉ=VALEUR"
// applied in order, each as a change made in the window. What is refused is said in
// French and stops there; the calculation itself is the lifecycle's.

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class clsprojet;

struct OuvertureProjet {
    enum class Issue {
        Ouvert,        // opened, and every setting applied
        FichierRefuse, // the file could not be read: the project is a new one
        ReglageRefuse, // a setting was refused: those before it stay applied
    };
    Issue issue = Issue::Ouvert;
    std::string refus; // why, when refused
    bool Ouvert() const { return issue == Issue::Ouvert; }
};

// The settings applied in order (clsprojet::Modifier: checked against their rule,
// stored, recalculated). Stops at the first one refused and returns « KEY=VALUE »
// refusé. <the rule's message>; empty when every one was applied.
std::string AppliquerReglages(clsprojet& projet, const std::vector<std::string>& reglages);

// A new project, `lire` reading the file into it (clsprojet::Ouvrir or OuvrirOctets,
// which throw ErreurExecution for a file they refuse), then the settings.
OuvertureProjet OuvrirProjet(clsprojet& projet, const std::function<void(clsprojet&)>& lire,
                             const std::vector<std::string>& reglages);

// The text of a value as the project holds it now, as `Modifier` takes it back: a
// monthly series or mask points separated by ";", numbers with a decimal comma; empty
// for a value the project does not keep. Throws ErreurParametre for an unknown key.
std::string ValeurReglage(const clsprojet& projet, const std::string& cle);
// Every value at once, by rule name ("Section:cle"), in the table's order: the project's
// file text is written once for all of them.
std::vector<std::pair<std::string, std::string>> ValeursReglages(const clsprojet& projet);
// The choices of a list, calculation-choice or catalogue value in the project's
// present state (the departments of its country, the stations of its department, the
// catalogue's models); empty for other values. Throws ErreurParametre.
std::vector<std::string> ChoixReglage(const clsprojet& projet, const std::string& cle);
// Every value's choices at once, by rule name, for the values that have some now: a key
// with one rule per kind of system gets the choices of the one for the project.
std::vector<std::pair<std::string, std::vector<std::string>>>
ChoixReglages(const clsprojet& projet);

// A commune found by the search chosen as the site: the country and department it
// belongs to, the station chosen among those proposed for it, and its name as the
// dossier's commune. Returns the first refusal's message, or empty.
std::string ChoisirCommune(clsprojet& projet, const std::string& departement,
                           const std::string& station, const std::string& commune);

struct FoyerBesoins;
// The household's monthly consumptions [l/j] at the project's hot-water temperatures,
// with the cold water of its station. Throws ErreurExecution as ConsommationsFoyer.
std::array<float, 13> ConsommationsDuFoyer(const clsprojet& projet, const FoyerBesoins& foyer);
