#pragma once
// The person's own catalogue items (names ending with "*"): a collector, a one-piece
// water heater or a tank edited in the project window is written back into its
// catalogue file, in place of the entry it was read from, and the catalogues and
// choice lists are read again.

#include <string>
#include <vector>

class clsprojet;

enum class ElementCatalogue { Capteur, ChauffeEau, Ballon };

// The item's name as the project's component holds it.
std::string NomElementCatalogue(const clsprojet& projet, ElementCatalogue element);

// The catalogue line's values for the item as the component holds it, name first:
// collector: name, Bc, Kc, Ac, category code; water heater: name, ABEtap, KsurB, Dn,
// M; tank: name, Vn, Vs, Cr. Numbers in full, so that storing never rounds them.
std::vector<std::string> ValeursElement(const clsprojet& projet, ElementCatalogue element,
                                        const std::string& nom);

// Writes the item, named `nom`, over the entry `avant` of its catalogue, reloads the
// reference tables and choice lists, and gives the name to the component again
// keeping the values it holds. When the catalogue has no entry `avant`, nothing is
// written and the person is told that the change holds for this project only.
// Returns the notice of a user copy of the data folder made for the write ("" when
// none). Throws what the write or the reload throws, the name being given anyway.
std::string EnregistrerElementUtilisateur(clsprojet& projet, ElementCatalogue element,
                                          const std::string& avant, const std::string& nom);
