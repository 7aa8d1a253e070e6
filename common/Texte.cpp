#include "common/Texte.h"

#include <cstdint>

std::string Rogner(std::string_view s) {
    return RognerFin(RognerDebut(s));
}

std::string RognerDebut(std::string_view s) {
    const std::size_t i = s.find_first_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(i));
}

std::string RognerFin(std::string_view s) {
    const std::size_t i = s.find_last_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(0, i + 1));
}

namespace {
bool EstSuite(char c) {
    return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80;
}
} // namespace

std::size_t NbCaracteres(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += EstSuite(c) ? 0 : 1;
    return n;
}

std::size_t OctetDuCaractere(std::string_view s, std::size_t caractere) {
    std::size_t vus = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (EstSuite(s[i]))
            continue;
        if (vus == caractere)
            return i;
        ++vus;
    }
    return s.size();
}

std::string SousTexte(std::string_view s, std::size_t debut, std::size_t n) {
    const std::size_t a = OctetDuCaractere(s, debut);
    if (n == std::string_view::npos)
        return std::string(s.substr(a));
    const std::size_t b = a + OctetDuCaractere(s.substr(a), n);
    return std::string(s.substr(a, b - a));
}

std::string TexteFixe(std::string_view s, std::size_t n) {
    std::string r = SousTexte(s, 0, n);
    const std::size_t longueur = NbCaracteres(r);
    if (longueur < n)
        r.append(n - longueur, ' ');
    return r;
}

namespace {
// Latin-1 letters are two bytes C3 xx in UTF-8; lower and upper case differ by 0x20
// in the second byte (except for the multiplication and division signs and ÿ/ß).
std::string ChangerCasse(std::string_view s, bool versMajuscules) {
    std::string r(s);
    for (std::size_t i = 0; i < r.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(r[i]);
        if (versMajuscules && c >= 'a' && c <= 'z') {
            c = static_cast<unsigned char>(c - 32);
        } else if (!versMajuscules && c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xC3 && i + 1 < r.size()) {
            auto& d = reinterpret_cast<unsigned char&>(r[i + 1]);
            if (versMajuscules && d >= 0xA0 && d <= 0xBE && d != 0xB7)
                d = static_cast<unsigned char>(d - 0x20);
            else if (!versMajuscules && d >= 0x80 && d <= 0x9E && d != 0x97)
                d = static_cast<unsigned char>(d + 0x20);
            ++i;
        } else if (c == 0xC5 && i + 1 < r.size()) {
            // Œ (C5 92) and œ (C5 93).
            auto& d = reinterpret_cast<unsigned char&>(r[i + 1]);
            if (versMajuscules && d == 0x93)
                d = 0x92;
            else if (!versMajuscules && d == 0x92)
                d = 0x93;
            ++i;
        }
    }
    return r;
}
} // namespace

std::string EnMajuscules(std::string_view s) {
    return ChangerCasse(s, true);
}
std::string EnMinuscules(std::string_view s) {
    return ChangerCasse(s, false);
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
    return EnMajuscules(a) == EnMajuscules(b);
}

std::size_t FinDeLigne(std::string_view s, std::size_t debut) {
    for (std::size_t i = debut; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n')
            return i;
    }
    return std::string_view::npos;
}
