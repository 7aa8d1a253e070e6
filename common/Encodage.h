#pragma once
// Text files of the system are Windows-1252; texts in memory are UTF-8.

#include <string>
#include <string_view>

// Length of the UTF-8 sequence that starts at byte i, with its code point in c; 0 when
// the bytes there are not valid UTF-8.
std::size_t LongueurSequence(std::string_view s, std::size_t i, char32_t& c);
// True when the bytes are valid UTF-8 and hold at least one multi-byte sequence.
bool EstUtf8Multioctet(std::string_view octets);
// Windows-1252 bytes to UTF-8.
std::string DepuisWindows1252(std::string_view octets);
// UTF-8 to Windows-1252; a character with no Windows-1252 code becomes "?".
std::string VersWindows1252(std::string_view utf8);
// Bytes of a text file to UTF-8: UTF-8 when the bytes are valid UTF-8 with multi-byte
// sequences (a leading byte-order mark is dropped), Windows-1252 otherwise.
std::string DecoderTexte(std::string_view octets);
