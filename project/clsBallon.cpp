#include "project/clsBallon.h"

#include "data/modDonnees.h"

void clsBallon::TypeBallon(const std::string& modele) {
    typeBallon_ = modele;
    LireValeursTable(TableBallons, modele, {&Vn, &Vs, &cr});
}
