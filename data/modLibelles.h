#pragma once
// The choice lists offered by the project window: fixed lists and the names of the
// catalogue entries, countries, departments, stations and orientations.

#include "data/modCatalogues.h"
#include "data/modTables.h"

#include <array>
#include <string>

inline constexpr int LibelleListeMax = 50; // lists 0..50
inline constexpr int LibelleItemMax = 150; // items 0..150

// The choice lists by number.
namespace Liste {
enum Numero : int {
    Pays = 0,
    Departements = 1,
    Stations = 2,
    DistanceMer = 3,
    Population = 4,
    ChauffeEau = 5,
    Masque = 10,
    PresenceEchangeur = 11,
    TypesEchangeur = 12,
    TypesSysteme = 14,
    Capteurs = 15,
    Inclinaisons = 16,
    Orientations = 17,
    Calorifugeage = 19,
    Ballons = 23,
    Situations = 24,
    Appoint = 26,
    PositionEchangeur = 27,
    ChoixCalcul = 28,
    Isolants = 29,
    Alimentation = 31,
    CategoriesCapteurs = 32,
    Zones = 34,
};
} // namespace Liste

// Libelles[list][item]; every cell starts empty and a list ends at its first empty
// item (or at item 150).
using ListeLibelles = std::array<std::string, LibelleItemMax + 1>;
// A mutable global on purpose: filled at start-up, lists 1, 2 and 17 then follow the
// active project's country, department and hemisphere (the window's pick lists).
extern std::array<ListeLibelles, LibelleListeMax + 1> Libelles;

// Fills the fixed lists and copies the catalogue names into their lists, with the
// busy cursor on. A catalogue too long for its list throws ErreurIndice, and the
// lists after it are not filled.
void RemplirLibelles();

// Item i-1 of the list becomes the name of entry i (trailing spaces removed), for
// every entry of the table; the items after them keep what they held. An entry that
// does not fit (the 152nd) throws ErreurIndice naming the table's file, after the
// first 151 names have been copied.
void RemplirListe(int liste, const Table& table);

// The label after `libelle` in the list, wrapping to item 0 after the last one;
// item 0 when the label is not in the list ("" for an empty list).
std::string LibelleSuivant(const std::string& libelle, int liste);
