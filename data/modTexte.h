#pragma once
// The text routines shared by every reader of the reference data and project files.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* CRLF = "\r\n";

// Takes one line (up to CR LF) off the front of the buffer; empty when the buffer is.
std::string LireLigne(std::string& tampon);
// The same on a view of the buffer, which is advanced past the line: the line is a view
// into the buffer, and reading a whole file this way takes time in proportion to its
// length (LireLigne moves the rest of the buffer at every line).
std::string_view LireLigneVue(std::string_view& tampon);
// Trims the text, returns the trimmed part before the first separator and leaves the
// trimmed rest in the text (or returns it all and empties the text).
std::string LireMot(std::string& texte, const std::string& separateur);
// "." becomes "," in the value (which is changed); empty gives 0; a value that is
// not a number shows "Erreur de conversion de <valeur>." through the notifier. In
// every case the leading decimal number (comma or point) is returned, 0 when none.
double ConvertirNombre(std::string& valeur);
double ConvertirNombre(const std::string& valeur); // same, on a copy
// The same, the conversion message given back in `erreur` (empty when none) instead of
// being shown.
double ConvertirNombre(std::string& valeur, std::string& erreur);
// True when the text reads as a number with a decimal comma (the program's culture).
bool EstNumerique(const std::string& texte);
// The leading decimal number of the text (spaces, sign, digits, "." or ",", exponent).
double ValeurEnTete(const std::string& texte);
std::string Remplacer(const std::string& source, const std::string& cherche,
                      const std::string& remplacement);
// Twelve space-separated values into months 1..12 (missing ones give 0).
void LireDouzeValeurs(const std::string& texte, std::array<float, 13>& mois);
// Trims and reduces runs of spaces to one.
std::string CompacterEspaces(const std::string& texte);
// The n-th token (1-based) of the text.
std::string MotNumero(const std::string& texte, int n, const std::string& separateur);
// The value with n decimals and a decimal comma, rounded half away from zero on its
// 15-digit decimal form, as the program's number patterns round ("0.00": 2.675 gives
// "2,68", 0.125 gives "0,13"); no sign on a value that rounds to zero.
std::string FormatDecimales(double valeur, int decimales);
// "0.00" with a decimal comma, of ConvertirNombre(valeur).
std::string FormatDeuxDecimales(const std::string& valeur);
std::string FormatDeuxDecimales(double valeur);
// The integer part of (valeur + 0.5).
std::string FormatEntier(double valeur);
// "Calc. simple" 0, "Calc. détaillé" 1, "Val. forcée" 2, anything else 0.
int16_t CodeTypeDeCalcul(const std::string& libelle);
std::string LibelleTypeDeCalcul(int code);
// A value converted to a 16-bit integer, rounding halves to even; throws
// ErreurExecution ("Dépassement de capacité") outside -32768..32767.
int16_t VersEntier16(double valeur);
// A number written with a decimal comma and no trailing zeros (as the program's
// culture writes a Single in full).
std::string FormatNombre(double valeur);
