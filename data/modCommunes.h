#pragma once
// The communes of France, for finding a site's department by its town's name or
// postcode. The table is large and only the station search needs it, so it is read
// the first time it is searched, not at start-up.
//
// Communes\Communes.TXT: department code, population, postcodes # commune name.
// Communes\Departements.TXT: department code # department name as the department
// table (Pays\Depar_Fr.TXT) writes it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct Commune {
    std::string nom;
    std::string departement; // the name in the department table
    std::vector<std::string> codesPostaux;
    long population = 0;
    std::string cle; // the name reduced for searching (CleRecherche)
};

// The communes of the install folder, read on the first call and again when the
// install folder changes. Throws ErreurFichier when a file is missing or unreadable
// (nothing is kept, the next call tries again). A commune whose department code the
// department file does not know is left out.
const std::vector<Commune>& Communes();

// Up to `max` communes for what is typed: by the start of a postcode when the text is
// made of digits, otherwise by any part of the name (case and accents ignored); the
// communes whose name starts with the text first, then the most populated. Fewer
// than two characters find nothing.
std::vector<const Commune*> ChercherCommunes(std::string_view saisie, std::size_t max = 30);

// The stations proposed for a department (those of the department, then those of its
// neighbours), without changing the station list the project window shows.
std::vector<std::string> StationsDuDepartement(const std::string& departement);

// The country to choose for the department: `prefere` when its department list holds
// the department, otherwise the first country that does; "" when none does.
std::string PaysDuDepartement(const std::string& departement, const std::string& prefere);
