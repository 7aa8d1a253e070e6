#pragma once
// The reference data in memory: one text table per file of the data folder and the
// station collection, loaded at start-up by ChargerDonnees and again, all together,
// after a user entry or a station has been rewritten in its file.

#include "data/Collection.h"
#include "data/clsDonnees.h"
#include "data/modTables.h"

#include <string>
#include <vector>

// Paths under the install folder, as the method writes them.
namespace fichier {
inline constexpr const char* Pays = "\\Pays\\Pays.TXT";
inline constexpr const char* Departements = "\\Pays\\Depar_Fr.TXT";
inline constexpr const char* Villes = "\\Pays\\Ville_Fr.TXT";
inline constexpr const char* Stations = "\\Pays\\Stati_Fr.TXT";
inline constexpr const char* Stations2 = "\\Pays\\Stati_Fr2.TXT";
inline constexpr const char* Capteurs = "\\Systeme\\Capteurs\\Capteurs.txt";
inline constexpr const char* CategorieCapteurs = "\\Systeme\\Capteurs\\CategorieCapteurs.txt";
inline constexpr const char* Inclinaisons = "\\Systeme\\Capteurs\\INCLINAI.DON";
inline constexpr const char* ChauffeEau = "\\Systeme\\Capteurs\\CHAUFEAU.txt";
inline constexpr const char* OrientationsNord = "\\Systeme\\Capteurs\\ORIENTAN.DON";
inline constexpr const char* OrientationsSud = "\\Systeme\\Capteurs\\ORIENTAS.DON";
inline constexpr const char* Ballons = "\\Systeme\\Ballons\\Ballons.TXT";
inline constexpr const char* Situations = "\\Systeme\\SITUATIO.TXT";
inline constexpr const char* Alim = "\\Systeme\\ALIM.DON";
inline constexpr const char* ISBallon = "\\Systeme\\ISBallon.DON";
inline constexpr const char* ISTuyaux = "\\Systeme\\ISTuyaux.txt";
inline constexpr const char* Echange = "\\Systeme\\Echange.TXT";
} // namespace fichier

// The reference tables, mutable globals on purpose: loaded once at start-up, the same
// for every open project, read again only when a person's catalogue entry or station
// is written (and TableOrientations when a station of the other hemisphere is
// chosen). Written only by ChargerDonnees and those rewrites.
extern Table TablePays;              // countries
extern Table TableDepartements;      // departments: countries # department
extern Table TableVilles;            // station or "&department" # department
extern Table TableStations;          // Stati_Fr as a table (station dialog)
extern Table TableStations2;         // altitude, distance class, town class # station
extern Table TableCapteurs;          // Bc Kc Ac type # collector
extern Table TableCategorieCapteurs; // collector categories
extern Table TableInclinaisons;      // tilt # label
extern Table TableChauffeEau;        // ABEtap KsurB Dn m # one-piece water heater
extern Table TableBallons;           // Vn Vs cr # tank
extern Table TableSituations;        // tank locations
extern Table TableAlim;
extern Table TableISBallon;
extern Table TableISTuyaux;     // pipe insulation
extern Table TableEchange;      // Kech_Type # exchanger
extern Table TableOrientations; // orientation # label, of the current hemisphere

// The weather stations keyed by name, their columns under ColonnesStation.
extern Collection<clsDonnees> Stations;
extern const std::vector<std::string> ColonnesStation; // Latitude, Zone, D1, D2, D3

// A file of the loading order and the table it fills.
struct FichierReference {
    const char* chemin;
    Table* table;
};
// The files read by ChargerDonnees, in its order.
const std::vector<FichierReference>& FichiersReference();

// Reads every reference file in the loading order, Stati_Fr into Stations and then
// as a table, with the busy cursor on. The first file that cannot be read throws
// (ErreurFichier, or the error of a faulty file): it and the files after it are not
// read in this call.
void ChargerDonnees();

// Reads the orientation table of the hemisphere ("S" the southern file, anything
// else the northern one) and copies its names into list 17.
void ChargerOrientations(const std::string& hemisphere);
