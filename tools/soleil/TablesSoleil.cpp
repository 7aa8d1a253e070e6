#include "TablesSoleil.h"

#include "Rayonnement.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace soleil {

std::string FormatDecimal(double valeur, int decimales) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
    std::string texte = tampon;
    std::replace(texte.begin(), texte.end(), '.', ',');
    if (texte.find_first_not_of("-0,") == std::string::npos && texte[0] == '-')
        texte.erase(0, 1);
    return texte;
}

namespace {
std::string Assembler(const std::string& libelle, const std::array<double, 12>& valeurs,
                      const std::array<int, 12>& decimales) {
    std::string ligne = libelle;
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        ligne += " " + FormatDecimal(valeurs[i], decimales[i]);
    return ligne;
}

// Parses a value back from its written form.
double Relire(const std::string& texte) {
    std::string t = texte;
    std::replace(t.begin(), t.end(), ',', '.');
    return std::stod(t);
}

std::string LigneDouze(const std::array<double, 12>& valeurs, int decimales) {
    std::string ligne;
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        ligne += (i ? " " : "") + FormatDecimal(valeurs[i], decimales);
    return ligne;
}

const char* const EnteteMois = "Jan Fév Mar Avr Mai Jui Juil Aou Sep Oct Nov Déc";
} // namespace

std::string LigneAjustee(const std::string& libelle, const std::array<double, 12>& valeurs,
                         int largeur) {
    std::array<int, 12> decimales;
    decimales.fill(1);
    std::array<std::size_t, 12> ordre;
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](std::size_t a, std::size_t b) { return valeurs[a] > valeurs[b]; });
    std::string ligne = Assembler(libelle, valeurs, decimales);
    for (std::size_t k = 0; ligne.size() > static_cast<std::size_t>(largeur) && k < 12; ++k) {
        decimales[ordre[k]] = 0;
        ligne = Assembler(libelle, valeurs, decimales);
    }
    if (ligne.size() > static_cast<std::size_t>(largeur))
        throw std::runtime_error("ligne trop longue : " + ligne);
    return ligne;
}

SeriesSoleil CalculerSeries() {
    SeriesSoleil s;
    for (int m = 1; m <= 12; ++m) {
        const int n = JourMoyen(m);
        const auto i = static_cast<std::size_t>(m - 1);
        s.cs[i] = Relire(FormatDecimal(EclairementHorsAtmosphere(n), 1));
        s.delta[i] = Relire(FormatDecimal(Degres(Declinaison(n)), 2));
    }
    return s;
}

std::string TexteCs(const SeriesSoleil& s) {
    return LigneDouze(s.cs, 1) +
           "\nEclairement hors atmosphère du jour moyen de chaque mois, janvier à décembre "
           "[W/m²]\nConstante solaire 1367 W/m², facteur de distance Terre-Soleil de Spencer "
           "(1971)\nJours moyens : 17 47 75 105 135 162 198 228 258 288 318 344\n";
}

std::string TexteDelta(const SeriesSoleil& s) {
    return LigneDouze(s.delta, 2) +
           "\nDéclinaison du soleil au jour moyen de chaque mois, janvier à décembre [°]\n"
           "Série de Fourier de Spencer (1971)\n"
           "Jours moyens : 17 47 75 105 135 162 198 228 258 288 318 344\n";
}

std::string TexteNj() {
    std::array<double, 12> jours;
    std::copy(JoursParMois.begin(), JoursParMois.end(), jours.begin());
    return LigneDouze(jours, 0) + "\nNombre de jours de chaque mois (février : 28 jours)\n";
}

std::string TexteAlphaG() {
    std::array<double, 12> uns;
    uns.fill(1.0);
    return LigneDouze(uns, 0) +
           "\nFacteur appliqué à l'irradiation du plan dans l'hémisphère sud : 1 chaque mois,\n"
           "car les tables G_ des bandes de latitude négatives sont calculées à leur "
           "latitude réelle.\n";
}

namespace {
// The beam ratio depends on the geometry only: computed once for the 18 clearness rows.
std::array<double, 12> RapportsDirects(double phi, const Plan& plan, const SeriesSoleil& s) {
    std::array<double, 12> rb{};
    for (std::size_t i = 0; i < 12; ++i)
        rb[i] = RapportDirect(phi, Radians(s.delta[i]), plan);
    return rb;
}

std::array<double, 12> LigneG(double phi, const Plan& plan, double kt, const SeriesSoleil& s,
                              const std::array<double, 12>& rb) {
    std::array<double, 12> valeurs{};
    for (std::size_t i = 0; i < 12; ++i) {
        const double delta = Radians(s.delta[i]);
        const double ws = AngleCoucher(phi, delta);
        const double h = kt * IrradiationJourHorsAtmosphere(s.cs[i], phi, delta);
        valeurs[i] = h * RapportPlan(kt, ws, rb[i], plan.inclinaison) * FacteurAngulaireMoyen *
                     JoursParMois[i];
    }
    return valeurs;
}

std::string BlocG(double phi, const Plan& plan, const SeriesSoleil& s) {
    const std::array<double, 12> rb = RapportsDirects(phi, plan, s);
    std::string texte;
    for (int r = 1; r <= 18; ++r) {
        const double kt = 0.36 + 0.02 * r;
        texte += LigneAjustee(FormatDecimal(kt, 2), LigneG(phi, plan, kt, s, rb)) + "\n";
    }
    return texte;
}
} // namespace

std::string TexteTableG(int bande, int inclinaison, const SeriesSoleil& s) {
    const double phi = Radians(bande);
    const std::string plan = "plan incliné à " + std::to_string(inclinaison) + "°, latitude " +
                             std::to_string(bande) + "°";
    const std::string unite =
        "G(plan) x 0,88 x Nj [kWh/m² par mois] ; KT de 0,38 à 0,72 ; " + std::string(EnteteMois);
    return "Irradiation mensuelle, " + plan + " (ciel isotrope, albédo 0,2)\n" +
           "Bloc A : plan orienté plein sud (0°)\n" + unite + "\n" +
           BlocG(phi, Plan{static_cast<double>(inclinaison), 0.0}, s) + "Irradiation mensuelle, " +
           plan + "\nBloc B : plan orienté à 45° du sud (sud-est ou sud-ouest)\n" + unite + "\n" +
           BlocG(phi, Plan{static_cast<double>(inclinaison), 45.0}, s);
}

std::string TexteMatAlpha(const SeriesSoleil& s) {
    // The clearness that sets the beam and diffuse shares of the irradiation on the plane.
    constexpr double ktReference = 0.5;
    const auto bloc = [&](int latitude) {
        std::string texte;
        for (int inclinaison : {0, 45, 90}) {
            std::array<double, 12> valeurs{};
            for (std::size_t i = 0; i < 12; ++i)
                valeurs[i] =
                    FacteurAngulaire(Radians(latitude), Radians(s.delta[i]),
                                     Plan{static_cast<double>(inclinaison), 0.0}, ktReference);
            texte += LigneDouze(valeurs, 3) + "\n";
        }
        return texte;
    };
    return std::string("Facteur angulaire mensuel moyen d'un capteur vitré orienté au sud\n") +
           "Modificateur d'angle 1 - 0,10 (1/cos i - 1) ; direct, diffus et sol pondérés pour "
           "KT = 0,5\n" +
           "Latitude 60° : inclinaisons 0°, 45° et 90° ; " + EnteteMois + "\n" + bloc(60) +
           "Latitude 45°\nInclinaisons 0°, 45° et 90° ; " + EnteteMois + "\n" + bloc(45) +
           "Latitude 0°\nInclinaisons 0°, 45° et 90° ; " + EnteteMois + "\n" + bloc(0);
}

} // namespace soleil
