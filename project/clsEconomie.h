#pragma once
// What the person says about the money side of the study: the heating the solar
// system relieves, the investment and its aids, the upkeep and the horizon of the
// reckoning. It sits beside the sizing inputs and never changes them.

#include "common/Erreurs.h"

#include <optional>
#include <string>
#include <vector>

// One aid deducted from the investment, as the person entered it.
struct Aide {
    std::string libelle; // may be empty
    double montant = 0;  // [€]
    bool operator==(const Aide&) const = default;
};

// The economic inputs of a project. A value left unset takes the data folder's
// default (the energy's row of Systeme\Energies.TXT, the system type's row of
// Systeme\CoutsSolaires.TXT), so that a project whose inputs are all at their
// defaults follows the tables when they are brought up to date.
struct clsEconomie {
    std::string Energie = "Électricité (effet Joule)"; // a name of the energy table
    std::optional<double> Rendement;                   // η of the heating replaced [-]
    std::optional<double> Prix;                        // [€/kWh]
    std::optional<double> FacteurCO2;                  // [kg/kWh]
    double HaussePrix = 0;                             // yearly rise of the price [%]
    std::optional<double> Investissement;              // installed cost [€]
    std::vector<Aide> Aides;
    double Maintenance = 0;         // yearly upkeep [€/an]
    int DureeVie = 20;              // [ans]
    double TauxActualisation = 3;   // [%]
    double SeuilProductivite = 350; // productivity per m² the file must reach [kWh/(m².an)]

    bool operator==(const clsEconomie&) const = default;
    // True while every value is still at its default.
    bool ParDefaut() const { return *this == clsEconomie{}; }
    double TotalAides() const;
};

// The accepted range of one economic input, with its label and unit as the window
// shows them. An exclusive bound excludes its own value (an efficiency of 0).
struct BorneEconomie {
    const char* cle;     // the input's name, as in clsEconomie
    const char* libelle; // French label, with its unit
    double minimum, maximum;
    bool minimumExclu;
};

// The range of a numeric input, from the table of input rules (key "Économie:<cle>").
const BorneEconomie& Borne(const std::string& cle);

// The refusal of an economic input: the message names the field.
class ErreurEconomie : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

// Throws ErreurEconomie when `valeur` is outside the range of the input `cle`.
void VerifierValeur(const std::string& cle, double valeur);
// Every value set checked against its range, and the aids against the investment
// when it is given. Throws ErreurEconomie on the first refused value.
void VerifierEconomie(const clsEconomie& e);
