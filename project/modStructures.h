#pragma once
// The table of open projects: one record per open project, reached by index.

#include "engine/EnregistrementCalcul.h"

#include <vector>

// Element 0 of the table is never used; projects refer to their record by index
// only, since growing the table moves the records.

inline constexpr const char* NomLibre = "VIDE";

// Indices 0..1, element 1 free.
void InitialiserProjets();
// True when the record's trimmed name is "VIDE".
bool EstLibre(const EnregistrementProjet& projet);
// The free element with the highest index; when none is free, the table grows by one
// element (numbers 0, texts empty) and that element's index is returned.
int ChoisirEnregistrement();
// Marks the element free again; its other fields keep their values.
void LibererEnregistrement(int indice);
// Element `indice` (1..n); throws ErreurIndice outside the table.
EnregistrementProjet& Projet(int indice);
// The highest index of the table.
int NombreEnregistrements();
