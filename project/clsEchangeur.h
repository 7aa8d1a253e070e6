#pragma once
// The heat exchanger between the collector loop and the tank.

#include <cstdint>
#include <string>

class clsprojet;

class clsEchangeur {
public:
    clsprojet* Projet = nullptr;

    std::string Ch_KEch; // status mark of KEch ("V" once computed)
    float KEch = 0;
    float Kech_A = 1;
    std::string PresenceEchangeur = "Sans échangeur"; // or "Echangeur"
    std::string PositionEchangeur = "Séparé";         // or "Incorporé"
    int16_t Kech_Type = 0;
    std::string TypeDeCalcul = "Calc. simple";

    // Choosing a type reads Kech_Type from the exchanger catalogue.
    const std::string& TypeEchangeur() const { return typeEchangeur_; }
    void TypeEchangeur(const std::string& type);
    // The type as a file holds it, without a catalogue look-up.
    void RestaurerTypeEchangeur(const std::string& type) { typeEchangeur_ = type; }

    // An exchanger counts only in a collector-and-tank system whose loop efficiency
    // is computed in detail.
    bool IsEchangeur() const;
    bool IsDetail() const { return TypeDeCalcul == "Calc. détaillé"; }
    bool IsIncorpore() const { return PositionEchangeur == "Incorporé"; }

private:
    std::string typeEchangeur_;
};
