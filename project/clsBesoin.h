#pragma once
// The monthly hot-water needs: daily consumption and hot-water temperature.

#include "data/ModCollection.h"

class clsprojet;

class clsBesoin {
public:
    clsBesoin();

    clsprojet* Projet = nullptr;
    CollectionNombres Conso; // [l/j], months 1..12
    CollectionNombres Tref;  // [°C], months 1..12
};
