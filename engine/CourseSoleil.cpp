#include "engine/CourseSoleil.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double ParDegre = std::numbers::pi / 180;
} // namespace

double DeclinaisonSoleil(int jour) {
    return 23.45 * std::sin((0.986 * jour - 80) * ParDegre);
}

double HauteurSoleil(double latitude, double declinaison, double angleHoraire) {
    const double phi = latitude * ParDegre;
    const double delta = declinaison * ParDegre;
    const double sinH = std::sin(phi) * std::sin(delta) +
                        std::cos(phi) * std::cos(delta) * std::cos(angleHoraire * ParDegre);
    return std::asin(std::clamp(sinH, -1.0, 1.0)) / ParDegre;
}

double AngleCoucher(double latitude, double declinaison) {
    const double x = -std::tan(latitude * ParDegre) * std::tan(declinaison * ParDegre);
    return std::acos(std::clamp(x, -1.0, 1.0)) / ParDegre;
}

std::vector<PointCourse> CourseSoleil(double latitude, int jour, double pas) {
    const double delta = DeclinaisonSoleil(jour);
    const double coucher = AngleCoucher(latitude, delta);
    std::vector<PointCourse> course;
    if (!(coucher > 0) || !(pas > 0))
        return course;
    for (double w = -coucher; w < coucher; w += pas)
        course.push_back({w, std::max(0.0, HauteurSoleil(latitude, delta, w))});
    course.push_back({coucher, std::max(0.0, HauteurSoleil(latitude, delta, coucher))});
    return course;
}
