#include "common/Recherche.h"

#include <array>
#include <cstdint>

namespace {
// The letters U+00C0 to U+00FF without accent, in lower case; "" for the two signs.
constexpr std::array<const char*, 64> Latin1 = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// One character of the text from byte i, moving i past it; a broken sequence gives
// its first byte alone.
char32_t Suivant(std::string_view s, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t c = octet(i);
    const int suite = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (suite == 0 || i + suite >= s.size()) {
        ++i;
        return c;
    }
    char32_t code = c & (0x3F >> suite);
    for (int k = 1; k <= suite; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        code = (code << 6) | (octet(i + k) & 0x3F);
    }
    i += suite + 1;
    return code;
}

// The reduced form of one character; a character outside Latin-1 stays as written.
std::string Reduit(char32_t c, std::string_view original) {
    if (c < 0x80) {
        if (c == '-' || c == '\'' || c == ' ' || c == '\t')
            return " ";
        return std::string(1, static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
    }
    if (c >= 0xC0 && c <= 0xFF)
        return Latin1[c - 0xC0];
    if (c == 0x152 || c == 0x153)
        return "oe";
    if (c == 0x178)
        return "y";
    if (c == 0x2019 || c == 0x2010 || c == 0x2011 || c == 0xA0)
        return " ";
    return std::string(original);
}
} // namespace

std::string CleRecherche(std::string_view texte) {
    std::string cle;
    cle.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t debut = i;
        const std::string r = Reduit(Suivant(texte, i), texte.substr(debut, i - debut));
        // Blanks collapse, and none starts the key.
        if (r == " " && (cle.empty() || cle.back() == ' '))
            continue;
        cle += r;
    }
    if (!cle.empty() && cle.back() == ' ')
        cle.pop_back();
    return cle;
}

bool CorrespondRecherche(std::string_view nom, std::string_view saisie) {
    return CleRecherche(nom).find(CleRecherche(saisie)) != std::string::npos;
}
