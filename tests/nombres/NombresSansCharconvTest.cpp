// The number routines as the browser build compiles them (its standard library has no
// floating-point to_chars or from_chars), checked here natively against the standard
// library: every text written and every value read must be the native build's.

#include "common/ChiffresExacts.h"
#include "common/Nombres.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {
std::vector<double> Valeurs() {
    std::mt19937_64 hasard(7);
    std::uniform_real_distribution<double> exposant(-12, 24), mantisse(-10, 10);
    std::uniform_int_distribution<int> centiemes(-500000, 500000);
    std::vector<double> v = {0,
                             -0.0,
                             0.1,
                             2.675,
                             2.25,
                             1e21,
                             1e-7,
                             1.0 / 3,
                             1e300,
                             5e-324,
                             3.4028235e38,
                             9007199254740993.0,
                             123456789012345678.0,
                             9.96,
                             999.5,
                             4503599627370496.0};
    // Below a power of two the next value is half as far as above it.
    for (int e = -40; e <= 80; ++e)
        v.push_back(std::ldexp(1.0, e));
    for (int i = 0; i < 20000; ++i) {
        v.push_back(mantisse(hasard) * std::pow(10, exposant(hasard)));
        v.push_back(centiemes(hasard) / 100.0);
    }
    return v;
}

template <class T> std::string Reference(T valeur, std::chars_format format = {}, int p = -1) {
    char t[400];
    const auto r = format == std::chars_format{}
                       ? std::to_chars(t, t + sizeof t, valeur)
                       : std::to_chars(t, t + sizeof t, valeur, format, p);
    return std::string(t, r.ptr);
}
} // namespace

TEST(NombresSansCharconv, EcritsEtLusCommeLaBibliothequeStandard) {
    for (const double v : Valeurs()) {
        const std::string court = Reference(v);
        ASSERT_EQ(EcrireCourt(v), court) << court;
        ASSERT_EQ(LireNombre(court), v) << court;
        const auto f = static_cast<float>(v);
        if (std::isfinite(f) && f != 0) {
            ASSERT_EQ(EcrireCourt(f), Reference(f)) << f;
            // The fewest of 7 to 9 digits that read back, as a double, to the float.
            int n = 7;
            for (double relu = 0; n < 9; ++n) {
                const std::string t = Reference(f, std::chars_format::scientific, n - 1);
                std::from_chars(t.data(), t.data() + t.size(), relu);
                if (static_cast<float>(relu) == f)
                    break;
            }
            ASSERT_EQ(EcrireSimple(f), EcrireGeneral(f, n)) << f;
        }
        if (std::fabs(v) < 1e30) {
            for (int d : {0, 1, 2, 3, 6}) {
                ASSERT_EQ(EcrireFixe(v, d, '.'), Reference(v, std::chars_format::fixed, d)) << v;
            }
        }
        for (int n : {1, 4, 7, 15, 17}) {
            const std::string s = Reference(v, std::chars_format::scientific, n - 1);
            const ChiffresSignificatifs c = EnChiffresSignificatifs(v, n);
            std::string chiffres;
            for (char x : s.substr(0, s.find('e')))
                chiffres += std::isdigit(static_cast<unsigned char>(x)) ? std::string(1, x) : "";
            ASSERT_EQ(c.chiffres, chiffres) << s;
            ASSERT_EQ(c.exposant, std::stoi(s.substr(s.find('e') + 1))) << s;
        }
    }
    // The file format's own spellings.
    EXPECT_EQ(LireNombre("1,5"), 1.5);
    EXPECT_EQ(LireNombre(" -2.5E-3 "), -0.0025);
    EXPECT_EQ(LireNombre("0,30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(LireNombre("1E-400"), 0.0);
    EXPECT_EQ(LireNombre("1e999"), INFINITY);
    EXPECT_EQ(LireNombre("340282350000000000000000000000000000000"), 3.4028235e38);
}

// Those routines take the exact digits for the values the program writes, not the C
// library's slow way; the tests above would pass either way.
TEST(NombresSansCharconv, ChiffresExactsPourLesValeursDuProgramme) {
    int couverts = 0, total = 0;
    for (const double v : Valeurs()) {
        if (std::fabs(v) < 1e-4 || std::fabs(v) > 1e15)
            continue;
        for (int n = 1; n <= 17; ++n, ++total)
            couverts += ChiffresExacts(v, n).has_value() ? 1 : 0;
    }
    EXPECT_EQ(couverts, total);
    EXPECT_FALSE(ChiffresExacts(0.0, 3));
    EXPECT_FALSE(ChiffresExacts(INFINITY, 3));
    EXPECT_FALSE(ChiffresExacts(1e-310, 3)); // below the normal range: another spacing
}
