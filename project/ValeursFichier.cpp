#include "project/ValeursFichier.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "data/modTexte.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
// to_chars and from_chars ignore the process locale, which a desktop toolkit may set
// to one with a decimal comma; snprintf and strtod would follow it.
std::string EnChiffres(float valeur, int chiffres) {
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, static_cast<double>(valeur),
                                 std::chars_format::scientific, chiffres - 1);
    std::string s(tampon, r.ptr);
    // s is "d.dddddde±XX": split mantissa digits and exponent.
    const std::size_t e = s.find('e');
    const int exposant = std::stoi(s.substr(e + 1));
    std::string mantisse = s.substr(0, e);
    const bool negatif = mantisse[0] == '-';
    std::string decimales;
    for (char c : mantisse) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            decimales += c;
    }
    while (decimales.size() > 1 && decimales.back() == '0')
        decimales.pop_back();

    std::string texte = negatif ? "-" : "";
    // The usual general format: plain digits unless the exponent is below -4 or
    // reaches the number of significant digits.
    if (exposant < -4 || exposant >= chiffres) {
        texte += decimales.substr(0, 1);
        if (decimales.size() > 1)
            texte += "," + decimales.substr(1);
        const int a = exposant < 0 ? -exposant : exposant;
        texte += exposant < 0 ? "E-" : "E+";
        return texte + (a < 10 ? "0" : "") + std::to_string(a);
    }
    if (exposant < 0) {
        texte += "0," + std::string(static_cast<std::size_t>(-exposant - 1), '0') + decimales;
        return texte;
    }
    const auto entiers = static_cast<std::size_t>(exposant + 1);
    if (decimales.size() <= entiers)
        return texte + decimales + std::string(entiers - decimales.size(), '0');
    return texte + decimales.substr(0, entiers) + "," + decimales.substr(entiers);
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::string FormatSimple(float valeur) {
    if (valeur == 0.0f || !std::isfinite(valeur))
        return valeur == 0.0f ? "0" : FormatNombre(valeur);
    for (int chiffres = 7; chiffres < 9; ++chiffres) {
        const std::string texte = EnChiffres(valeur, chiffres);
        const auto relu = LireNombreStrict(texte);
        if (relu && static_cast<float>(*relu) == valeur)
            return texte;
    }
    return EnChiffres(valeur, 9); // nine digits always identify a Single
}

std::optional<double> LireNombreStrict(const std::string& texte) {
    const std::string t = Rogner(texte);
    std::string nombre;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            nombre += '-';
        ++i;
    }
    bool chiffres = false;
    for (; i < t.size() && EstChiffre(t[i]); ++i, chiffres = true)
        nombre += t[i];
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        nombre += '.';
        for (++i; i < t.size() && EstChiffre(t[i]); ++i, chiffres = true)
            nombre += t[i];
    }
    if (!chiffres)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        nombre += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            nombre += t[i++];
        if (i >= t.size() || !EstChiffre(t[i]))
            return std::nullopt;
        for (; i < t.size() && EstChiffre(t[i]); ++i)
            nombre += t[i];
    }
    if (i != t.size())
        return std::nullopt;
    double valeur = 0;
    const auto r = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (r.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as 0; too large is refused by the callers.
        const std::size_t e = nombre.find('e');
        const bool petit = e != std::string::npos && nombre.find('-', e) != std::string::npos;
        if (!petit)
            return nombre[0] == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
        return 0.0;
    }
    if (r.ec != std::errc() || r.ptr != nombre.data() + nombre.size())
        return std::nullopt;
    return valeur;
}

float LireSimple(const std::string& texte) {
    const auto valeur = LireNombreStrict(texte);
    if (!valeur)
        throw ErreurExecution(Citer(texte) + " n'est pas un nombre");
    // Half a step above the largest Single already rounds to infinity.
    if (std::fabs(*valeur) >= 0x1.ffffffp+127)
        throw ErreurExecution(Citer(texte) + " est trop grand");
    return static_cast<float>(*valeur);
}

int16_t LireEntier(const std::string& texte) {
    const auto valeur = LireNombreStrict(texte);
    if (!valeur)
        throw ErreurExecution(Citer(texte) + " n'est pas un nombre");
    const double arrondi = std::nearbyint(*valeur); // halves to even
    if (!(arrondi >= -32768.0 && arrondi <= 32767.0))
        throw ErreurExecution(Citer(texte) + " ne tient pas dans un entier");
    return static_cast<int16_t>(arrondi);
}
