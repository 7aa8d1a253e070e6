#pragma once
// The collector loop: its efficiency, the energy flow rates of its two circuits and
// its heat loss, each with its calculation choice.

#include <cstdint>
#include <string>

class clsprojet;

class clsBoucle {
public:
    clsprojet* Projet = nullptr;

    // Efficiency
    float R = 0.9f;
    float Etap = 0;
    std::string TypeDeCalculEfficacite = "Calc. simple";

    // First circuit (collector side)
    float cp = 0, Debit_Total = 0, Debit_Unitaire = 0, DebitEner = 0, Fa = 0;
    // Second circuit
    float cp2 = 0, Debit_Total2 = 0, Debit_Unitaire2 = 0, DebitEner2 = 0, Fa2 = 0;

    // Heat loss
    int16_t Calorifugeage = 1; // item of the list "Sans", "Avec"
    float eit = 0, K = 0, Kt = 0, L = 0, Lit = 0, Phit = 0;
    std::string TypeDeCalculDeperdition = "Calc. simple";

    // The second circuit may be forced only while the first one is.
    const std::string& TypeDeCalcul1() const { return typeDeCalcul1_; }
    void TypeDeCalcul1(const std::string& choix);
    const std::string& TypeDeCalcul2() const { return typeDeCalcul2_; }
    void TypeDeCalcul2(const std::string& choix);

private:
    std::string typeDeCalcul1_ = "Calc. simple";
    std::string typeDeCalcul2_ = "Calc. simple";
};
