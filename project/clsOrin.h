#pragma once
// The system as a whole: its type, its classification for the engine, and the
// results of the last run, which stay with the project between runs.

#include "data/ModCollection.h"
#include "engine/EnregistrementCalcul.h"

#include <cstdint>
#include <string>

class clsprojet;

inline constexpr const char* ChauffeEauMonobloc = "CHAUFFE-EAU MONOBLOC";
inline constexpr const char* SystemeCapteurBallon = "SYSTEME CAPTEUR BALLON";

class clsOrin {
public:
    clsprojet* Projet = nullptr;

    float Alpha = 1;
    float Becs_an = 0, Fecs_an = 0, Productivite_an = 0, Productivite_par_m2 = 0;
    CollectionNombres T, X, S, F2, Z, Fecs, Prod; // monthly results, empty until a run

    // Choosing the one-piece water heater also removes the auxiliary and the
    // exchanger and puts the store outdoors.
    const std::string& TypeSysteme() const { return typeSysteme_; }
    void TypeSysteme(const std::string& type);

    // The type as a saved project gives it back, without the side effects.
    void RestaurerTypeSysteme(const std::string& type) { typeSysteme_ = type; }

    bool IsChauffeEau() const { return typeSysteme_ == ChauffeEauMonobloc; }
    // 0 separate exchanger, 1 exchanger in the tank, 2 no exchanger, 3 one-piece heater.
    ClasseSysteme Classe_Systeme() const;
    // The system type code of the class, with or without an integrated auxiliary.
    std::string Categorie_Syteme() const;

private:
    std::string typeSysteme_ = ChauffeEauMonobloc;
};

// The code of a class, "" for any other class.
std::string CodeCategorie(ClasseSysteme classe, bool appointIntegre);
