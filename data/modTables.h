#pragma once
// Text tables: two heading lines, then lines of values, "#" and a name.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

struct TableLigne {
    std::string Texte;       // before the first "#", trimmed
    std::string Commentaire; // after the first "#", trailing spaces removed
    int16_t Indice = 0;      // 1 for the first data line
};

// Entries 0..N; entry 0 holds the path of the file in its Commentaire.
using Table = std::vector<TableLigne>;

// True when the trimmed path can be opened for reading.
bool FichierExiste(const std::string& chemin);
// Message 44 with the path when the file does not exist.
void VerifierFichier(const std::string& chemin);

// Reads a table file (path already resolved). Throws ErreurFichier when it cannot be
// read, after message 44; the table then holds entry 0 only. A data line without "#"
// gives message 33 and is skipped.
void LireTable(const std::string& chemin, Table& table);
// The same on the text of a file (CR LF lines).
void LireTableDepuisTexte(const std::string& contenu, const std::string& chemin, Table& table);

// An output of LireValeursTable: a text receives the token, a number its value.
using SortieTable = std::variant<std::string*, float*, double*, int16_t*>;

// Entry k (1..N) of the table, its values distributed over the outputs.
void LireValeursTable(const Table& table, int k, std::initializer_list<SortieTable> sorties);
// The last entry whose name equals the key (case counts); "" selects nothing.
void LireValeursTable(const Table& table, const std::string& cle,
                      std::initializer_list<SortieTable> sorties);
// The index of the entry LireValeursTable would take for the key, 0 when none.
int IndiceEntree(const Table& table, const std::string& cle);
