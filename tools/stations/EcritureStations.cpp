#include "EcritureStations.h"

#include "data/modStations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace stations {

std::string Decimal(double valeur, int decimales) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
    std::string texte = tampon;
    std::replace(texte.begin(), texte.end(), '.', ',');
    if (texte[0] == '-' && texte.find_first_not_of("-0,") == std::string::npos)
        texte.erase(0, 1);
    return texte;
}

std::string TexteLatitude(double latitude) {
    return Decimal(latitude, 1) + (latitude < 0 ? "°S" : "°N");
}

namespace {
std::string Serie(const Mois& m, int decimales) {
    std::string t;
    for (std::size_t k = 0; k < m.size(); ++k)
        t += (k ? " " : "") + Decimal(m[k], decimales);
    return t;
}

std::string Ligne(const std::string& avant, const std::string& apres) {
    // The name comes right after "#": the readers keep the leading spaces of a name.
    return avant + " #" + apres + "\n";
}

const Departement& DepartementDe(const Referentiel& r, const std::string& code) {
    for (const Departement& d : r.departements) {
        if (d.code == code)
            return d;
    }
    throw std::runtime_error("département inconnu : " + code);
}
} // namespace

std::string TextePays() {
    // The first value is the hemisphere offered by default; the station sets the real one.
    return std::string("Pays\n") + "Hémisphère par défaut, puis le nom du pays après le dièse\n" +
           Ligne("N", PaysMetropole) + Ligne("N", PaysOutremer);
}

std::string TexteDepartements(const Referentiel& r) {
    std::string t = std::string("Départements\n") +
                    "Pays dont le département fait partie, puis son nom après le dièse\n";
    for (const Departement& d : r.departements)
        t += Ligne(d.outremer ? PaysOutremer : PaysMetropole, d.nom);
    t += Ligne(std::string(PaysMetropole) + ", " + PaysOutremer, DepartementUtilisateur);
    return t;
}

std::string TexteVilles(const Referentiel& r) {
    std::string t = std::string("Stations proposées par département\n") +
                    "Station, ou & suivi d'un département voisin, puis le département\n";
    for (const Departement& d : r.departements) {
        for (const Station& s : r.stations) {
            if (s.departement == d.code)
                t += Ligne(s.nom, d.nom);
        }
        for (const std::string& v : d.voisins)
            t += Ligne("&" + DepartementDe(r, v).nom, d.nom);
    }
    for (const Station& s : r.stations) {
        if (s.departement.empty())
            t += Ligne(s.nom, DepartementUtilisateur);
    }
    return t;
}

std::string TexteStations(const Referentiel& r) {
    std::string t = std::string("Stations météorologiques : cinq lignes par station\n") +
                    "Latitude, zone, puis Gh [kWh/(m2.j)], Text [°C] et Tef [°C] de janvier "
                    "à décembre\n";
    for (const Station& s : r.stations) {
        const std::string zone = ZoneDeClasseMer(s.classeMer);
        t += Ligne(TexteLatitude(s.latitude), s.nom);
        t += Ligne(zone, s.nom);
        t += Ligne(Serie(s.gh, 2), s.nom);
        t += Ligne(Serie(s.tair, 1), s.nom);
        t += Ligne(Serie(s.tef, 1), s.nom);
    }
    return t;
}

std::string TexteStations2(const Referentiel& r) {
    std::string t = std::string("Situation des stations\n") +
                    "Altitude [m], classe de distance à la mer, classe de population, puis la "
                    "station\n";
    for (const Station& s : r.stations) {
        t += Ligne(Decimal(s.altitude, 0) + " " + std::to_string(s.classeMer) + " " +
                       std::to_string(s.classePopulation),
                   s.nom);
    }
    return t;
}

} // namespace stations
