#pragma once
// The collector field (or the one-piece water heater): catalogue models, number and
// area of the collectors, tilt and orientation.

#include "project/modStructures.h"

#include <cstdint>
#include <string>

class clsprojet;

class clsCapteurs {
public:
    // Defaults: the first model of the collector and water-heater lists, one
    // collector, tilt 45°, orientation 0°.
    clsCapteurs();

    clsprojet* Projet = nullptr;

    int16_t Type_Capteur = 0; // collector type code
    float Bc = 0, Kc = 0;
    float ABEtap = 0, KsurB = 0, Dn = 0, m = 0; // one-piece water heater

    // Choosing a model reads Bc, Kc, Ac and the type code from the collector
    // catalogue (0 for a name that is not in it), then recomputes the total area.
    const std::string& strType() const { return strType_; }
    void strType(const std::string& modele);
    // Choosing a water heater reads ABEtap, KsurB, Dn and m from its catalogue.
    const std::string& strTypeCE() const { return strTypeCE_; }
    void strTypeCE(const std::string& modele);

    // Area of one collector [m²]; the total follows.
    float Ac() const { return Ac_; }
    void Ac(float valeur);
    int16_t nombre() const { return nombre_; }
    void nombre(int16_t valeur);
    // A typed total area becomes a whole number of collectors (halves to even) and
    // the area they make; with no collector area known, the typed value stays.
    // Throws ErreurExecution, changing nothing, when the number does not fit.
    float surface_totale() const { return surface_totale_; }
    void surface_totale(float valeur);

    // Tilt and orientation [°], given as a number or as a label of the tilt table,
    // respectively of the current hemisphere's orientation table (0 for a label that
    // is not there); read back as the number's text.
    std::string inclinaison() const;
    void inclinaison(const std::string& texte);
    std::string Orientation() const;
    void Orientation(const std::string& texte);
    float ValeurInclinaison() const { return inclinaison_; }
    float ValeurOrientation() const { return orientation_; }

    // Collector step of the copy into the record, and back (model names come back
    // as they are, without a catalogue look-up).
    void VersEnregistrement(EnregistrementCalcul& c) const;
    void DepuisEnregistrement(const EnregistrementCalcul& c);

private:
    void RecalculerSurface();

    std::string strType_, strTypeCE_;
    float Ac_ = 0;
    int16_t nombre_ = 1;
    float surface_totale_ = 0;
    float inclinaison_ = 45;
    float orientation_ = 0;
};
