#pragma once
// Reading the texts of input values as the table of input rules takes them: numbers
// with a comma or a point, monthly series and mask points as blank- or
// ";"-separated lists, calculation choices as a label or a code.

#include "data/ModCollection.h"

#include <optional>
#include <string>
#include <vector>

// The numbers of a list ("1;2;3", "1 2 3", tabs too). Throws ErreurParametre for a
// text that is not a number, or for no value or more than `maximum`.
std::vector<double> LireValeurs(const std::string& texte, std::size_t maximum);
// A monthly series (maximum 12: one value for every month, or twelve) or mask points
// (maximum 32: one to 32 values) into the collection.
void LireSerie(const std::string& texte, std::size_t maximum, CollectionNombres& serie);
// A whole number, halves to even. Throws ErreurParametre.
int16_t LireEntierArrondi(const std::string& texte);
// A calculation choice given by its label or its code 0, 1, 2: its label. Throws
// ErreurParametre.
std::string LibelleChoix(const std::string& texte);
// The items of a choice list, up to its first empty one.
std::vector<std::string> ItemsListe(int liste);
// The number a label stands for in the tilt or orientation list; nothing when the
// list has no table of numbers or the label is not in it.
std::optional<double> NombreDuLibelle(int liste, const std::string& libelle);
// « text », cut to 60 characters with control characters shown escaped.
std::string Guillemets(const std::string& texte);
