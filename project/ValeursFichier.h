#pragma once
// Numbers as the project file and the command line write them: a decimal comma on
// output, a comma or a point on input. Reading is strict: a text that is not wholly a
// number, or a number that does not fit its field, is refused instead of being read
// as 0 or as its leading digits, so that a damaged file is reported rather than
// silently turned into another project.

#include <cstdint>
#include <string>

// The shortest text with at most 7 significant digits, decimal comma, exponent form
// ("1E-05") for very small or large magnitudes. When 7 digits do not read back to the
// same Single, 8 or 9 are written, so that saving never changes a value.
std::string FormatSimple(float valeur);

// A Single field's value. Throws ErreurExecution for a text that is not a number or a
// magnitude beyond the Single range.
float LireSimple(const std::string& texte);
// An Integer field's value, halves rounded to even. Throws ErreurExecution for a text
// that is not a number or a value outside -32768..32767.
int16_t LireEntier(const std::string& texte);
