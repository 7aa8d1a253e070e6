#pragma once
// Values taken from a file or from the person, made fit to show inside a message: a
// damaged file may hold terminal escape sequences, invalid bytes or a megabyte-long
// value, none of which may reach the screen as they are.

#include <cstddef>
#include <string>
#include <string_view>

// The value with every control character written as an escape ("\t", "\r", "\n",
// "\x1B"; "\u0085" for the C1 and bidirectional controls), every byte that is not
// UTF-8 as "\xFF", and cut to at most `longueurMax` characters (counted on the escaped
// text, "…" included when the value was cut).
std::string Echapper(std::string_view valeur, std::size_t longueurMax = 60);

// The escaped value between French quotes: « valeur ».
std::string Citer(std::string_view valeur, std::size_t longueurMax = 60);

// A path escaped; a very long one keeps its end, where the file's name is.
std::string EchapperChemin(std::string_view chemin);
// The same between French quotes.
std::string CiterChemin(std::string_view chemin);
