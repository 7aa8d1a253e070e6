#include "project/EtatApplication.h"

EtatApplication& Etat() {
    static EtatApplication etat;
    return etat;
}

void EtatApplication::Reinitialiser() {
    suspensions_ = 0;
    calculAuto_ = true;
    projetActif_ = nullptr;
    tenues_ = 0;
}
