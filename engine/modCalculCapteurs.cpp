#include "engine/modCalculCapteurs.h"

#include "common/Erreurs.h"
#include "engine/modCalcul.h"

#include <cmath>

namespace {
double Radians(double degres) {
    return degres * Pi() / 180;
}
double Degres(double radians) {
    return radians * 180 / Pi();
}
// Sgn of the method: −1, 0 or 1.
double Signe(double x) {
    return (x > 0) - (x < 0);
}
// Int of the method: rounding towards minus infinity, to a 16-bit integer.
int16_t Ent16(double x) {
    return static_cast<int16_t>(std::floor(x));
}

// The plane seen as a horizontal surface at latitude φ' whose hour angles are shifted
// by Δ (radians).
struct SurfaceEquivalente {
    double phi = 0;
    double delta = 0;
};

SurfaceEquivalente Equivalente(const GeometrieCapteur& g) {
    const double phi = Radians(g.latitude);
    const double beta = Radians(g.inclinaison);
    const double gamma = Radians(g.orientation);
    SurfaceEquivalente s;
    s.phi = ArcSin(static_cast<float>(std::sin(phi) * std::cos(beta) -
                                      std::cos(phi) * std::sin(beta) * std::cos(gamma)));
    const double cosPhiP = std::cos(s.phi);
    const double cosDelta =
        (g.orientation == 0 || g.inclinaison == 0)
            ? 1.0
            : (std::cos(phi) * std::cos(beta) + std::sin(phi) * std::sin(beta) * std::cos(gamma)) /
                  cosPhiP;
    const float sinDelta = static_cast<float>(std::sin(beta) * std::sin(gamma) / cosPhiP);
    const float somme = g.inclinaison + g.latitude;
    const float difference = g.latitude - g.inclinaison;
    if (somme == 90 || difference == -90)
        s.delta = 0;
    else if (cosDelta >= 0)
        s.delta = ArcSin(sinDelta);
    else
        s.delta = Signe(sinDelta) * Pi() - ArcSin(sinDelta);
    return s;
}

// ωs (1 + 2 cos² ωs) − 1.5 sin 2ωs: the day's integral of the beam weighting.
double IntegraleJour(double omegaS) {
    const double c = std::cos(omegaS);
    return omegaS * (1 + 2 * c * c) - 1.5 * std::sin(2 * omegaS);
}

// Closed-form beam ratio of one interval [a, b] without mask.
double RatioSansMasque(const SurfaceEquivalente& s, double phi, double delta, double omegaS,
                       double a, double b) {
    const double D = s.delta;
    const double tanDelta = std::tan(delta);
    const double sinP = std::sin(s.phi);
    const double cosP = std::cos(s.phi);
    const double cosW = std::cos(omegaS);
    const double N = (0.5 * std::cos(D) * cosP - cosW * tanDelta * sinP) * (b - a) +
                     sinP * tanDelta * (std::sin(b) - std::sin(a)) -
                     cosP * cosW * (std::sin(b - D) - std::sin(a - D)) +
                     0.25 * cosP * (std::sin(2 * b - D) - std::sin(2 * a - D));
    return DivisionSure(N, std::cos(phi) * IntegraleJour(omegaS), "FacteurMois");
}

// Diffuse part of the month's irradiation from its clearness index.
double Diffus(float gh, float KT, float omegaS) {
    const double k2 = Puissance(KT, 2);
    const double k3 = Puissance(KT, 3);
    if (omegaS < static_cast<float>(81.4 * Pi() / 180))
        return gh * (1.391 - 3.560 * KT + 4.189 * k2 - 2.137 * k3);
    return gh * (1.311 - 3.022 * KT + 3.427 * k2 - 1.821 * k3);
}

struct Intervalle {
    double a = 0;
    double b = 0;
};

// The parts of the day [−ωs, ωs] (and its copies 2π away) in front of the plane.
std::array<Intervalle, 3> Intervalles(double omegaS, double omegaP, double D) {
    const double deuxPi = 2.0 * Pi();
    std::array<Intervalle, 3> k;
    k[0].a = Maximum(-deuxPi, D - omegaP);
    k[0].b = Maximum(k[0].a, Minimum(omegaS - deuxPi, D + omegaP));
    k[1].a = Maximum(-omegaS, D - omegaP);
    k[1].b = Maximum(k[1].a, Minimum(omegaS, D + omegaP));
    k[2].a = Maximum(deuxPi - omegaS, D - omegaP);
    k[2].b = Maximum(k[2].a, Minimum(deuxPi, D + omegaP));
    return k;
}

// Irradiation on the plane of one month before the site corrections.
double FacteurBrut(const GeometrieCapteur& g, const SurfaceEquivalente& s, float gh, int m,
                   bool masque, double hm) {
    const double phi = Radians(g.latitude);
    const double beta = Radians(g.inclinaison);
    const double n = JoursMoyens[m];
    const double delta = 23.45 * Pi() / 180 * std::sin(Radians(0.986 * n - 80));
    const float omegaS = ArcCos(static_cast<float>(-std::tan(phi) * std::tan(delta)));
    const double I0 = 1367 * (1 + 0.034 * std::cos(Radians(0.986 * n - 2)));
    const double H0 = I0 * 24 / (Pi() * 1000.0) *
                      (omegaS * std::sin(phi) * std::sin(delta) +
                       std::cos(phi) * std::cos(delta) * std::sin(omegaS));
    const float KT = VersSimple(DivisionSure(gh, H0, "FacteurMois"), "FacteurMois");
    const double Hd = Diffus(gh, KT, omegaS);
    const double x = -std::tan(s.phi) * std::tan(delta);
    const double omegaP = x > 1    ? 0.0
                          : x < -1 ? static_cast<double>(Pi())
                                   : ArcCos(static_cast<float>(x));
    double Rb = 0;
    for (const Intervalle& k : Intervalles(omegaS, omegaP, s.delta)) {
        if (k.a == k.b)
            continue;
        Rb += masque ? SommeMasquee(g, k.a, k.b, delta, omegaS)
                     : RatioSansMasque(s, phi, delta, omegaS, k.a, k.b);
    }
    const double ciel = std::cos(hm + beta);
    return (gh - Hd) * Rb + Hd * (1 + ciel) / 2 + 0.2 * gh * (1 - ciel) / 2;
}

// Mean mask height in radians, when the project has a mask.
double HauteurMoyenne(const GeometrieCapteur& g, int16_t Masque_Existe) {
    if (Masque_Existe != 1)
        return 0;
    double somme = 0;
    for (int i = 1; i <= g.NbPoints; ++i)
        somme += g.hauteurs[i];
    return Radians(DivisionSure(somme, g.NbPoints, "la hauteur moyenne du masque"));
}

// Factors of the town-size and sea-distance classes; a class outside the defined ones
// counts as 1.
float FacteurPopulationSite(double classe) {
    return classe == 2 ? 0.95f : classe == 3 ? 0.9f : 1.0f;
}
float FacteurPopulationStation(double classe) {
    return FacteurPopulationSite(classe);
}
float FacteurDistanceMer(double classe) {
    return classe == 1 ? 1.15f : classe == 2 ? 1.10f : classe == 3 ? 1.05f : 1.0f;
}

void CorrigerSite(const EnregistrementEntrees& e, TableauMois& f, const TableauMois& AlphaMois) {
    const double altitude = DivisionSure(1 + 0.05 * e.Altitude / 800,
                                         1 + 0.05 * e.altitude_station_meteo / 800, "FacteurMois");
    const double population = static_cast<double>(FacteurPopulationSite(e.Nb_Habitant_Ville)) /
                              FacteurPopulationStation(e.Nb_habitant_station_meteo);
    const double mer = static_cast<double>(FacteurDistanceMer(e.Distance_Mer)) /
                       FacteurDistanceMer(e.Distance_Mer_station_meteo);
    for (int m = 1; m <= 12; ++m) {
        f[m] = VersSimple(f[m] * altitude, "FacteurMois");
        f[m] = VersSimple(f[m] * population, "FacteurMois");
        f[m] = VersSimple(f[m] * mer, "FacteurMois");
        f[m] = VersSimple(static_cast<double>(f[m]) * AlphaMois[m], "FacteurMois");
    }
}
} // namespace

float HauteurMasque(const GeometrieCapteur& g, int16_t d) {
    const int n = g.NbPoints;
    if (n < 1 || n > 32)
        return 0;
    const float x = d;
    int i = 1;
    while (i <= n && !(g.angles[i] > x))
        ++i;
    if (i == 1)
        return g.hauteurs[1];
    if (i > n)
        return g.hauteurs[n];
    const double pente = (static_cast<double>(g.hauteurs[i]) - g.hauteurs[i - 1]) /
                         (static_cast<double>(g.angles[i]) - g.angles[i - 1]);
    return static_cast<float>(g.hauteurs[i - 1] + pente * (x - g.angles[i - 1]));
}

double SommeMasquee(const GeometrieCapteur& g, double a, double b, double delta, double omegaS) {
    if (a == b)
        return 0;
    const int n = g.NbPoints >= 0 && g.NbPoints <= 32 ? g.NbPoints : 0;
    const double A1 = Radians(g.angles[1]);
    const double An = Radians(g.angles[n]);
    const int16_t debut = A1 >= b               ? Ent16(Degres(b))
                          : (A1 > a && An >= a) ? Ent16(Degres(A1))
                                                : Ent16(Degres(a));
    const int16_t fin = A1 >= b   ? Ent16(Degres(b))
                        : An < a  ? Ent16(Degres(a))
                        : An <= b ? Ent16(Degres(An))
                                  : Ent16(Degres(b));
    if (debut == fin)
        return 0;
    const double phi = Radians(g.latitude);
    const double beta = Radians(g.inclinaison);
    const double gamma = Radians(g.orientation);
    const double cc = std::cos(delta) * std::cos(phi);
    const double ss = std::sin(delta) * std::sin(phi);
    double S = 0;
    for (int d = debut; d <= fin; ++d) {
        const double omega = Radians(d);
        const double h = ArcSin(static_cast<float>(cc * std::cos(omega) + ss));
        const double z =
            ArcSin(static_cast<float>(std::cos(delta) * std::sin(omega) / std::cos(h)));
        const double hM = Radians(HauteurMasque(g, static_cast<int16_t>(d)));
        if (static_cast<float>(h - hM) > 0) {
            const double theta = ArcCos(static_cast<float>(
                std::sin(beta) * std::cos(h) * std::cos(z - gamma) + std::cos(beta) * std::sin(h)));
            S += std::sin(h) * std::cos(theta);
        }
    }
    const double cosPhi = std::cos(phi);
    const double cosDelta = std::cos(delta);
    return DivisionSure(S * Pi() / 180,
                        cosPhi * cosPhi * cosDelta * cosDelta * IntegraleJour(omegaS),
                        "FacteurMois");
}

void CalculerFacteurMois(const EnregistrementEntrees& e, const TableauMois& Gh,
                         const GeometrieCapteur& geometrie, int16_t Masque_Existe,
                         TableauMois& sortie, const TableauMois& AlphaMois) {
    const TableauMois gh = Gh;
    if (Masque_Existe != 0 && (geometrie.NbPoints < 0 || geometrie.NbPoints > 32))
        throw ErreurIndice("Nombre de points du masque hors limites (0 à 32) : " +
                           std::to_string(geometrie.NbPoints) + ".");
    const double hm = HauteurMoyenne(geometrie, Masque_Existe);
    const SurfaceEquivalente s = Equivalente(geometrie);
    for (int m = 1; m <= 12; ++m)
        sortie[m] =
            VersSimple(FacteurBrut(geometrie, s, gh[m], m, Masque_Existe != 0, hm), "FacteurMois");
    CorrigerSite(e, sortie, AlphaMois);
}

void CalculerCapteurs(const EnregistrementEntrees& e, EnregistrementCalcul& c,
                      const TableauMois& AlphaMois) {
    if (c.Latitude == 0)
        return;
    GeometrieCapteur g;
    g.latitude = c.Latitude;
    g.inclinaison = c.inclinaison;
    g.orientation = c.Orientation;
    g.NbPoints = e.NB_points;
    g.hauteurs = e.Masque_Hauteur;
    g.angles = e.Masque_Angle;
    CalculerFacteurMois(e, c.Gh, g, e.Masque_Existe, c.FacteurMois, AlphaMois);
}

void CalculerX(EnregistrementCalcul& c, RapportCalcul& rapport) {
    for (int m = 1; m <= 12; ++m) {
        const double F = static_cast<double>(c.FacteurMois[m]) * JoursParMois[m];
        const double besoin = static_cast<double>(c.Em[m]) * c.Becs[m];
        const double pertes = c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc
                                  ? c.ABEtap * F * c.KsurB * c.DT[m]
                                  : c.a * F * c.Efficacite.Etap * c.Deperdition.K * c.DT[m];
        c.X[m] = ArrondiSimple(besoin / pertes);
        if (!EstFini(c.X[m])) {
            rapport.Direct("Erreur calcul Q");
            return;
        }
    }
}

void CalculerT(EnregistrementCalcul& c) {
    for (int m = 1; m <= 12; ++m) {
        const double pente =
            c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc
                ? DivisionSure(c.Em[m], c.KsurB, "T")
                : DivisionSure(c.Em[m], DivisionSure(c.Deperdition.K, c.Bc, "T"), "T");
        c.T[m] = VersSimple(DivisionSure(pente + c.DT1[m], c.DT[m], "T"), "T");
    }
}
