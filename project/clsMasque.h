#pragma once
// The shading mask of the horizon: angular height and azimuth of each point.

#include "data/ModCollection.h"

#include <cstdint>

class clsprojet;

class clsMasque {
public:
    clsMasque();

    clsprojet* Projet = nullptr;
    CollectionNombres Masque_Hauteur; // [°]
    CollectionNombres Masque_Angle;   // azimuths [°]
    int16_t NbPoints = 2;
    int16_t Masque_Existe = 0; // item of the list "Sans masque", "Masques"

    bool IsMasque() const { return Masque_Existe == 1; }
};
