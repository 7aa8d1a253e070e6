#pragma once
// The calculation run of a project and the "&Calculer" command.
//
// clsprojet::SimulerORIN(afficher): nothing while CalculPermis is off; otherwise,
// with the busy cursor on, the components are copied into the record, the system
// parameters, the monthly data and the balance are computed on it (the monthly
// stages only while CalculAuto is on), the record is copied back into the components
// and, when asked, the window redisplays the project. The busy cursor is restored and
// the table of open projects released whatever happens; a stage that fails ends the
// calculation with its message and the copy back still runs.

// Runs the active project with automatic calculation on for the length of the run,
// then puts the mode back. Does nothing and returns false when no project is active;
// otherwise returns what the run returns.
bool CalculerProjetActif();

// True while a run holds the table of open projects (no project may be created).
bool TableProjetsTenue();
