#pragma once
// The person's own catalogue items (names ending with "*"): a collector, a one-piece
// water heater or a tank edited in the project window is written back into its
// catalogue file, in place of the entry it was read from, and the catalogues and
// choice lists are read again.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class clsprojet;
struct FicheCapteur;

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

// The entries of the item's catalogue that are the person's own (names ending with
// "*"), in the catalogue's order.
std::vector<std::string> EntreesUtilisateur(ElementCatalogue element);

// The name the person typed for an item, trimmed and ending with "*". Throws
// ErreurParametre, in the project window's words, for fewer than 3 characters.
std::string NomSaisiElement(ElementCatalogue element, const std::string& saisie);

// Checks that the item may be stored as `nom` over the person's entry `entree`: the
// entry is one of theirs and no other entry already has that name. Throws
// ErreurParametre saying which entry to choose instead.
void VerifierEntreeUtilisateur(ElementCatalogue element, const std::string& entree,
                               const std::string& nom);

// The method's collector categories (the catalogue's names) with their type codes.
std::vector<std::pair<std::string, int16_t>> CategoriesCapteurs();

// The type code a datasheet's collector most likely has: tubes sous vide are code 3,
// a flat plate most often a selective one (2).
int16_t TypeProbable(const FicheCapteur& fiche);

// A certified collector chosen for the project: its method values and the type code
// `type` become the project's collector, stored over the person's entry `entree`
// under the datasheet's name followed by "*". Refusals as VerifierEntreeUtilisateur;
// returns and throws what EnregistrerElementUtilisateur does.
std::string ChoisirCapteurCertifie(clsprojet& projet, const FicheCapteur& fiche, int16_t type,
                                   const std::string& entree);
