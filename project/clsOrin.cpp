#include "project/clsOrin.h"

#include "project/clsprojet.h"

void clsOrin::TypeSysteme(const std::string& type) {
    typeSysteme_ = type;
    if (IsChauffeEau() && Projet) {
        Projet->Appoint->TypeAppoint = "Sans appoint";
        Projet->Echangeur->PresenceEchangeur = "Sans échangeur";
        Projet->Ballon->IndiceSituation = 1;
    }
}

int16_t clsOrin::Classe_Systeme() const {
    const clsEchangeur* echangeur = Projet ? Projet->Echangeur.get() : nullptr;
    const bool avecEchangeur = echangeur && echangeur->IsEchangeur();
    int16_t classe = avecEchangeur ? 0 : 2;
    if (avecEchangeur && echangeur->IsIncorpore())
        classe = 1;
    if (IsChauffeEau())
        classe = 3;
    return classe;
}

std::string clsOrin::Categorie_Syteme() const {
    const bool appoint = Projet && Projet->Appoint->IsAppoint();
    return CodeCategorie(Classe_Systeme(), appoint);
}

std::string CodeCategorie(int classe, bool appointIntegre) {
    switch (classe) {
    case 0:
        return appointIntegre ? "CA_EC_BA_AELECI" : "CA_EC_BA_SAI";
    case 1:
        return appointIntegre ? "CA_BA_EC_AINC" : "CA_BA_ECISAI";
    case 2:
        return appointIntegre ? "CA_BA_AELECISEC" : "CA_BA_SASEC";
    case 3:
        return "CHAUFEAUSOLSAI";
    default:
        return {};
    }
}
