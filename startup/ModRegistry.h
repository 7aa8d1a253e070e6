#pragma once
// The install folder's configuration. There is no registry on this platform: the
// value `OrinDir` of the key "SOFTWARE\NORDAVE\VARQUIN" is read from an INI-style file
// named varquin.conf, with the key as its section:
//
//     [SOFTWARE\NORDAVE\VARQUIN]
//     OrinDir=/opt/varquin/share/varquin
//
// The system files are looked for in each folder of $XDG_CONFIG_DIRS (default
// /etc/xdg), the first one holding the value winning; the user's file
// $XDG_CONFIG_HOME/varquin.conf (default ~/.config/varquin.conf) wins over them.
// Sections and value names are matched without regard to case, as registry keys are.

#include <string>
#include <vector>

inline constexpr const char* FichierConfiguration = "varquin.conf";

// The value as text, "" when it is absent or no file can be read; never throws.
std::string QueryValue(const std::string& cle, const std::string& nomValeur);

// The configuration files in order of precedence, the winning one first.
std::vector<std::string> FichiersConfiguration();

// The value from the first of the files that holds it (non-empty), else "".
std::string LireValeurConfiguration(const std::vector<std::string>& fichiers,
                                    const std::string& cle, const std::string& nomValeur);

// The value from the text of one INI file, "" when absent.
std::string ValeurIni(const std::string& contenu, const std::string& section,
                      const std::string& nom);
