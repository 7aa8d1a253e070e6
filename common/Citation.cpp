#include "common/Citation.h"

#include "common/Encodage.h"
#include "common/Texte.h"

#include <cstdio>

namespace {
constexpr std::size_t LongueurCheminMax = 200;

bool EstControleAffiche(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string Code(const char* format, unsigned valeur) {
    char t[12];
    std::snprintf(t, sizeof t, format, valeur);
    return t;
}

// The text shown for the character at byte i (its length in bytes in `octets`), and
// how many characters that text has.
std::string Morceau(std::string_view s, std::size_t i, std::size_t& octets,
                    std::size_t& caracteres) {
    char32_t c = 0;
    octets = LongueurSequence(s, i, c);
    if (octets == 0) {
        octets = 1;
        caracteres = 4;
        return Code("\\x%02X", static_cast<unsigned char>(s[i]));
    }
    if (c == '\t' || c == '\n' || c == '\r') {
        caracteres = 2;
        return c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
    }
    if (c < 0x20 || c == 0x7F) {
        caracteres = 4;
        return Code("\\x%02X", static_cast<unsigned>(c));
    }
    if (EstControleAffiche(c)) {
        caracteres = 6;
        return Code("\\u%04X", static_cast<unsigned>(c));
    }
    caracteres = 1;
    return std::string(s.substr(i, octets));
}
} // namespace

std::string Echapper(std::string_view valeur, std::size_t longueurMax) {
    std::string r;
    std::size_t n = 0;
    std::size_t coupe = std::string::npos; // where "…" goes when the value is cut
    for (std::size_t i = 0; i < valeur.size();) {
        std::size_t octets = 0, caracteres = 0;
        const std::string morceau = Morceau(valeur, i, octets, caracteres);
        if (coupe == std::string::npos && n + caracteres + 1 > longueurMax)
            coupe = r.size();
        if (n + caracteres > longueurMax) {
            r.resize(coupe);
            return r + "…";
        }
        r += morceau;
        n += caracteres;
        i += octets;
    }
    return r;
}

std::string Citer(std::string_view valeur, std::size_t longueurMax) {
    return "« " + Echapper(valeur, longueurMax) + " »";
}

std::string EchapperChemin(std::string_view chemin) {
    const std::string e = Echapper(chemin, std::string::npos - 1);
    const std::size_t n = NbCaracteres(e);
    if (n <= LongueurCheminMax)
        return e;
    return "…" + SousTexte(e, n - (LongueurCheminMax - 1));
}

std::string CiterChemin(std::string_view chemin) {
    return "« " + EchapperChemin(chemin) + " »";
}
