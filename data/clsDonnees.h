#pragma once
// One station of the station collection: its column texts keyed by column name.

#include "data/Collection.h"

#include <string>

class clsDonnees {
public:
    // Column texts keyed by column name ("Latitude", "Zone", "D1", "D2", "D3").
    Collection<std::string> donnees;

    // The text of a column; ErreurIndice naming the column when the object lacks it
    // (a station with fewer lines than columns).
    const std::string& Colonne(const std::string& nom) const;
};
