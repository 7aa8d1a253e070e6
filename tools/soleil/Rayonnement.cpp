#include "Rayonnement.h"

#include <algorithm>
#include <cmath>

namespace soleil {

double FractionDiffuse(double kt, double ws) {
    if (ws <= Radians(81.4))
        return 1.391 - 3.560 * kt + 4.189 * kt * kt - 2.137 * kt * kt * kt;
    return 1.311 - 3.022 * kt + 3.427 * kt * kt - 1.821 * kt * kt * kt;
}

double RapportPlan(double kt, double ws, double rb, double inclinaison) {
    const double fd = FractionDiffuse(kt, ws);
    const double b = Radians(inclinaison);
    return (1.0 - fd) * rb + fd * (1.0 + std::cos(b)) / 2.0 + Albedo * (1.0 - std::cos(b)) / 2.0;
}

double ModificateurAngle(double cosIncidence) {
    constexpr double b0 = 0.10;
    if (cosIncidence <= 0.0)
        return 0.0;
    return std::max(0.0, 1.0 - b0 * (1.0 / cosIncidence - 1.0));
}

double FacteurAngulaire(double phi, double delta, const Plan& plan, double kt) {
    const double b = plan.inclinaison;
    const double ws = AngleCoucher(phi, delta);
    const double fd = FractionDiffuse(kt, ws);
    const double rb = RapportDirect(phi, delta, plan);

    const double poidsDirect = (1.0 - fd) * rb;
    const double poidsDiffus = fd * (1.0 + std::cos(Radians(b))) / 2.0;
    const double poidsSol = Albedo * (1.0 - std::cos(Radians(b))) / 2.0;

    double kDirect = 0.0;
    const auto cosinus = [](double c) { return c; };
    const double recu = SommeJour(phi, delta, plan, cosinus);
    if (recu > 0.0) {
        const auto pondere = [](double c) { return c * ModificateurAngle(c); };
        kDirect = SommeJour(phi, delta, plan, pondere) / recu;
    }
    const double angleDiffus = 59.7 - 0.1388 * b + 0.001497 * b * b;
    const double angleSol = 90.0 - 0.5788 * b + 0.002693 * b * b;
    const double kDiffus = ModificateurAngle(std::cos(Radians(angleDiffus)));
    const double kSol = ModificateurAngle(std::cos(Radians(angleSol)));

    const double total = poidsDirect + poidsDiffus + poidsSol;
    if (total <= 0.0)
        return kDiffus;
    return (poidsDirect * kDirect + poidsDiffus * kDiffus + poidsSol * kSol) / total;
}

} // namespace soleil
