#pragma once
// The storage tank: its catalogue model, its volumes and losses, and where it stands.

#include <cstdint>
#include <string>

class clsprojet;

class clsBallon {
public:
    clsprojet* Projet = nullptr;

    float Vn = 0, Vs = 0, cr = 0;
    int16_t IndiceSituation = 1; // 0 or 1 outdoors, 2 unheated room, 3 heated room
    float Ds = 0;
    std::string TypeDeCalcul_D = "Calc. simple";
    float TLocalChauffe = 19; // temperature of a heated tank room [°C]
    std::string TypeDeCalculVs;

    // Choosing a model reads Vn, Vs and cr from the tank catalogue (0 for a name
    // that is not in it).
    const std::string& TypeBallon() const { return typeBallon_; }
    void TypeBallon(const std::string& modele);
    // The model name as a record holds it, without a catalogue look-up.
    void RestaurerTypeBallon(const std::string& modele) { typeBallon_ = modele; }

private:
    std::string typeBallon_;
};
