// The exact decimal digits the browser build writes numbers with must be the native
// build's, digit for digit: compared here with the standard library's to_chars on values
// of every size the program meets.

#include "common/ChiffresExacts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {
// The values drawn: computed results of any magnitude, round decimals as typed, floats.
std::vector<double> Valeurs() {
    std::mt19937_64 hasard(20261207);
    std::uniform_real_distribution<double> exposant(-9, 19), mantisse(1, 10);
    std::uniform_int_distribution<int> millimes(-2000000, 2000000);
    std::vector<double> v = {0.1,
                             0.5,
                             2.5,
                             9.96,
                             999.5,
                             1e15,
                             1e-3,
                             1.0 / 3,
                             2.675,
                             4503599627370496.0,
                             9007199254740991.0,
                             0.125,
                             1e21};
    for (int i = 0; i < 20000; ++i) {
        v.push_back(mantisse(hasard) * std::pow(10, exposant(hasard)));
        v.push_back(millimes(hasard) / 1000.0);
        v.push_back(static_cast<float>(v.back() * 1.7));
    }
    return v;
}

// The standard library's n significant digits of |v| and the exponent of the first one.
std::pair<std::string, int> Reference(double v, int n) {
    char t[64];
    const auto r =
        std::to_chars(t, t + sizeof t, std::fabs(v), std::chars_format::scientific, n - 1);
    std::string s(t, r.ptr);
    const std::size_t e = s.find('e');
    std::string chiffres;
    for (std::size_t i = 0; i < e; ++i)
        chiffres += s[i] == '.' ? "" : std::string(1, s[i]);
    return {chiffres, std::stoi(s.substr(e + 1))};
}
} // namespace

TEST(ChiffresExacts, CommeLaBibliothequeStandard) {
    int couverts = 0, total = 0;
    for (const double v : Valeurs()) {
        const bool simple = static_cast<double>(static_cast<float>(v)) == v;
        for (int n = 1; n <= 17; ++n) {
            const auto c = ChiffresExacts(v, n);
            ++total;
            if (!c)
                continue;
            ++couverts;
            const auto [chiffres, exposant] = Reference(v, n);
            ASSERT_EQ(std::to_string(c->entier), chiffres) << v << " n=" << n;
            ASSERT_EQ(c->exposant, exposant) << v << " n=" << n;
            double relu = 0;
            const std::string texte = chiffres + "e" + std::to_string(exposant - n + 1);
            std::from_chars(texte.data(), texte.data() + texte.size(), relu);
            ASSERT_EQ(c->relu, relu == std::fabs(v)) << texte << " " << v;
            if (simple) {
                float reluSimple = 0;
                std::from_chars(texte.data(), texte.data() + texte.size(), reluSimple);
                if (const auto cs = ChiffresExacts(v, n, true)) {
                    ASSERT_EQ(cs->relu, reluSimple == std::fabs(v)) << texte << " " << v;
                }
            }
        }
        for (int d = 0; d <= 6; ++d) {
            char t[400];
            const auto r =
                std::to_chars(t, t + sizeof t, std::fabs(v), std::chars_format::fixed, d);
            std::string attendu(t, r.ptr);
            attendu.erase(std::remove(attendu.begin(), attendu.end(), '.'), attendu.end());
            attendu.erase(0, std::min(attendu.find_first_not_of('0'), attendu.size() - 1));
            if (const auto a = ArrondirExact(v, d)) {
                ASSERT_EQ(std::to_string(a->entier), attendu) << v << " d=" << d;
            }
        }
    }
    // The values the program writes are almost all covered; the rest falls back.
    EXPECT_GT(couverts, total * 95 / 100);
    EXPECT_FALSE(ChiffresExacts(0.0, 3));
    EXPECT_FALSE(ChiffresExacts(INFINITY, 3));
    EXPECT_FALSE(ChiffresExacts(1e-310, 3)); // below the normal range
}
