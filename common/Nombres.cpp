#include "common/Nombres.h"

#include <cmath>
#include <limits>

// The standard library's locale-free conversions, where the toolchain has them for
// floating-point numbers. Where it does not (VARQUIN_CONVERSIONS_C, which a test also
// sets to check this path natively), exact digits of its own and, past them, the C
// library's, whose only locale there is the "C" one.
#if defined(__EMSCRIPTEN__) && !defined(VARQUIN_CONVERSIONS_C)
#define VARQUIN_CONVERSIONS_C 1
#endif
#ifdef VARQUIN_CONVERSIONS_C
#include "common/ChiffresExacts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#else
#include <charconv>
#endif

namespace {
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Chiffres(std::string_view s, std::size_t i) {
    while (i < s.size() && EstChiffre(s[i]))
        ++i;
    return i;
}

#ifdef VARQUIN_CONVERSIONS_C
ChiffresSignificatifs EnChiffres(double valeur, const ArrondiDecimal& c) {
    return {std::signbit(valeur), std::to_string(c.entier), c.exposant};
}

// A "%.*e" text's digits and exponent.
ArrondiDecimal LireScientifique(const std::string& texte) {
    ArrondiDecimal c;
    const std::size_t e = texte.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (EstChiffre(texte[i]))
            c.entier = c.entier * 10 + static_cast<std::uint64_t>(texte[i] - '0');
    }
    c.exposant = std::atoi(texte.c_str() + e + 1);
    return c;
}

// The exact digits written as "%.*e" writes them: "-d.ddde+XX".
std::string TexteScientifique(double valeur, const ArrondiDecimal& c, int n) {
    const std::string chiffres = std::to_string(c.entier);
    std::string t = std::signbit(valeur) ? "-" : "";
    t += chiffres[0];
    if (n > 1)
        t += "." + chiffres.substr(1);
    const int a = std::abs(c.exposant);
    return t + (c.exposant < 0 ? "e-" : "e+") + (a < 10 ? "0" : "") + std::to_string(a);
}
#endif

// "d.ddddde±XX" with n significant digits.
std::string Scientifique(double valeur, int n) {
    char tampon[64];
#ifdef VARQUIN_CONVERSIONS_C
    const int taille = std::snprintf(tampon, sizeof tampon, "%.*e", n - 1, valeur);
    return std::string(tampon, static_cast<std::size_t>(taille));
#else
    const auto r =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::scientific, n - 1);
    return std::string(tampon, r.ptr);
#endif
}

#ifdef VARQUIN_CONVERSIONS_C
// The fewest significant digits that read back to the value, written as the standard
// library's to_chars writes them: plain or with an exponent, whichever is shorter, plain
// on a tie ("20", "0.1", "1e-05", "1.5e+20").
std::string PlusCourt(double valeur, bool simple, bool (*relit)(const char*, double)) {
    const int maxChiffres = simple ? 9 : 17;
    char t[48];
    if (!std::isfinite(valeur)) {
        std::snprintf(t, sizeof t, "%g", valeur);
        return t;
    }
    // n digits that read back, as "%.*e" writes them: the nearest n-digit decimal, or,
    // below a power of two, where the gap above is twice the one below, the next one up.
    // Exact digits where they reach, the C library's past them.
    int exposant2 = 0;
    const bool puissanceDeDeux = std::frexp(std::fabs(valeur), &exposant2) == 0.5;
    const auto essai = [&](int n) -> std::optional<std::string> {
        auto c = ChiffresExacts(valeur, n, simple);
        std::string texte;
        if (c) {
            texte = TexteScientifique(valeur, *c, n);
        } else {
            std::snprintf(t, sizeof t, "%.*e", n - 1, valeur);
            texte = t;
            c = LireScientifique(texte);
            c->relu = relit(t, valeur);
        }
        if (c->relu)
            return texte;
        if (!puissanceDeDeux)
            return std::nullopt;
        if (std::to_string(++c->entier).size() > static_cast<std::size_t>(n)) {
            c->entier /= 10;
            ++c->exposant;
        }
        texte = TexteScientifique(valeur, *c, n);
        return relit(texte.c_str(), valeur) ? std::optional(texte) : std::nullopt;
    };
    // Digits that read back stay so with one more: the fewest are found by halving.
    int bas = 1, haut = maxChiffres;
    std::string scientifique;
    while (bas <= haut) {
        const int n = (bas + haut) / 2;
        if (auto texte = essai(n)) {
            scientifique = std::move(*texte);
            haut = n - 1;
        } else
            bas = n + 1;
    }
    const std::size_t e = scientifique.find('e');
    const bool negatif = scientifique[0] == '-';
    std::string chiffres;
    for (std::size_t i = negatif ? 1 : 0; i < e; ++i) {
        if (scientifique[i] != '.')
            chiffres += scientifique[i];
    }
    const int exposant = std::atoi(scientifique.c_str() + e + 1);
    std::string plain = negatif ? "-" : "";
    if (exposant >= 0) {
        const auto entiers = static_cast<std::size_t>(exposant) + 1;
        if (chiffres.size() <= entiers) {
            // A whole number is written with all its digits, as the float holds it.
            plain = EcrireFixe(valeur, 0, '.');
        } else
            plain += chiffres.substr(0, entiers) + "." + chiffres.substr(entiers);
    } else {
        plain += "0." + std::string(static_cast<std::size_t>(-exposant - 1), '0') + chiffres;
    }
    return plain.size() <= scientifique.size() ? plain : scientifique;
}
#endif

#ifdef VARQUIN_CONVERSIONS_C
// Clinger's fast path, for the C library's strtod works in software-emulated long double
// here: with at most 15 significant digits and a power of ten up to 22, both are exact
// doubles and one multiplication or division rounds correctly, as strtod would. Nothing
// for a number outside it.
std::optional<double> ConvertirRapide(const std::string& nombre) {
    static constexpr double Puissances[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = nombre.c_str();
    const bool negatif = *p == '-';
    p += negatif ? 1 : 0;
    std::uint64_t mantisse = 0;
    int chiffres = 0, exposant = 0;
    bool vu = false, virgule = false;
    for (;; ++p) {
        if (*p == '.' && !virgule) {
            virgule = true;
            continue;
        }
        if (!EstChiffre(*p))
            break;
        vu = true;
        exposant -= virgule ? 1 : 0;
        if (mantisse == 0 && *p == '0')
            continue;
        if (++chiffres > 15)
            return std::nullopt;
        mantisse = mantisse * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    if (!vu)
        return std::nullopt;
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool moins = *p == '-';
        p += (*p == '-' || *p == '+') ? 1 : 0;
        if (!EstChiffre(*p))
            return std::nullopt;
        int e = 0;
        for (; EstChiffre(*p) && e < 1000; ++p)
            e = e * 10 + (*p - '0');
        exposant += moins ? -e : e;
    }
    if (*p != '\0')
        return std::nullopt;
    double v = static_cast<double>(mantisse);
    if (mantisse != 0 && exposant > 0 && exposant <= 22)
        v *= Puissances[exposant];
    else if (mantisse != 0 && exposant < 0 && exposant >= -22)
        v /= Puissances[-exposant];
    else if (mantisse != 0 && exposant != 0)
        return std::nullopt;
    return negatif ? -v : v;
}
#endif

// A plain number ("-12.5e3", a point, no leading "+") as a double; ±infinity past a double.
std::optional<double> Convertir(const std::string& nombre) {
#ifdef VARQUIN_CONVERSIONS_C
    if (const auto v = ConvertirRapide(nombre))
        return v;
    char* fin = nullptr;
    const double v = std::strtod(nombre.c_str(), &fin);
    if (fin != nombre.c_str() + nombre.size())
        return std::nullopt;
    return v;
#else
    double v = 0;
    const auto r = std::from_chars(nombre.data(), nombre.data() + nombre.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        const std::size_t e = nombre.find_first_of("eE");
        const bool petit = e != std::string::npos && nombre.find('-', e) != std::string::npos;
        if (petit)
            return 0.0;
        return nombre[0] == '-' ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
    if (r.ec != std::errc() || r.ptr != nombre.data() + nombre.size())
        return std::nullopt;
    return v;
#endif
}

// The number of `n` bytes at `debut`, as Convertir wants it.
std::string Normaliser(std::string_view texte, std::size_t debut, std::size_t n) {
    std::string nombre(texte.substr(debut, n));
    for (char& c : nombre) {
        if (c == ',')
            c = '.';
    }
    if (!nombre.empty() && nombre[0] == '+')
        nombre.erase(0, 1);
    return nombre;
}
} // namespace

std::size_t LongueurNombre(std::string_view s, std::size_t debut, bool virguleSeule) {
    std::size_t i = debut;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t j = Chiffres(s, i);
    bool chiffres = j > i;
    i = j;
    if (i < s.size() && (s[i] == ',' || (!virguleSeule && s[i] == '.'))) {
        j = Chiffres(s, i + 1);
        chiffres = chiffres || j > i + 1;
        i = j;
    }
    if (!chiffres)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && EstChiffre(s[j]))
            i = Chiffres(s, j);
    }
    return i - debut;
}

std::optional<double> LireNombre(std::string_view texte) {
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos)
        return std::nullopt;
    const std::size_t n = LongueurNombre(texte, debut);
    if (n == 0 || texte.find_first_not_of(' ', debut + n) != std::string_view::npos)
        return std::nullopt;
    // "1E" or "1E+" would stop before the exponent's letter: the text is not a number.
    return Convertir(Normaliser(texte, debut, n));
}

double LireNombreEnTete(std::string_view texte) {
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos)
        return 0.0;
    const std::size_t n = LongueurNombre(texte, debut);
    if (n == 0)
        return 0.0;
    const auto v = Convertir(Normaliser(texte, debut, n));
    return v && std::isfinite(*v) ? *v : 0.0;
}

ChiffresSignificatifs EnChiffresSignificatifs(double valeur, int n) {
#ifdef VARQUIN_CONVERSIONS_C
    if (const auto exact = ChiffresExacts(valeur, n))
        return EnChiffres(valeur, *exact);
#endif
    ChiffresSignificatifs c;
    const std::string s = Scientifique(valeur, n);
    c.negatif = s[0] == '-';
    const std::size_t e = s.find_first_of("eE");
    for (std::size_t i = 0; i < e; ++i) {
        if (EstChiffre(s[i]))
            c.chiffres += s[i];
    }
    c.exposant = std::atoi(s.c_str() + e + 1);
    return c;
}

namespace {
// n significant digits in the general form (see EcrireGeneral).
std::string TexteGeneral(ChiffresSignificatifs c, int n, char separateur) {
    std::string& d = c.chiffres;
    while (d.size() > 1 && d.back() == '0')
        d.pop_back();
    std::string texte = c.negatif ? "-" : "";
    if (c.exposant < -4 || c.exposant >= n) {
        texte += d.substr(0, 1);
        if (d.size() > 1)
            texte += separateur + d.substr(1);
        const int a = std::abs(c.exposant);
        return texte + (c.exposant < 0 ? "E-" : "E+") + (a < 10 ? "0" : "") + std::to_string(a);
    }
    if (c.exposant < 0)
        return texte + "0" + separateur +
               std::string(static_cast<std::size_t>(-c.exposant - 1), '0') + d;
    const auto entiers = static_cast<std::size_t>(c.exposant + 1);
    if (d.size() <= entiers)
        return texte + d + std::string(entiers - d.size(), '0');
    return texte + d.substr(0, entiers) + separateur + d.substr(entiers);
}
} // namespace

std::string EcrireGeneral(double valeur, int n, char separateur) {
    if (valeur == 0)
        return "0";
    return TexteGeneral(EnChiffresSignificatifs(valeur, n), n, separateur);
}

std::string EcrireSimple(float valeur, char separateur) {
    const auto v = static_cast<double>(valeur);
    for (int n = 7; n < 9 && v != 0; ++n) {
#ifdef VARQUIN_CONVERSIONS_C
        // The exact digits know whether they read back: nothing is read.
        if (const auto c = ChiffresExacts(v, n, true)) {
            if (c->relu)
                return TexteGeneral(EnChiffres(v, *c), n, separateur);
            continue;
        }
#endif
        std::string texte = EcrireGeneral(v, n, separateur);
        const auto relu = LireNombre(texte);
        if (relu && static_cast<float>(*relu) == valeur)
            return texte;
    }
    return EcrireGeneral(v, 9, separateur); // nine digits always identify a float
}

std::string EcrireFixe(double valeur, int decimales, char separateur) {
    char tampon[400];
#ifdef VARQUIN_CONVERSIONS_C
    if (const auto a = ArrondirExact(valeur, decimales); a && decimales >= 0) {
        std::string chiffres = std::to_string(a->entier);
        const auto d = static_cast<std::size_t>(decimales);
        if (chiffres.size() <= d)
            chiffres.insert(0, d + 1 - chiffres.size(), '0');
        if (d > 0)
            chiffres.insert(chiffres.size() - d, 1, separateur);
        return (std::signbit(valeur) ? "-" : "") + chiffres;
    }
    const int taille = std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
    std::string r(tampon, static_cast<std::size_t>(taille));
#else
    const auto fin =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, decimales);
    std::string r(tampon, fin.ptr);
#endif
    for (char& c : r) {
        if (c == '.')
            c = separateur;
    }
    return r;
}

std::string EcrireCourt(double valeur) {
#ifdef VARQUIN_CONVERSIONS_C
    return PlusCourt(valeur, false,
                     [](const char* t, double v) { return std::strtod(t, nullptr) == v; });
#else
    char tampon[40];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    return std::string(tampon, r.ptr);
#endif
}

std::string EcrireCourt(float valeur) {
#ifdef VARQUIN_CONVERSIONS_C
    return PlusCourt(static_cast<double>(valeur), true, [](const char* t, double v) {
        return static_cast<double>(std::strtof(t, nullptr)) == v;
    });
#else
    char tampon[40];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    return std::string(tampon, r.ptr);
#endif
}
