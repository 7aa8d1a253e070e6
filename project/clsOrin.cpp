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

ClasseSysteme clsOrin::Classe_Systeme() const {
    using enum ClasseSysteme;
    const clsEchangeur* echangeur = Projet ? Projet->Echangeur.get() : nullptr;
    const bool avecEchangeur = echangeur && echangeur->IsEchangeur();
    ClasseSysteme classe = avecEchangeur ? EchangeurSepare : SansEchangeur;
    if (avecEchangeur && echangeur->IsIncorpore())
        classe = EchangeurIncorpore;
    if (IsChauffeEau())
        classe = ChauffeEauMonobloc;
    return classe;
}

std::string clsOrin::Categorie_Syteme() const {
    const bool appoint = Projet && Projet->Appoint->IsAppoint();
    return CodeCategorie(Classe_Systeme(), appoint);
}

std::string CodeCategorie(ClasseSysteme classe, bool appointIntegre) {
    switch (classe) {
    case ClasseSysteme::EchangeurSepare:
        return appointIntegre ? "CA_EC_BA_AELECI" : "CA_EC_BA_SAI";
    case ClasseSysteme::EchangeurIncorpore:
        return appointIntegre ? "CA_BA_EC_AINC" : "CA_BA_ECISAI";
    case ClasseSysteme::SansEchangeur:
        return appointIntegre ? "CA_BA_AELECISEC" : "CA_BA_SASEC";
    case ClasseSysteme::ChauffeEauMonobloc:
        return "CHAUFEAUSOLSAI";
    default:
        return {};
    }
}
