#include "project/clsEchangeur.h"

#include "data/modDonnees.h"
#include "project/clsprojet.h"

void clsEchangeur::TypeEchangeur(const std::string& type) {
    typeEchangeur_ = type;
    LireValeursTable(TableEchange, type, {&Kech_Type});
}

bool clsEchangeur::IsEchangeur() const {
    return PresenceEchangeur == "Echangeur" && Projet &&
           Projet->Boucle->TypeDeCalculEfficacite == "Calc. détaillé" &&
           !Projet->Systeme->IsChauffeEau();
}
