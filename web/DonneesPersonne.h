#pragma once
// The person's own data in the browser: the catalogue files that hold their entries
// (collectors, one-piece water heaters, tanks whose names end with "*") and their
// library of certified collectors. The module's data folder lives in memory and is
// built again at every visit: the page keeps these files itself, takes them after
// every change and gives them back before the first project opens. Files are named by
// their path relative to the data folder ("Systeme/Capteurs/Capteurs.txt").

#include <functional>
#include <string>
#include <utility>
#include <vector>

using FichiersPersonne = std::vector<std::pair<std::string, std::string>>; // path, bytes

// Notes the built-in bytes of the person's files, before anything writes them: only
// the files that differ from them are the person's. Call it once, before the first load.
void GarderFichiersOriginaux(const std::string& dossier);

// The person's files that differ from the built-in ones, by relative path.
FichiersPersonne FichiersModifies(const std::string& dossier);

// Writes the files over the data folder's and loads the data again through
// `recharger` (empty, or why the data could not be loaded). A path that is not one of
// the person's files, or a library that does not read, is refused before anything is
// written; a load that fails puts the previous files back and loads them again.
// Returns "" or the refusal, in French.
std::string RemettreFichiers(const std::string& dossier, const FichiersPersonne& fichiers,
                             const std::function<std::string()>& recharger);

// A CSV file's datasheets, `nom` naming it, added to the library as the desktop's
// import does: {"nombre": n, "erreur": ""}, or nombre 0 and the refusal.
std::string ImporterCapteursJson(const std::string& octets, const std::string& nom);

// The library: {"capteurs": [{nom, genre ("plan" | "tubes"), eta0_hem, eta0_b, kd, a1,
// a2, k50, surface_brute, surface_ouverture, bc, kc, ac, type}], "erreur": ""}; `type`
// is the method's type code the collector most likely has.
std::string BibliothequeJson();

// The method's collector categories: [{"nom": ..., "code": n}].
std::string CategoriesCapteursJson();
