#include "common/ChiffresExacts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {
__extension__ using Entier128 = unsigned __int128;

// Every product stays below 2^125, so that twice and four times a remainder still fit.
constexpr int Bits = 125;

int Largeur(Entier128 x) {
    const auto haut = static_cast<std::uint64_t>(x >> 64);
    const auto bas = static_cast<std::uint64_t>(x);
    return haut != 0 ? 128 - __builtin_clzll(haut) : bas != 0 ? 64 - __builtin_clzll(bas) : 0;
}

bool Fois(Entier128& x, Entier128 y) {
    if (Largeur(x) + Largeur(y) > Bits)
        return false;
    x *= y;
    return true;
}

// x × 10^n × 2^p, when it fits.
bool FoisPuissances(Entier128& x, int n, int p) {
    static const auto dix = [] {
        std::array<Entier128, 38> t{};
        t[0] = 1;
        for (std::size_t i = 1; i < t.size(); ++i)
            t[i] = t[i - 1] * 10;
        return t;
    }();
    if (n >= static_cast<int>(dix.size()) || !Fois(x, dix[static_cast<std::size_t>(n)]) ||
        Largeur(x) + p > Bits)
        return false;
    x <<= p;
    return true;
}

std::uint64_t PuissanceDix(int n) {
    std::uint64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}
} // namespace

std::optional<ArrondiDecimal> ArrondirExact(double valeur, int k, bool simple) {
    if (!std::isfinite(valeur) || valeur == 0)
        return std::nullopt;
    const int bits =
        simple ? std::numeric_limits<float>::digits : std::numeric_limits<double>::digits;
    const int plusPetit = simple ? std::numeric_limits<float>::min_exponent
                                 : std::numeric_limits<double>::min_exponent;
    int e2 = 0;
    const double fraction = std::frexp(std::fabs(valeur), &e2);
    if (e2 < plusPetit)
        return std::nullopt;
    // |valeur| = m × 2^e exactly; |valeur| × 10^k = n / d, and the gap to the next value is
    // facteur / d in the same unit.
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, bits));
    const int e = e2 - bits;
    Entier128 facteur = 1, d = 1;
    if (!FoisPuissances(facteur, std::max(k, 0), std::max(e, 0)) ||
        !FoisPuissances(d, std::max(-k, 0), std::max(-e, 0)))
        return std::nullopt;
    Entier128 n = facteur;
    if (!Fois(n, m))
        return std::nullopt;
    // A division by a power of two, the usual case, is a shift.
    const bool deux = k >= 0;
    Entier128 q = deux ? n >> std::max(-e, 0) : n / d;
    const Entier128 reste = deux ? n & (d - 1) : n % d;
    const bool haut = 2 * reste > d || (2 * reste == d && (q & 1) != 0);
    const Entier128 ecart = haut ? d - reste : reste; // |q × d − n|
    q += haut ? 1 : 0;
    if (q > std::numeric_limits<std::uint64_t>::max())
        return std::nullopt;
    // Reading back rounds to nearest, ties to the even mantissa. Below a power of two the
    // neighbour is half as far.
    const bool pair = m % 2 == 0;
    const bool etroit = m == (std::uint64_t{1} << (bits - 1)) && !haut;
    const Entier128 mesure = etroit ? 4 * ecart : 2 * ecart;
    ArrondiDecimal r;
    r.entier = static_cast<std::uint64_t>(q);
    r.relu = mesure < facteur || (mesure == facteur && pair);
    return r;
}

std::optional<ArrondiDecimal> ChiffresExacts(double valeur, int n, bool simple) {
    if (n < 1 || n > 19 || !std::isfinite(valeur) || valeur == 0)
        return std::nullopt;
    const std::uint64_t bas = PuissanceDix(n - 1);
    // The logarithm may miss the first digit's exponent by one either way; a rounding up
    // to 10^n moves it too ("9,96" to two digits is "1,0E+01").
    auto exposant = static_cast<int>(std::floor(std::log10(std::fabs(valeur))));
    for (int essai = 0; essai < 3; ++essai) {
        auto r = ArrondirExact(valeur, n - 1 - exposant, simple);
        if (!r)
            return std::nullopt;
        if (r->entier / 10 >= bas)
            ++exposant;
        else if (r->entier < bas)
            --exposant;
        else {
            r->exposant = exposant;
            return r;
        }
    }
    return std::nullopt;
}
