#pragma once
// The sizing study: a collector-and-tank project calculated over a grid of collector
// counts and tanks, beside the method, whose results for the project itself it never
// changes. The weather and collector-plane stages depend only on the site, the
// orientation, the tilt and the mask, so they run once per study; each point runs the
// system parameters and the monthly balance on a copy of that record, with its count
// and its tank, keeping the project's calculation choices. The project's own point is
// the project's own run, value for value.

#include "engine/RapportCalcul.h"
#include "project/GrilleBalayage.h"

#include <cstddef>
#include <string>
#include <vector>

class clsprojet;

// A monthly coverage from which summer stagnation of the collectors is likely [%].
inline constexpr float SeuilSurchauffe = 90;

struct PointBalayage {
    int nombre = 0;                // collectors
    float surface = 0;             // `a` [m²]
    std::size_t ballon = 0;        // in the grid's tanks
    bool calcule = false;          // the run went through every stage
    std::string cause;             // why not, when it did not
    float Fecs_an = 0;             // [%]
    float Productivite_an = 0;     // [kWh]
    float Productivite_par_m2 = 0; // [kWh/m²]
    TableauMois Fecs{};            // [%]
    int moisSurchauffe = 0;        // months at or above SeuilSurchauffe
    float FecsMax = 0;             // the highest monthly coverage [%]
};

struct Balayage {
    GrilleBalayage grille;
    // Count by count, the tanks in the grid's order within each count.
    std::vector<PointBalayage> points;
    std::size_t projet = 0; // the project's own point
    // That point's run as the project's own run reports it, message for message.
    RapportCalcul rapportProjet;

    const PointBalayage& Point(std::size_t nombre, std::size_t ballon) const {
        return points[nombre * grille.ballons.size() + ballon];
    }
};

// The study on a record as a run starts from it (the project's components copied into
// it). The grid is checked first (VerifierGrille: ErreurParametre) and completed with
// the project's own point.
Balayage Balayer(const EnregistrementProjet& depart, const GrilleBalayage& grille);
// The same on an open project, its inputs first checked as before any run (the
// refusals in one ErreurParametre). The project is not changed.
Balayage Balayer(const clsprojet& projet, const GrilleBalayage& grille);
