#pragma once
// The grid of a sizing study: the collector counts (of the project's collector) and
// the tanks (of the tank catalogue, by volume) over which a collector-and-tank
// project is calculated, always with the project's own count and its own tank, even
// when that tank is a value of the person's that the catalogue does not hold.

#include "engine/EnregistrementCalcul.h"

#include <string>
#include <vector>

// A tank of the grid: a catalogue entry, or the project's own as its record holds it.
struct BallonBalayage {
    std::string nom;
    float Vn = 0, Vs = 0, cr = 0;
    bool projet = false; // the project's own tank, left as it is
};

struct GrilleBalayage {
    std::vector<int> nombres;            // collector counts, ascending
    std::vector<BallonBalayage> ballons; // by volume
};

// The counts from `debut` to `fin` every `pas`, and the project's own. Throws
// ErreurParametre for a one-piece water heater, and with the collector count's input
// rule message when an end is refused by it.
std::vector<int> NombresBalayage(const EnregistrementCalcul& c, int debut, int fin, int pas = 1);

// The catalogue tanks whose volume lies from `vnMin` to `vnMax`, one per volume and,
// when `pas` > 0, at most one per step of `pas` litres counted from `vnMin`; the
// project's own tank always, in place of the one of its volume or step. Throws
// ErreurParametre for a one-piece water heater, and with the Vn input rule's message
// when an end is refused by it.
std::vector<BallonBalayage> BallonsBalayage(const EnregistrementCalcul& c, double vnMin,
                                            double vnMax, double pas = 0);

// The grid the sizing charts show: counts from 1 to about twice the project's (at
// most some thirty of them), and three to five tanks of distinct volumes around the
// project's own.
GrilleBalayage GrilleAutourDuProjet(const EnregistrementCalcul& c);

// Refuses the grid, with the input rules' messages, when the project is a one-piece
// water heater or a count or a tank holds a value a person could not enter.
void VerifierGrille(const EnregistrementCalcul& c, const GrilleBalayage& grille);

// The grid with the project's own count and tank, each in its place.
GrilleBalayage AvecPointProjet(const EnregistrementCalcul& c, GrilleBalayage grille);
