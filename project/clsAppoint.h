#pragma once
// The auxiliary heating: present or not, and how its electric heater runs.

#include <string>

class clsprojet;

class clsAppoint {
public:
    clsprojet* Projet = nullptr;

    std::string TypeAppoint = "Sans appoint"; // or "Appoint intégré"
    std::string ModeAppoint = "Continue";     // or "H creuses"
    float VcElec = 0;
    std::string TypeCalculVcElec; // calculation choice of VcElec

    bool IsAppoint() const { return TypeAppoint == "Appoint intégré"; }
    // Share of the tank heated by the auxiliary: 0.9 running continuously, else 0.6.
    float XElec() const { return ModeAppoint == "Continue" ? 0.9f : 0.6f; }
};
