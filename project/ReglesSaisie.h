#pragma once
// The table of input rules: every value a person can set, described once — its key
// in the project file and its section, its French label and unit, its bounds or its
// list, where it is kept, which systems use it, and what a change of it triggers.
// The project window's fields, the dialogs, `varquin-cli --set`, the command line's
// help and the check made before every run all read it, so that a value is refused
// with the same words wherever it comes from.

#include "common/Erreurs.h"
#include "engine/EnregistrementCalcul.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsprojet;

// A key that names no input, or a value that does not suit it. The message names
// the field and, for a number, its allowed range.
class ErreurParametre : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

enum class GenreSaisie {
    Nombre,    // one number
    Entier,    // one whole number
    Mois,      // twelve numbers, one per month (or one for every month)
    Points,    // one number per mask point
    Liste,     // an entry of a choice list
    Catalogue, // a model of a catalogue
    Choix,     // a calculation choice: its label, or its code 0, 1, 2
    Texte,     // free text
};

// Where the value is kept.
enum class Stockage {
    Fichier,     // an item of the project file
    Extension,   // the project file's extension section
    Consequence, // not kept itself: the file holds what it decides (system type...)
    Aucun,       // not kept at all: a helper's value (the household needs)
};

// The projects a value counts in; outside them it is neither checked before a run
// nor offered.
enum class Portee {
    Tous,
    ElementsSepares, // collector and tank (not a one-piece water heater)
    ChauffeEau,      // one-piece water heater
    Masque,          // a mask is present
};

// What a change of the value brings with it besides the recalculation.
enum class Declencheur {
    Aucun,
    ElementCapteur,    // the collector is stored as the person's own catalogue entry
    ElementChauffeEau, // the same for the one-piece water heater
    ElementBallon,     // the same for the tank
};

struct Bornes {
    double minimum;
    double maximum;
};

struct RegleSaisie {
    std::string_view section{};
    std::string_view cle{};
    std::string_view libelle{}; // as the window labels the value, unit included
    std::string_view unite{};   // empty when none
    // The decimals the value's field shows (it keeps the value whole); -1 for the
    // usual ones: none for a whole number, two for other numbers.
    int decimales = -1;
    // The section of the project window that shows the value, where the file's section
    // does not say it.
    std::string_view partie{};
    GenreSaisie genre = GenreSaisie::Nombre;
    std::optional<Bornes> bornes{}; // numbers only
    int liste = -1;                 // the choice list (Liste, Catalogue, Choix)
    std::string_view champs{};      // the window's fields for it, blank-separated
    Stockage stockage = Stockage::Fichier;
    Portee portee = Portee::Tous;
    Declencheur declencheur = Declencheur::Aucun;
    // When given, the value is the person's only in the records for which this is
    // true (a computed value whose choice is "Val. forcée"): checked before a run
    // only then.
    std::function<bool(const EnregistrementProjet&)> saisieSi{};
    // The bounds when they depend on the project (the total area: whole collectors).
    std::function<std::optional<Bornes>(const clsprojet&)> bornesDuProjet{};
    // Stores the checked value (its text) through the project's components.
    std::function<void(clsprojet&, const std::string&)> definir{};
    // The value's text as the project holds it (extension values).
    std::function<std::string(const clsprojet&)> lire{};
    // The value(s) in a record, for the check before a run (numbers only).
    std::function<std::vector<float>(const EnregistrementProjet&)> valeurs{};
    // The value written when the person changed nothing (extension values; a
    // catalogue's default is its first model).
    std::string_view defaut{};
    // Puts back a value read from a file, where it differs from `definir` (a model
    // name whose catalogue values the file already holds).
    std::function<void(clsprojet&, const std::string&)> restaurer{};
    // An empty text is accepted and means "follow the data folder's default".
    bool facultative = false;
    // A check of its own, for a value no bound or list describes (a list of aids):
    // the reason of the refusal, or nothing.
    std::function<std::optional<std::string>(const std::string&)> verifier{};
    // What the value may be, in words, where no bound or list says it.
    std::string_view admises{};

    // "Section:cle".
    std::string Nom() const;
};

// The decimals a number's field shows; -1 for what is not a number.
int DecimalesAffichees(const RegleSaisie& regle);
// The section of the project window that shows the value: « Météo », « Besoins »,
// « Système », « Capteurs », « Boucle de captage », « Ballon », « Appoint », « Masque »,
// « Économie », « Dossier ».
std::string PartieFenetre(const RegleSaisie& regle);

// Every rule, in the project file's order, then the values the file does not hold.
const std::vector<RegleSaisie>& ReglesSaisie();

// The rule of a key: "cle" when it is not shared, "Section:cle" otherwise. Where the
// project is given and a key has one rule per kind of system, the one that applies
// to it. Throws ErreurParametre for an unknown or ambiguous key.
const RegleSaisie& TrouverRegle(const std::string& cle, const clsprojet* projet = nullptr);
// The rule a window field edits (for this project, when given); nullptr when the
// field has none.
const RegleSaisie* RegleDuChamp(std::string_view champ, const clsprojet* projet = nullptr);
// True when the rule counts for the project's current system.
bool RegleApplicable(const RegleSaisie& regle, const clsprojet& projet);

// The range sentence of a bounded rule: "Cette valeur doit être comprise entre 0,01 et
// 99" (bounds with a decimal comma).
std::string PhrasePlage(const Bornes& bornes);
// « <label> : <reason> », the form of every refusal.
std::string MessageRefus(const RegleSaisie& regle, const std::string& raison,
                         const std::string& precision = {});

// Checks a value's text against the rule (for this project, when given: some bounds
// depend on it): numbers, bounds, lists and catalogues. Returns the refusal's
// message, or nothing when the value is accepted. `precision`, when given, follows
// the label in the message (a month: « Consommation [l/j] (mars) : ... »).
std::optional<std::string> VerifierValeur(const RegleSaisie& regle, const std::string& valeur,
                                          const clsprojet* projet,
                                          const std::string& precision = {});

// The refusals of the record before a run: every value a rule applying to the record
// bounds that lies outside its bounds, with the month or point concerned, and every
// month whose hot-water temperature does not exceed the cold water's. Empty when the
// record can be calculated.
std::vector<std::string> VerifierEnregistrement(const EnregistrementProjet& enregistrement);

// What a rule accepts, in words: "de 0,01 à 99", "une valeur ou douze, de 1 à 100000",
// "« Sans appoint », « Appoint intégré »", "un modèle du catalogue"...
std::string ValeursAdmises(const RegleSaisie& regle);
// The command line's help: one line per key with its label and what it accepts.
std::string AideRegles();
