#include "project/modBalayage.h"

#include "engine/modCalculBilan.h"
#include "engine/modCalculORIN.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "project/modSimulation.h"

#include <algorithm>
#include <cmath>

namespace {
// The area of `nombre` collectors, as the collector component computes it; the
// project's own count keeps the project's own area.
float Surface(const EnregistrementCalcul& c, int nombre) {
    return nombre == c.Nb_Capteurs ? c.a : static_cast<float>(static_cast<double>(nombre) * c.Ac);
}

// The record of one point: the project's, with the count and the tank of the point.
void DefinirPoint(EnregistrementCalcul& c, int nombre, const BallonBalayage& ballon) {
    c.a = Surface(c, nombre);
    c.Nb_Capteurs = static_cast<int16_t>(nombre);
    if (!ballon.projet) {
        c.Type_ballon = ballon.nom;
        c.Vn = ballon.Vn;
        c.Vs = ballon.Vs;
        c.cr = ballon.cr;
    }
}

void LireResultats(const EnregistrementCalcul& c, PointBalayage& p) {
    p.Fecs_an = c.Fecs_an;
    p.Productivite_an = c.Productivite_an;
    p.Productivite_par_m2 = c.Productivite_par_m2;
    p.Fecs = c.Fecs;
    for (int m = 1; m <= 12; ++m) {
        const float f = c.Fecs[static_cast<std::size_t>(m)];
        if (!std::isfinite(f))
            continue;
        p.FecsMax = std::max(p.FecsMax, f);
        p.moisSurchauffe += f >= SeuilSurchauffe ? 1 : 0;
    }
}

// One point: the system parameters, then (the monthly data already in the record,
// their messages between, as a run orders them) the balance.
void CalculerPoint(const EnregistrementCalcul& mensuel, const RapportCalcul& rapportMensuel,
                   const BallonBalayage& ballon, PointBalayage& p, RapportCalcul& rapport) {
    EnregistrementCalcul c = mensuel;
    DefinirPoint(c, p.nombre, ballon);
    const char* etape = "CalculerParametresSysteme";
    try {
        CalculerParametresSysteme(c, rapport);
        rapport.Ajouter(rapportMensuel);
        if (rapport.Complet()) {
            etape = "CalculerBilanMensuel";
            CalculerBilanMensuel(c, rapport);
        }
    } catch (const ErreurExecution& erreur) {
        rapport.Interrompre(etape, erreur.what());
    }
    p.calcule = rapport.Complet();
    p.cause = rapport.Cause();
    LireResultats(c, p);
}

// The checked grid with the project's point, and its points before any calculation.
Balayage Preparer(const EnregistrementCalcul& c, const GrilleBalayage& grille) {
    VerifierGrille(c, grille);
    Balayage b{AvecPointProjet(c, grille), {}, 0, {}};
    const auto& ballons = b.grille.ballons;
    b.points.reserve(b.grille.nombres.size() * ballons.size());
    for (const int nombre : b.grille.nombres) {
        for (std::size_t j = 0; j < ballons.size(); ++j) {
            if (nombre == c.Nb_Capteurs && ballons[j].projet)
                b.projet = b.points.size();
            PointBalayage& p = b.points.emplace_back();
            p.nombre = nombre;
            p.surface = Surface(c, nombre);
            p.ballon = j;
        }
    }
    return b;
}
} // namespace

Balayage Balayer(const EnregistrementProjet& depart, const GrilleBalayage& grille) {
    Balayage b = Preparer(depart.Calcul, grille);
    // Site, orientation, tilt and mask: once for every point.
    EnregistrementProjet mensuel = depart;
    RapportCalcul rapportMensuel;
    try {
        CalculerDonneesMensuelles(mensuel.Calcul, mensuel.Entrees, rapportMensuel);
    } catch (const ErreurExecution& erreur) {
        rapportMensuel.Interrompre("CalculerDonneesMensuelles", erreur.what());
    }
    for (std::size_t i = 0; i < b.points.size(); ++i) {
        PointBalayage& p = b.points[i];
        RapportCalcul rapport;
        CalculerPoint(mensuel.Calcul, rapportMensuel, b.grille.ballons[p.ballon], p, rapport);
        if (i == b.projet)
            b.rapportProjet = std::move(rapport);
    }
    return b;
}

Balayage Balayer(const clsprojet& projet, const GrilleBalayage& grille) {
    if (!projet.Actif())
        throw ErreurParametre("Aucun projet n'est ouvert.");
    const EnregistrementProjet depart = projet.EnregistrementAvantCalcul();
    const std::vector<std::string> refus = VerifierEnregistrement(depart);
    if (refus.empty())
        return Balayer(depart, grille);
    // Refused as the project's own run refuses it: nothing is calculated.
    Balayage b = Preparer(depart.Calcul, grille);
    for (const std::string& r : refus)
        b.rapportProjet.Direct(r);
    b.rapportProjet.Interrompre("VerifierEntrees", RefusEntrees);
    for (PointBalayage& p : b.points)
        p.cause = RefusEntrees;
    return b;
}
