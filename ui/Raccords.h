#pragma once
// The few core routines and program-wide values the desktop program needs from the
// start-up sequence and the choice lists. They are reached only through these
// functions, so that connecting the program to them is a change in Raccords.cpp
// alone.

#include <string>
#include <vector>

// The start-up load: install folder, numbered messages, reference tables and choice
// lists, and the free first project record (start-up steps 4 to 10). Failures inside
// are the load's own business; it never throws.
void ChargementDemarrage();

// The entries 0, 1, ... of choice list k of the program's label table (the list ends
// at its first empty entry; later entries may be returned and are ignored).
std::vector<std::string> ListeDeChoix(int k);

// The calculation mode `CalculAuto`: true = automatic (the start-up value), false =
// on demand. Changed only by the options dialog.
bool ModeCalculAuto();
void DefinirModeCalculAuto(bool automatique);
