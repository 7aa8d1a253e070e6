#include "Astronomie.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace soleil {

double Radians(double degres) {
    return degres * Pi / 180.0;
}
double Degres(double radians) {
    return radians * 180.0 / Pi;
}

int JourMoyen(int mois) {
    // Klein (1977): the day of each month whose extraterrestrial irradiation is
    // closest to the month's mean.
    static constexpr std::array<int, 12> jours = {17,  47,  75,  105, 135, 162,
                                                  198, 228, 258, 288, 318, 344};
    return jours.at(static_cast<std::size_t>(mois - 1));
}

namespace {
double AngleDuJour(int jour) {
    return 2.0 * Pi * (jour - 1) / 365.0;
}
} // namespace

double Declinaison(int jour) {
    const double g = AngleDuJour(jour);
    return 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g) +
           0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
}

double EclairementHorsAtmosphere(int jour) {
    const double g = AngleDuJour(jour);
    const double facteur = 1.000110 + 0.034221 * std::cos(g) + 0.001280 * std::sin(g) +
                           0.000719 * std::cos(2 * g) + 0.000077 * std::sin(2 * g);
    return ConstanteSolaire * facteur;
}

double AngleCoucher(double phi, double delta) {
    // Written with sines and cosines so that the poles (cos phi = 0) need no special case.
    const double numerateur = -std::sin(phi) * std::sin(delta);
    const double denominateur = std::cos(phi) * std::cos(delta);
    if (numerateur >= denominateur)
        return 0.0;
    if (numerateur <= -denominateur)
        return Pi;
    return std::acos(numerateur / denominateur);
}

double IrradiationJourHorsAtmosphere(double cs, double phi, double delta) {
    const double ws = AngleCoucher(phi, delta);
    const double h0 =
        cs * 24.0 / (Pi * 1000.0) *
        (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
    return std::max(h0, 0.0);
}

namespace {
// 0.125° of hour angle: the midpoint rule is then exact to better than 1e-5 of the
// daily sum, far below the rounding of the tables.
constexpr int PasParJour = 2880;

double CosZenith(double phi, double delta, double omega) {
    return std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(omega);
}

double CosIncidence(double phi, double delta, double omega, const Plan& plan) {
    const double b = Radians(plan.inclinaison);
    const double g = Radians(plan.orientation);
    return std::sin(delta) * std::sin(phi) * std::cos(b) -
           std::sin(delta) * std::cos(phi) * std::sin(b) * std::cos(g) +
           std::cos(delta) * std::cos(phi) * std::cos(b) * std::cos(omega) +
           std::cos(delta) * std::sin(phi) * std::sin(b) * std::cos(g) * std::cos(omega) +
           std::cos(delta) * std::sin(b) * std::sin(g) * std::sin(omega);
}
} // namespace

double SommeJour(double phi, double delta, const Plan& plan,
                 const std::function<double(double)>& poids) {
    double somme = 0.0;
    for (int i = 0; i < PasParJour; ++i) {
        const double omega = -Pi + (i + 0.5) * 2.0 * Pi / PasParJour;
        if (CosZenith(phi, delta, omega) <= 0.0)
            continue;
        const double c = CosIncidence(phi, delta, omega, plan);
        if (c > 0.0)
            somme += poids(c);
    }
    return somme;
}

double RapportDirect(double phi, double delta, const Plan& plan) {
    const auto cosinus = [](double c) { return c; };
    const double horizontal = SommeJour(phi, delta, Plan{}, cosinus);
    if (horizontal <= 0.0)
        return 0.0;
    return SommeJour(phi, delta, plan, cosinus) / horizontal;
}

} // namespace soleil
