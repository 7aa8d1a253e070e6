#pragma once
// Finding a name as a person types it: case, accents, hyphens and apostrophes do not
// count, so "rhone" finds "Rhône" and "saint etienne" finds "Saint-Étienne".

#include <string>
#include <string_view>

// The UTF-8 text reduced for comparison: lower case, letters without their accents
// (œ and æ written out, ß as ss), hyphens, apostrophes and runs of blanks made one
// space, no space at either end.
std::string CleRecherche(std::string_view texte);

// True when the typed text, reduced the same way, occurs anywhere in the name; an
// empty typed text matches every name.
bool CorrespondRecherche(std::string_view nom, std::string_view saisie);
