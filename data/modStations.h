#pragma once
// The country -> department -> station cascade of the site choice, and the reading
// of one station's columns from the station collection.

#include "data/ModCollection.h"

#include <string>

// List 1: the departments of Depar_Fr whose countries text contains `pays`, in file
// order, ended by an empty item.
void RemplirDepartements(const std::string& pays);

// List 2: the stations of Ville_Fr for the department, then (at the top level only)
// those of each department it names with an "&" line; one level only. The list is
// emptied first at the top level and ended by an empty item. More than 151 stations
// throw ErreurIndice.
void RemplirStations(const std::string& departement, bool niveauSuperieur = true);

// The department of the station in Ville_Fr: the first line whose text is the
// station's name, or, when there is none, the first line whose text contains it.
// `departement` is left unchanged when no line matches.
void DepartementDeStation(const std::string& station, std::string& departement);

// The station's latitude (its "Latitude" text without the last two characters),
// hemisphere ("N" when that text contains an N, else "S"), zone and three monthly
// series (D1, D2, D3). ErreurIndice for a station that is not in Stations or lacks a
// column, ErreurExecution for a latitude text shorter than two characters.
void LireStation(const std::string& station, float& latitude, std::string& hemisphere,
                 std::string& zone, CollectionNombres& Gh, CollectionNombres& Text,
                 CollectionNombres& Tef);

// The climatic zone of a station from its distance-to-sea class (1: < 1 km, 2: 1 to
// 5 km, 3: 5 to 10 km, 4: 10 km or more): "Zone maritime" within 10 km of the sea,
// "Zone continentale" beyond, and for a class outside 1..4.
std::string ZoneDeClasseMer(int classeMer);
