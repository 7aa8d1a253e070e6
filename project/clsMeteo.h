#pragma once
// The site of one project: the country -> department -> weather station choice, the
// station's reference data (latitude, hemisphere, zone, altitude, classes and its
// three monthly series) and the situation of the site itself.

#include "data/ModCollection.h"
#include "project/modStructures.h"

#include <cstdint>
#include <string>

class clsprojet;

class clsMeteo {
public:
    // Twelve zeros in every series, both classes 1, then the first country of the
    // country list with its first department and that department's first station.
    clsMeteo();

    clsprojet* Projet = nullptr;

    // The station's reference data.
    float latitude = 0;
    std::string zone;
    float altitude_station_meteo = 0;
    int16_t Distance_Mer_station_meteo = 1; // class number, at least 1
    int16_t Nb_habitant_station_meteo = 1;  // class number, at least 1
    CollectionNombres Gh, Text, Tef;
    CollectionNombres TextStation; // the station's outdoor temperatures, kept as read

    // Series the weather stage computes, kept between runs.
    CollectionNombres AlphagG, Cs, DT, DT1, DT2, Em, G_l_i_g_R, Nj, R;

    // The site: altitude [m], classes of distance to the sea and of town size (taken
    // from the station when it is chosen), and wind exposure.
    float Altitude = 0;
    int16_t Distance_Mer = 1;
    int16_t Nb_Habitant_Ville = 1;
    int16_t Classe_Exposition_Vent = 0;

    const std::string& Hemisphere() const { return hemisphere_; }
    // Stores "N" or "S" and reloads the orientation list of that hemisphere.
    void Hemisphere(const std::string& valeur);
    const std::string& Pays() const { return pays_; }
    // Lists the country's departments and takes the first one.
    void Pays(const std::string& valeur);
    const std::string& Departement() const { return departement_; }
    // Lists the department's stations and takes the first one.
    void Departement(const std::string& valeur);
    const std::string& station() const { return station_; }
    // Reads the station's reference data, sets the hemisphere and the department the
    // station belongs to; a station other than the current one also gives the site its
    // altitude and classes. A station that is not in the station collection throws
    // ErreurIndice and changes nothing.
    void station(const std::string& valeur);

    // Site step of the copy into the record, and back: back through the country,
    // department and station cascade, then the saved values over it.
    void VersEnregistrement(EnregistrementEntrees& e, EnregistrementCalcul& c) const;
    void DepuisEnregistrement(const EnregistrementEntrees& e, const EnregistrementCalcul& c);

private:
    std::string pays_, departement_, station_, hemisphere_;
};
