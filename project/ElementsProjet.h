#pragma once
// The items of a project file, in file order. Reading is positional, so this list in
// its order is the file format: every reader and writer walks it through a visitor.

#include "project/modStructures.h"

#include <string>

class VisiteurElements {
public:
    virtual ~VisiteurElements() = default;
    virtual void Section(const char* nom) = 0;
    virtual void Valeur(const char* cle, std::string& texte) = 0;
    virtual void Valeur(const char* cle, float& valeur) = 0;
    virtual void Valeur(const char* cle, int16_t& valeur) = 0;
    virtual void Valeur(const char* cle, TableauMois& mois) = 0;
    virtual void Valeur(const char* cle, TableauPoints& points) = 0;
};

// Number of items of the walk: section headers and values.
inline constexpr int NombreElementsProjet = 116;

// Walks the 116 items over the record; `fichier` is the project's file path, which the
// first value item carries. Fixed texts and the auxiliary's calculation choice pass
// through a text: after the visit, a fixed text is padded to its width and the choice
// is converted back by its leading number.
void ParcourirElements(EnregistrementProjet& projet, std::string& fichier, VisiteurElements& v);
