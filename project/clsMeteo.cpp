#include "project/clsMeteo.h"

#include "common/Texte.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modStations.h"
#include "data/modTexte.h"

#include <algorithm>

clsMeteo::clsMeteo() {
    for (CollectionNombres* serie :
         {&Gh, &Text, &Tef, &TextStation, &AlphagG, &Cs, &DT, &DT1, &DT2, &Em, &G_l_i_g_R, &Nj, &R})
        RemplirCollection(*serie, 0.0, 12);
    Pays(Libelles[0][0]);
}

void clsMeteo::Hemisphere(const std::string& valeur) {
    hemisphere_ = valeur;
    ChargerOrientations(valeur);
}

void clsMeteo::Pays(const std::string& valeur) {
    pays_ = valeur;
    RemplirDepartements(valeur);
    Departement(Libelles[1][0]);
}

void clsMeteo::Departement(const std::string& valeur) {
    departement_ = valeur;
    RemplirStations(valeur, true);
    station(Libelles[2][0]);
}

void clsMeteo::station(const std::string& valeur) {
    if (valeur.empty()) {
        station_.clear();
        Hemisphere("");
        altitude_station_meteo = 0;
    } else {
        // Everything is read before anything changes, so an unknown station leaves
        // the site as it was.
        float lat = 0;
        std::string hem, zon;
        CollectionNombres gh, text, tef;
        LireStation(valeur, lat, hem, zon, gh, text, tef);
        float altitude = 0;
        int16_t distance = 0, ville = 0;
        LireValeursTable(TableStations2, valeur, {&altitude, &distance, &ville});

        const bool autreStation = valeur != station_;
        station_ = valeur;
        latitude = lat;
        zone = zon;
        Gh = std::move(gh);
        Text = std::move(text);
        Tef = std::move(tef);
        CopierCollection(Text, TextStation);
        altitude_station_meteo = altitude;
        Distance_Mer_station_meteo = std::max<int16_t>(distance, 1);
        Nb_habitant_station_meteo = std::max<int16_t>(ville, 1);
        // A new station gives the site its first situation, which the person may then
        // change; the same station read again (after opening a file) keeps it.
        if (autreStation) {
            Altitude = altitude_station_meteo;
            Distance_Mer = Distance_Mer_station_meteo;
            Nb_Habitant_Ville = Nb_habitant_station_meteo;
        }
        Hemisphere(hem);
        DepartementDeStation(valeur, departement_);
    }
    RemplirListe(17, TableOrientations);
}

void clsMeteo::VersEnregistrement(EnregistrementEntrees& e, EnregistrementCalcul& c) const {
    e.Pays = pays_;
    e.Departement = departement_;
    e.Station = station_;
    e.Classe_Exposition_Vent = Classe_Exposition_Vent;
    e.Nb_habitant_station_meteo = Nb_habitant_station_meteo;
    e.Nb_Habitant_Ville = Nb_Habitant_Ville;
    e.Distance_Mer = Distance_Mer;
    e.Distance_Mer_station_meteo = Distance_Mer_station_meteo;
    e.Altitude = Altitude;
    e.altitude_station_meteo = altitude_station_meteo;
    c.Hemisphere = hemisphere_;
    CollectionVersMois(c.AlphagG, AlphagG);
    CollectionVersMois(c.Cs, Cs);
    CollectionVersMois(c.DT, DT);
    CollectionVersMois(c.DT1, DT1);
    CollectionVersMois(c.DT2, DT2);
    CollectionVersMois(c.Em, Em);
    CollectionVersMois(c.G_l_i_g_R, G_l_i_g_R);
    CollectionVersMois(c.Gh, Gh);
    CollectionVersMois(c.Nj, Nj);
    CollectionVersMois(c.R, R);
    CollectionVersMois(c.Tef, Tef);
    CollectionVersMois(c.Text, Text);
    CollectionVersMois(c.TextStation, TextStation);
    c.Zone.ValStr = zone;
    c.Latitude = latitude;
}

void clsMeteo::DepuisEnregistrement(const EnregistrementEntrees& e, const EnregistrementCalcul& c) {
    Pays(e.Pays);
    Departement(e.Departement);
    station(e.Station);
    Classe_Exposition_Vent = e.Classe_Exposition_Vent;
    Nb_habitant_station_meteo = VersEntier16(e.Nb_habitant_station_meteo);
    Nb_Habitant_Ville = e.Nb_Habitant_Ville;
    Distance_Mer = e.Distance_Mer;
    Distance_Mer_station_meteo = VersEntier16(e.Distance_Mer_station_meteo);
    Altitude = e.Altitude;
    altitude_station_meteo = e.altitude_station_meteo;
    Hemisphere(Rogner(c.Hemisphere.str()));
    MoisVersCollection(c.AlphagG, AlphagG);
    MoisVersCollection(c.Cs, Cs);
    MoisVersCollection(c.DT, DT);
    MoisVersCollection(c.DT1, DT1);
    MoisVersCollection(c.DT2, DT2);
    MoisVersCollection(c.Em, Em);
    MoisVersCollection(c.G_l_i_g_R, G_l_i_g_R);
    MoisVersCollection(c.Gh, Gh);
    MoisVersCollection(c.Nj, Nj);
    MoisVersCollection(c.R, R);
    MoisVersCollection(c.Tef, Tef);
    MoisVersCollection(c.Text, Text);
    // The station's own temperatures are not saved: the cascade above has just read
    // them, and the record may hold another station's.
    zone = Rogner(c.Zone.ValStr.str());
    latitude = c.Latitude;
}
