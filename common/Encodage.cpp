#include "common/Encodage.h"

#include <array>
#include <cstdint>

namespace {
// Code points of bytes 0x80..0x9F in Windows-1252; 0 where the byte is undefined
// (those bytes are kept as the C1 control of the same value).
constexpr std::array<char32_t, 32> kPlage80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AjouterUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::size_t LongueurSequence(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    std::size_t n;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        c = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        c = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    const bool tropLong = (n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF));
    if (tropLong || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

bool EstUtf8Multioctet(std::string_view octets) {
    bool multi = false;
    for (std::size_t i = 0; i < octets.size();) {
        char32_t c;
        const std::size_t n = LongueurSequence(octets, i, c);
        if (n == 0)
            return false;
        multi = multi || n > 1;
        i += n;
    }
    return multi;
}

std::string DepuisWindows1252(std::string_view octets) {
    std::string s;
    s.reserve(octets.size() + octets.size() / 8);
    for (std::size_t i = 0; i < octets.size(); ++i) {
        // A run of ASCII is the same in both: copied whole.
        std::size_t fin = i;
        while (fin < octets.size() && static_cast<std::uint8_t>(octets[fin]) < 0x80)
            ++fin;
        s.append(octets.substr(i, fin - i));
        if (fin == octets.size())
            break;
        const auto b = static_cast<std::uint8_t>(octets[fin]);
        char32_t c = b;
        if (b <= 0x9F && kPlage80[b - 0x80] != 0)
            c = kPlage80[b - 0x80];
        AjouterUtf8(s, c);
        i = fin;
    }
    return s;
}

std::string VersWindows1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        std::size_t n = LongueurSequence(utf8, i, c);
        if (n == 0) {
            // Not UTF-8: the byte is taken as it is.
            s += utf8[i];
            ++i;
            continue;
        }
        i += n;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            s += static_cast<char>(c);
            continue;
        }
        char octet = '?';
        for (std::size_t k = 0; k < kPlage80.size(); ++k) {
            if (kPlage80[k] == c || (kPlage80[k] == 0 && c == 0x80 + k)) {
                octet = static_cast<char>(0x80 + k);
                break;
            }
        }
        s += octet;
    }
    return s;
}

std::string DecoderTexte(std::string_view octets) {
    if (octets.size() >= 3 && octets.substr(0, 3) == "\xEF\xBB\xBF")
        octets.remove_prefix(3);
    if (EstUtf8Multioctet(octets))
        return std::string(octets);
    return DepuisWindows1252(octets);
}
