#pragma once
// The calculation run of a project (clsprojet::SimulerORIN) and the "&Calculer"
// command (clsprojet::Calculer).
//
// SimulerORIN(afficher): nothing while CalculPermis is off; otherwise, with the busy
// cursor on, the components are copied into the record, the record's inputs are
// checked against the table of input rules, the system parameters are computed and,
// in automatic mode, the monthly data and the balance; the record is copied back into
// the components, the window is given the run's report and, when asked, redisplays
// the project. An input outside its rule stops the run before its stages: the report
// names the field and its range, and the project's results are not shown as
// calculated.

#include "project/clsprojet.h"

// Why a run whose inputs are outside their rules stops before its stages.
inline constexpr const char* RefusEntrees = "Le projet ne peut pas être calculé avec ces valeurs.";

// Runs the active project as "&Calculer" does. An empty report when no project is
// active.
RapportCalcul CalculerProjetActif();
