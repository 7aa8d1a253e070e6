#pragma once
// Character-level routines on UTF-8 texts. Positions and lengths count characters,
// not bytes; trimming removes spaces (code 32) only, never tabs.

#include <cstddef>
#include <string>
#include <string_view>

std::string Rogner(std::string_view s);      // spaces removed at both ends
std::string RognerDebut(std::string_view s); // leading spaces removed
std::string RognerFin(std::string_view s);   // trailing spaces removed

std::size_t NbCaracteres(std::string_view s);
// Byte offset of character number `caractere` (0-based); s.size() past the end.
std::size_t OctetDuCaractere(std::string_view s, std::size_t caractere);
// Characters from `debut` (0-based), at most `n` of them.
std::string SousTexte(std::string_view s, std::size_t debut,
                      std::size_t n = std::string_view::npos);
// A fixed text of n characters: padded with spaces, or cut when longer.
std::string TexteFixe(std::string_view s, std::size_t n);

// Byte offset of the first CR or LF from byte `debut`, or npos. A plain scan: a search
// for any of a set of characters tries the whole set at every character.
std::size_t FinDeLigne(std::string_view s, std::size_t debut = 0);

// Capitals, including the accented letters of French.
std::string EnMajuscules(std::string_view s);
std::string EnMinuscules(std::string_view s);
bool EgalSansCasse(std::string_view a, std::string_view b);
