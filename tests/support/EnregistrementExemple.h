#pragma once
// A realistic project record for the engine's tests and benchmarks: a collector and
// tank system without exchanger, 4 m² of a glazed selective collector, a 300 l tank,
// 200 l/day at 50 °C, tilt 45°, facing south, with the component defaults of a new
// project.

#include "project/modStructures.h"

#include <array>

struct Climat {
    float latitude = 45;
    const char* hemisphere = "N";
    const char* zone = "Zone continentale";
    float altitude = 0;
    TableauMois Gh{};
    TableauMois Text{};
    TableauMois Tef{};
};

// A mid-latitude continental climate (monthly means).
inline Climat ClimatExemple() {
    Climat c;
    c.Gh = {0, 1.3f, 2.1f, 3.3f, 4.5f, 5.4f, 6.0f, 6.1f, 5.2f, 3.9f, 2.5f, 1.4f, 1.1f};
    c.Text = {0, 3.1f, 4.5f, 8.2f, 11.0f, 15.1f, 18.6f, 21.0f, 20.6f, 17.1f, 12.7f, 7.3f, 4.0f};
    c.Tef = {0, 8, 8, 9, 11, 13, 15, 17, 17, 16, 14, 11, 9};
    return c;
}

inline void RemplirEnregistrementExemple(EnregistrementProjet& p, const Climat& climat) {
    EnregistrementEntrees& e = p.Entrees;
    e.Altitude = climat.altitude;
    e.altitude_station_meteo = climat.altitude;
    e.Distance_Mer = 4;
    e.Distance_Mer_station_meteo = 4;
    e.Nb_Habitant_Ville = 1;
    e.Nb_habitant_station_meteo = 1;
    e.NB_points = 2;
    e.Masque_Angle[1] = -130;
    e.Masque_Angle[2] = 130;
    e.Masque_Existe = 0;
    e.TLocalChauffe = 19;

    EnregistrementCalcul& c = p.Calcul;
    c.NomProjet = "Projet0001";
    c.Classe_Systeme = ClasseSysteme::SansEchangeur;
    c.Categorie_Systeme = "CA_BA_SASEC";
    c.Ac = 2;
    c.Bc = 0.78f;
    c.Kc = 4.2f;
    c.Nb_Capteurs = 2;
    c.a = 4;
    c.inclinaison = 45;
    c.Orientation = 0;
    c.Type_Capteur = 1;
    c.Vn = 300;
    c.Vs = 255;
    c.cr = 0.2f;
    c.XElec = 0.9f;
    c.EtatVn = " ";
    c.EtatVs = "?";
    c.EtatVcElec = " ";
    c.EtatXElec = " ";
    for (Marque& marque : c.EtatsDivers)
        marque = "?";
    c.B_Situation.Indice = SituationBallon::Exterieur;
    c.Deperdition.Calorifugeage = 1;
    c.Efficacite.R = 0.9f;
    c.Echangeur.Kech_A = 1;
    c.Alpha = 1;
    c.Conso.fill(200);
    c.Tref.fill(50);
    c.Latitude = climat.latitude;
    c.Hemisphere = climat.hemisphere;
    c.Zone.ValStr = climat.zone;
    c.Gh = climat.Gh;
    c.TextStation = climat.Text;
    c.Tef = climat.Tef;
}

// Twenty mask points from −130° to +130°: a hill to the east, trees to the west.
inline void AjouterMasqueExemple(EnregistrementEntrees& e) {
    e.NB_points = 20;
    for (int i = 1; i <= 20; ++i) {
        const float angle = -130.0f + (i - 1) * 260.0f / 19.0f;
        e.Masque_Angle[i] = angle;
        e.Masque_Hauteur[i] = angle < -60 ? 12.0f : angle > 70 ? 18.0f : 4.0f;
    }
    e.Masque_Existe = 1;
}
