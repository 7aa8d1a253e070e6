// The table itself: one entry per value a person can set, in the project file's
// order, then the values the file does not hold. Bounds: the window's where it has
// some; otherwise what keeps the method meaningful (every divisor above 0).

#include "project/ReglesSaisie.h"

#include "project/ReglesSaisieOutils.h"

namespace {
using namespace regles;

// The total area is made of 1 to 999 whole collectors.
std::optional<Bornes> SurfaceTotale(const clsprojet& p) {
    const double ac = p.Capteurs->Ac();
    if (!(ac > 0))
        return std::nullopt;
    return Bornes{ac, 999 * ac};
}

void Site(Regles& t) {
    t.push_back({.section = "Masque",
                 .cle = "NB points",
                 .libelle = "Nombre de points du masque",
                 .genre = G::Entier,
                 .bornes = Bornes{2, 20},
                 .portee = P::Masque,
                 .definir = Entier<&clsprojet::Masque, &clsMasque::NbPoints>,
                 .valeurs = DesEntrees<&E::NB_points>});
    t.push_back({.section = "Masque",
                 .cle = "Masque_Angle",
                 .libelle = "Angle du masque [°]",
                 .unite = "°",
                 .genre = G::Points,
                 .bornes = Bornes{-180, 180},
                 .portee = P::Masque,
                 .definir = [](clsprojet& p,
                               const std::string& v) { LireSerie(v, 32, p.Masque->Masque_Angle); },
                 .valeurs = DesPoints<&E::Masque_Angle>});
    t.push_back(
        {.section = "Masque",
         .cle = "Masque_Hauteur",
         .libelle = "Hauteur angulaire du masque [°]",
         .unite = "°",
         .genre = G::Points,
         .bornes = Bornes{0, 90},
         .portee = P::Masque,
         .definir = [](clsprojet& p,
                       const std::string& v) { LireSerie(v, 32, p.Masque->Masque_Hauteur); },
         .valeurs = DesPoints<&E::Masque_Hauteur>});
    t.push_back({.section = "Masque",
                 .cle = "Masque_Existe",
                 .libelle = "Masque (0 sans, 1 avec)",
                 .genre = G::Entier,
                 .bornes = Bornes{0, 1},
                 .champs = "txtMasque",
                 .definir = Entier<&clsprojet::Masque, &clsMasque::Masque_Existe>});
    t.push_back({.section = "Météo",
                 .cle = "Pays",
                 .libelle = "Pays",
                 .genre = G::Liste,
                 .liste = Liste::Pays,
                 .champs = "txtPays",
                 .definir = [](clsprojet& p, const std::string& v) { p.Meteo->Pays(v); }});
    t.push_back({.section = "Météo",
                 .cle = "Département",
                 .libelle = "Départ.",
                 .genre = G::Liste,
                 .liste = Liste::Departements,
                 .champs = "txtDepartement",
                 .definir = [](clsprojet& p, const std::string& v) { p.Meteo->Departement(v); }});
    t.push_back({.section = "Météo",
                 .cle = "Station",
                 .libelle = "Station",
                 .genre = G::Texte,
                 .champs = "txtStation",
                 .definir = [](clsprojet& p, const std::string& v) { p.Meteo->station(v); }});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Classe_Exposition_Vent",
                 .libelle = "Classe d'exposition au vent",
                 .genre = G::Entier,
                 .bornes = Bornes{0, 4},
                 .definir = Entier<&clsprojet::Meteo, &clsMeteo::Classe_Exposition_Vent>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Nb_habitant_station_meteo",
                 .libelle = "Classe de population de la station",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 3},
                 .definir = Entier<&clsprojet::Meteo, &clsMeteo::Nb_habitant_station_meteo>,
                 .valeurs = DesEntrees<&E::Nb_habitant_station_meteo>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Nb_Habitant_Ville",
                 .libelle = "Millions d'hab. (classe 1 à 3)",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 3},
                 .champs = "txtNbHabitant",
                 .definir = Entier<&clsprojet::Meteo, &clsMeteo::Nb_Habitant_Ville>,
                 .valeurs = DesEntrees<&E::Nb_Habitant_Ville>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Distance_Mer",
                 .libelle = "Distance mer [km] (classe 1 à 4)",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 4},
                 .champs = "txtDistanceMer",
                 .definir = Entier<&clsprojet::Meteo, &clsMeteo::Distance_Mer>,
                 .valeurs = DesEntrees<&E::Distance_Mer>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Distance_Mer_station_meteo",
                 .libelle = "Classe de distance à la mer de la station",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 4},
                 .definir = Entier<&clsprojet::Meteo, &clsMeteo::Distance_Mer_station_meteo>,
                 .valeurs = DesEntrees<&E::Distance_Mer_station_meteo>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.Altitude",
                 .libelle = "Altitude [m]",
                 .unite = "m",
                 .decimales = 0,
                 .bornes = Bornes{-100, 5000},
                 .champs = "txtAltitude",
                 .definir = Simple<&clsprojet::Meteo, &clsMeteo::Altitude>,
                 .valeurs = DesEntrees<&E::Altitude>});
    t.push_back({.section = "Météo",
                 .cle = "Situation.altitude_station_meteo",
                 .libelle = "Altitude de la station [m]",
                 .unite = "m",
                 .decimales = 0,
                 .bornes = Bornes{-100, 5000},
                 .definir = Simple<&clsprojet::Meteo, &clsMeteo::altitude_station_meteo>,
                 .valeurs = DesEntrees<&E::altitude_station_meteo>});
    t.push_back(
        {.section = "Météo",
         .cle = "Gh",
         .libelle = "Irradiation globale horizontale [kWh/(m².j)]",
         .unite = "kWh/(m².j)",
         .genre = G::Mois,
         .bornes = Bornes{0, 12},
         .definir = [](clsprojet& p, const std::string& v) { LireSerie(v, 12, p.Meteo->Gh); },
         .valeurs = DuMois<&C::Gh>});
    t.push_back(
        {.section = "Météo",
         .cle = "Tef",
         .libelle = "Température de l'eau froide [°C]",
         .unite = "°C",
         .genre = G::Mois,
         .bornes = Bornes{0, 40},
         .definir = [](clsprojet& p, const std::string& v) { LireSerie(v, 12, p.Meteo->Tef); },
         .valeurs = DuMois<&C::Tef>});
    // The engine starts from the station's temperatures: both copies change.
    t.push_back({.section = "Météo",
                 .cle = "Text",
                 .libelle = "Température extérieure [°C]",
                 .unite = "°C",
                 .genre = G::Mois,
                 .bornes = Bornes{-60, 60},
                 .definir =
                     [](clsprojet& p, const std::string& v) {
                         LireSerie(v, 12, p.Meteo->Text);
                         CopierCollection(p.Meteo->Text, p.Meteo->TextStation);
                     },
                 .valeurs = DuMois<&C::TextStation>});
    t.push_back({.section = "Météo",
                 .cle = "Zone.ValStr",
                 .libelle = "Zone",
                 .genre = G::Liste,
                 .liste = Liste::Zones,
                 .definir = [](clsprojet& p, const std::string& v) { p.Meteo->zone = v; }});
    // At ±90° the sunset hour angle has no value.
    t.push_back({.section = "Météo",
                 .cle = "Latitude",
                 .libelle = "Latitude [°]",
                 .unite = "°",
                 .bornes = Bornes{-89, 89},
                 .definir = Simple<&clsprojet::Meteo, &clsMeteo::latitude>,
                 .valeurs = DuCalcul<&C::Latitude>});
}

void ChauffeEau(Regles& t) {
    t.push_back({.section = "Capteur",
                 .cle = "Type_chauffe-eau",
                 .libelle = "Type",
                 .genre = G::Catalogue,
                 .liste = Liste::ChauffeEau,
                 .champs = "txtTypeChauffeEau",
                 .portee = P::ChauffeEau,
                 .declencheur = D::ElementChauffeEau,
                 .definir = [](clsprojet& p, const std::string& v) { p.Capteurs->strTypeCE(v); }});
    const auto valeur = [&t](const char* cle, const char* libelle, const char* unite, Bornes bornes,
                             const char* champ, float clsCapteurs::*membre, float C::*champRecord) {
        t.push_back(
            {.section = "Capteur",
             .cle = cle,
             .libelle = libelle,
             .unite = unite,
             .bornes = bornes,
             .champs = champ,
             .portee = P::ChauffeEau,
             .declencheur = D::ElementChauffeEau,
             .definir = [membre](clsprojet& p,
                                 const std::string& v) { (*p.Capteurs).*membre = LireSimple(v); },
             .valeurs = [champRecord](
                            const Enr& e) { return std::vector<float>{e.Calcul.*champRecord}; }});
    };
    valeur("ABEtap", "ABEtap  [m²]", "m²", Positif, "txtABEtap", &clsCapteurs::ABEtap, &C::ABEtap);
    valeur("Dn", "Dn [W/K]", "W/K", Bornes{0, 1000}, "TxtDn", &clsCapteurs::Dn, &C::Dn);
    valeur("KsurB", "K/B  [W/(m².K)]", "W/(m².K)", Positif, "txtKsurB", &clsCapteurs::KsurB,
           &C::KsurB);
    valeur("m", "M [kg]", "kg", Bornes{1, 100000}, "txtM", &clsCapteurs::m, &C::m);
    t.back().decimales = 0; // shown whole
}

void Capteurs(Regles& t) {
    t.push_back({.section = "Capteur",
                 .cle = "Type_capteur",
                 .libelle = "Type",
                 .genre = G::Catalogue,
                 .liste = Liste::Capteurs,
                 .champs = "txtCapteur",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementCapteur,
                 .definir = [](clsprojet& p, const std::string& v) { p.Capteurs->strType(v); }});
    t.push_back(
        {.section = "Capteur",
         .cle = "Ac",
         .libelle = "Ac [m²]",
         .unite = "m²",
         .bornes = Positif,
         .champs = "TxtAc",
         .portee = P::ElementsSepares,
         .declencheur = D::ElementCapteur,
         .definir = [](clsprojet& p, const std::string& v) { p.Capteurs->Ac(LireSimple(v)); },
         .valeurs = DuCalcul<&C::Ac>});
    t.push_back({.section = "Capteur",
                 .cle = "Bc",
                 .libelle = "Bc",
                 .bornes = Positif,
                 .champs = "txtBc",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementCapteur,
                 .definir = Simple<&clsprojet::Capteurs, &clsCapteurs::Bc>,
                 .valeurs = DuCalcul<&C::Bc>});
    t.push_back({.section = "Capteur",
                 .cle = "Kc",
                 .libelle = "Kc [W/(m².K)]",
                 .unite = "W/(m².K)",
                 .bornes = Bornes{0, 99},
                 .champs = "txtKc",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementCapteur,
                 .definir = Simple<&clsprojet::Capteurs, &clsCapteurs::Kc>,
                 .valeurs = DuCalcul<&C::Kc>});
    t.push_back({.section = "Capteur",
                 .cle = "a",
                 .libelle = "Surf.totale [m²]",
                 .unite = "m²",
                 .bornes = Bornes{0.01, 99 * 999},
                 .champs = "txtSurfaceTotale",
                 .portee = P::ElementsSepares,
                 .bornesDuProjet = SurfaceTotale,
                 .definir = [](clsprojet& p,
                               const std::string& v) { p.Capteurs->surface_totale(LireSimple(v)); },
                 .valeurs = DuCalcul<&C::a>});
    t.push_back({.section = "Capteur",
                 .cle = "Nb_Capteurs",
                 .libelle = "Nombre",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 999},
                 .champs = "txtNbCapteurs",
                 .portee = P::ElementsSepares,
                 .definir = [](clsprojet& p,
                               const std::string& v) { p.Capteurs->nombre(LireEntierArrondi(v)); },
                 .valeurs = DuCalcul<&C::Nb_Capteurs>});
    // One tilt for both systems, with the window's range of each.
    for (const auto& [bornes, champ, portee] :
         {std::tuple{Bornes{0, 90}, "txtInclinaison", P::ElementsSepares},
          std::tuple{Bornes{0, 99}, "txtInclinaisonChauffeEau", P::ChauffeEau}})
        t.push_back(
            {.section = "Capteur",
             .cle = "inclinaison",
             .libelle = "Inclinaison [°]",
             .unite = "°",
             .bornes = bornes,
             .liste = Liste::Inclinaisons,
             .champs = champ,
             .portee = portee,
             .definir = [](clsprojet& p, const std::string& v) { p.Capteurs->inclinaison(v); },
             .valeurs = DuCalcul<&C::inclinaison>});
    t.push_back({.section = "Capteur",
                 .cle = "Orientation",
                 .libelle = "Orientation [°]",
                 .unite = "°",
                 .bornes = Bornes{-180, 180},
                 .liste = Liste::Orientations,
                 .champs = "txtOrientation txtOrientationChauffeEau",
                 .definir = [](clsprojet& p, const std::string& v) { p.Capteurs->Orientation(v); },
                 .valeurs = DuCalcul<&C::Orientation>});
    t.push_back({.section = "Capteur",
                 .cle = "Type_Capteur",
                 .libelle = "Catégorie (code 0 à 4, 0 : inconnue)",
                 .genre = G::Entier,
                 .bornes = Bornes{0, 4},
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementCapteur,
                 .definir = Entier<&clsprojet::Capteurs, &clsCapteurs::Type_Capteur>,
                 .valeurs = DuCalcul<&C::Type_Capteur>});
}

void Echangeur(Regles& t) {
    t.push_back({.section = "Echangeur",
                 .cle = "KEch",
                 .libelle = "Kéch [W/K]",
                 .unite = "W/K",
                 .bornes = Bornes{0, 100000},
                 .champs = "txtKech",
                 .portee = P::ElementsSepares,
                 .saisieSi = Force<&C::Echangeur>,
                 .definir = Simple<&clsprojet::Echangeur, &clsEchangeur::KEch>,
                 .valeurs = DuGroupe<&C::Echangeur, &GroupeEchangeur::KEch>});
    t.push_back({.section = "Echangeur",
                 .cle = "Kech_A",
                 .libelle = "Surf. [m²]",
                 .unite = "m²",
                 .bornes = Bornes{0, 1000},
                 .champs = "txtKechA",
                 .portee = P::ElementsSepares,
                 .definir = Simple<&clsprojet::Echangeur, &clsEchangeur::Kech_A>,
                 .valeurs = DuGroupe<&C::Echangeur, &GroupeEchangeur::Kech_A>});
    t.push_back({.section = "Echangeur",
                 .cle = "Kech_Type",
                 .libelle = "Coefficient de l'échangeur [W/(m².K)]",
                 .unite = "W/(m².K)",
                 .genre = G::Entier,
                 .bornes = Bornes{0, 10000},
                 .portee = P::ElementsSepares,
                 .definir = Entier<&clsprojet::Echangeur, &clsEchangeur::Kech_Type>,
                 .valeurs = DuGroupe<&C::Echangeur, &GroupeEchangeur::Kech_Type>});
    t.push_back({.section = "Echangeur",
                 .cle = "TypeDeCalcul",
                 .libelle = "Calcul de Kéch",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Echangeur, &clsEchangeur::TypeDeCalcul>});
}
} // namespace

const std::vector<RegleSaisie>& ReglesSaisie() {
    using namespace regles;
    static const Regles table = [] {
        Regles t;
        Site(t);
        ChauffeEau(t);
        Capteurs(t);
        Echangeur(t);
        for (auto partie : {ReglesBoucle, ReglesBesoinsEtBallon, ReglesHorsFichier, ReglesEconomie,
                            ReglesDossier, ReglesFoyer}) {
            Regles suite = partie();
            t.insert(t.end(), std::make_move_iterator(suite.begin()),
                     std::make_move_iterator(suite.end()));
        }
        return t;
    }();
    return table;
}
