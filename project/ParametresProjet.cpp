#include "project/ParametresProjet.h"

#include "common/Citation.h"
#include "common/Texte.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

#include <functional>
#include <memory>
#include <optional>

namespace {
using Definir = std::function<void(clsprojet&, const std::string&)>;

struct Parametre {
    const char* section;
    const char* cle;
    Definir definir;
};

std::string Guillemets(const std::string& t) {
    return Citer(t);
}

float Simple(const std::string& v) {
    try {
        return LireSimple(v);
    } catch (const ErreurExecution& e) {
        throw ErreurParametre(e.what());
    }
}

int16_t Entier(const std::string& v) {
    try {
        return LireEntier(v);
    } catch (const ErreurExecution& e) {
        throw ErreurParametre(e.what());
    }
}

float Borne(float v, float min, float max) {
    if (!(v >= min && v <= max))
        throw ErreurParametre(FormatSimple(v) + " hors des limites " + FormatSimple(min) + " à " +
                              FormatSimple(max));
    return v;
}

// The items of a choice list, up to its first empty one.
std::vector<std::string> Liste(int numero) {
    std::vector<std::string> items;
    for (const std::string& item : Libelles[static_cast<std::size_t>(numero)]) {
        if (item.empty())
            break;
        items.push_back(item);
    }
    return items;
}

std::string Enumerer(const std::vector<std::string>& items) {
    std::string texte;
    for (const std::string& i : items)
        texte += (texte.empty() ? "" : ", ") + Guillemets(i);
    return texte.empty() ? "(aucun)" : texte;
}

// The value must be one of the list's items.
std::string Choix(const std::string& v, int liste) {
    const auto items = Liste(liste);
    for (const std::string& i : items) {
        if (i == v)
            return v;
    }
    throw ErreurParametre(Guillemets(v) + " n'est pas dans la liste : " + Enumerer(items));
}

// A calculation choice: its label or its code.
std::string TypeDeCalcul(const std::string& v) {
    const auto code = LireNombreStrict(v);
    if (code && (*code == 0 || *code == 1 || *code == 2))
        return LibelleTypeDeCalcul(static_cast<int>(*code));
    return Choix(v, 28);
}

// A number, or a label of the list (tilts, orientations).
std::string NombreOuLibelle(const std::string& v, int liste) {
    if (LireNombreStrict(v))
        return v;
    return Choix(v, liste);
}

std::vector<double> Valeurs(const std::string& v, std::size_t maximum) {
    std::string reste = v;
    for (char& c : reste) {
        if (c == ';' || c == '\t')
            c = ' ';
    }
    std::vector<double> valeurs;
    for (std::string mot; !(mot = LireMot(reste, " ")).empty();)
        valeurs.push_back(Simple(mot));
    if (valeurs.empty() || valeurs.size() > maximum)
        throw ErreurParametre("il faut de 1 à " + std::to_string(maximum) + " valeurs");
    return valeurs;
}

// One value for every month, or twelve.
void Serie(CollectionNombres& serie, const std::string& v) {
    auto valeurs = Valeurs(v, 12);
    if (valeurs.size() == 1)
        valeurs.assign(12, valeurs[0]);
    else if (valeurs.size() != 12)
        throw ErreurParametre("il faut une valeur ou douze");
    serie.Clear();
    for (double x : valeurs)
        serie.Add(x);
}

void Points(CollectionNombres& points, const std::string& v) {
    const auto valeurs = Valeurs(v, 32);
    points.Clear();
    for (double x : valeurs)
        points.Add(x);
}

// A model name must be in its catalogue.
std::string Modele(const std::string& v, const Table& table, int liste) {
    if (IndiceEntree(table, v) == 0)
        throw ErreurParametre(Guillemets(v) +
                              " n'est pas dans le catalogue : " + Enumerer(Liste(liste)));
    return v;
}

template <class C> Definir ChampSimple(std::unique_ptr<C> clsprojet::*objet, float C::*champ) {
    return [=](clsprojet& p, const std::string& v) { (*(p.*objet)).*champ = Simple(v); };
}

template <class C> Definir ChampEntier(std::unique_ptr<C> clsprojet::*objet, int16_t C::*champ) {
    return [=](clsprojet& p, const std::string& v) { (*(p.*objet)).*champ = Entier(v); };
}

template <class C> Definir ChampChoix(std::unique_ptr<C> clsprojet::*objet, std::string C::*champ) {
    return [=](clsprojet& p, const std::string& v) { (*(p.*objet)).*champ = TypeDeCalcul(v); };
}

const std::vector<Parametre>& Parametres() {
    static const std::vector<Parametre> parametres = {
        {"Masque", "NB points",
         [](clsprojet& p, const std::string& v) {
             p.Masque->NbPoints = static_cast<int16_t>(Borne(Entier(v), 0, 32));
         }},
        {"Masque", "Masque_Angle",
         [](clsprojet& p, const std::string& v) { Points(p.Masque->Masque_Angle, v); }},
        {"Masque", "Masque_Hauteur",
         [](clsprojet& p, const std::string& v) { Points(p.Masque->Masque_Hauteur, v); }},
        {"Masque", "Masque_Existe",
         [](clsprojet& p, const std::string& v) {
             p.Masque->Masque_Existe = static_cast<int16_t>(Borne(Entier(v), 0, 1));
         }},
        {"Météo", "Pays", [](clsprojet& p, const std::string& v) { p.Meteo->Pays(Choix(v, 0)); }},
        {"Météo", "Département",
         [](clsprojet& p, const std::string& v) { p.Meteo->Departement(Choix(v, 1)); }},
        {"Météo", "Station",
         [](clsprojet& p, const std::string& v) {
             if (!Stations.Contient(v))
                 throw ErreurParametre("la station " + Guillemets(v) + " est inconnue");
             p.Meteo->station(v);
         }},
        {"Météo", "Situation.Classe_Exposition_Vent",
         ChampEntier(&clsprojet::Meteo, &clsMeteo::Classe_Exposition_Vent)},
        {"Météo", "Situation.Nb_habitant_station_meteo",
         ChampEntier(&clsprojet::Meteo, &clsMeteo::Nb_habitant_station_meteo)},
        {"Météo", "Situation.Nb_Habitant_Ville",
         [](clsprojet& p, const std::string& v) {
             p.Meteo->Nb_Habitant_Ville = static_cast<int16_t>(Borne(Entier(v), 1, 3));
         }},
        {"Météo", "Situation.Distance_Mer",
         [](clsprojet& p, const std::string& v) {
             p.Meteo->Distance_Mer = static_cast<int16_t>(Borne(Entier(v), 1, 4));
         }},
        {"Météo", "Situation.Distance_Mer_station_meteo",
         ChampEntier(&clsprojet::Meteo, &clsMeteo::Distance_Mer_station_meteo)},
        {"Météo", "Situation.Altitude", ChampSimple(&clsprojet::Meteo, &clsMeteo::Altitude)},
        {"Météo", "Situation.altitude_station_meteo",
         ChampSimple(&clsprojet::Meteo, &clsMeteo::altitude_station_meteo)},
        {"Météo", "Gh", [](clsprojet& p, const std::string& v) { Serie(p.Meteo->Gh, v); }},
        {"Météo", "Tef", [](clsprojet& p, const std::string& v) { Serie(p.Meteo->Tef, v); }},
        // The engine starts from the station's temperatures: both copies change.
        {"Météo", "Text",
         [](clsprojet& p, const std::string& v) {
             Serie(p.Meteo->Text, v);
             CopierCollection(p.Meteo->Text, p.Meteo->TextStation);
         }},
        {"Météo", "Zone.ValStr", [](clsprojet& p, const std::string& v) { p.Meteo->zone = v; }},
        {"Météo", "Latitude",
         [](clsprojet& p, const std::string& v) { p.Meteo->latitude = Borne(Simple(v), -90, 90); }},
        {"Capteur", "Type_chauffe-eau",
         [](clsprojet& p, const std::string& v) {
             p.Capteurs->strTypeCE(Modele(v, TableChauffeEau, 5));
         }},
        {"Capteur", "ABEtap", ChampSimple(&clsprojet::Capteurs, &clsCapteurs::ABEtap)},
        {"Capteur", "Dn", ChampSimple(&clsprojet::Capteurs, &clsCapteurs::Dn)},
        {"Capteur", "KsurB", ChampSimple(&clsprojet::Capteurs, &clsCapteurs::KsurB)},
        {"Capteur", "m", ChampSimple(&clsprojet::Capteurs, &clsCapteurs::m)},
        {"Capteur", "Type_capteur",
         [](clsprojet& p, const std::string& v) {
             p.Capteurs->strType(Modele(v, TableCapteurs, 15));
         }},
        {"Capteur", "Ac",
         [](clsprojet& p, const std::string& v) { p.Capteurs->Ac(Borne(Simple(v), 0.01f, 99)); }},
        {"Capteur", "Bc",
         [](clsprojet& p, const std::string& v) { p.Capteurs->Bc = Borne(Simple(v), 0.01f, 99); }},
        {"Capteur", "Kc", ChampSimple(&clsprojet::Capteurs, &clsCapteurs::Kc)},
        {"Capteur", "a",
         [](clsprojet& p, const std::string& v) { p.Capteurs->surface_totale(Simple(v)); }},
        {"Capteur", "Nb_Capteurs",
         [](clsprojet& p, const std::string& v) {
             p.Capteurs->nombre(static_cast<int16_t>(Borne(Entier(v), 1, 999)));
         }},
        {"Capteur", "inclinaison",
         [](clsprojet& p, const std::string& v) {
             const std::string avant = p.Capteurs->inclinaison();
             p.Capteurs->inclinaison(NombreOuLibelle(v, 16));
             if (!(p.Capteurs->ValeurInclinaison() >= 0 && p.Capteurs->ValeurInclinaison() <= 90)) {
                 p.Capteurs->inclinaison(avant);
                 throw ErreurParametre(v + " hors des limites 0 à 90");
             }
         }},
        {"Capteur", "Orientation",
         [](clsprojet& p, const std::string& v) {
             p.Capteurs->Orientation(NombreOuLibelle(v, 17));
         }},
        {"Capteur", "Type_Capteur", ChampEntier(&clsprojet::Capteurs, &clsCapteurs::Type_Capteur)},
        {"Echangeur", "KEch", ChampSimple(&clsprojet::Echangeur, &clsEchangeur::KEch)},
        {"Echangeur", "Kech_A", ChampSimple(&clsprojet::Echangeur, &clsEchangeur::Kech_A)},
        {"Echangeur", "Kech_Type", ChampEntier(&clsprojet::Echangeur, &clsEchangeur::Kech_Type)},
        {"Echangeur", "TypeDeCalcul",
         ChampChoix(&clsprojet::Echangeur, &clsEchangeur::TypeDeCalcul)},
        {"Echangeur", "PresenceEchangeur",
         [](clsprojet& p, const std::string& v) { p.Echangeur->PresenceEchangeur = Choix(v, 11); }},
        {"Echangeur", "PositionEchangeur",
         [](clsprojet& p, const std::string& v) { p.Echangeur->PositionEchangeur = Choix(v, 27); }},
        {"Echangeur", "TypeEchangeur",
         [](clsprojet& p, const std::string& v) {
             p.Echangeur->TypeEchangeur(Modele(v, TableEchange, 12));
         }},
        {"Systeme", "TypeSysteme",
         [](clsprojet& p, const std::string& v) { p.Systeme->TypeSysteme(Choix(v, 14)); }},
        {"Systeme", "TypeAppoint",
         [](clsprojet& p, const std::string& v) { p.Appoint->TypeAppoint = Choix(v, 26); }},
        {"Systeme", "ModeAppoint",
         [](clsprojet& p, const std::string& v) { p.Appoint->ModeAppoint = Choix(v, 31); }},
        {"Efficacité", "R", ChampSimple(&clsprojet::Boucle, &clsBoucle::R)},
        {"Efficacité", "Etap", ChampSimple(&clsprojet::Boucle, &clsBoucle::Etap)},
        {"Efficacité", "TypeDeCalcul",
         ChampChoix(&clsprojet::Boucle, &clsBoucle::TypeDeCalculEfficacite)},
        {"Débit énergétique 1", "cp", ChampSimple(&clsprojet::Boucle, &clsBoucle::cp)},
        {"Débit énergétique 1", "Debit_Total",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::Debit_Total)},
        {"Débit énergétique 1", "Debit_Unitaire",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::Debit_Unitaire)},
        {"Débit énergétique 1", "Fa", ChampSimple(&clsprojet::Boucle, &clsBoucle::Fa)},
        {"Débit énergétique 1", "TypeDeCalcul",
         [](clsprojet& p, const std::string& v) { p.Boucle->TypeDeCalcul1(TypeDeCalcul(v)); }},
        {"Débit énergétique 1", "DebitEner",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::DebitEner)},
        {"Débit énergétique 2", "cp", ChampSimple(&clsprojet::Boucle, &clsBoucle::cp2)},
        {"Débit énergétique 2", "Debit_Total",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::Debit_Total2)},
        {"Débit énergétique 2", "Debit_Unitaire",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::Debit_Unitaire2)},
        {"Débit énergétique 2", "Fa", ChampSimple(&clsprojet::Boucle, &clsBoucle::Fa2)},
        {"Débit énergétique 2", "TypeDeCalcul",
         [](clsprojet& p, const std::string& v) { p.Boucle->TypeDeCalcul2(TypeDeCalcul(v)); }},
        {"Débit énergétique 2", "DebitEner",
         ChampSimple(&clsprojet::Boucle, &clsBoucle::DebitEner2)},
        {"Déperdition", "Calorifugeage",
         [](clsprojet& p,
            const std::string&
                v) { p.Boucle->Calorifugeage = static_cast<int16_t>(Borne(Entier(v), 0, 1)); }},
        {"Déperdition", "eit", ChampSimple(&clsprojet::Boucle, &clsBoucle::eit)},
        {"Déperdition", "K", ChampSimple(&clsprojet::Boucle, &clsBoucle::K)},
        {"Déperdition", "Kt", ChampSimple(&clsprojet::Boucle, &clsBoucle::Kt)},
        {"Déperdition", "L", ChampSimple(&clsprojet::Boucle, &clsBoucle::L)},
        {"Déperdition", "Lit", ChampSimple(&clsprojet::Boucle, &clsBoucle::Lit)},
        {"Déperdition", "Phit", ChampSimple(&clsprojet::Boucle, &clsBoucle::Phit)},
        {"Déperdition", "TypeDeCalcul",
         ChampChoix(&clsprojet::Boucle, &clsBoucle::TypeDeCalculDeperdition)},
        {"Besoin", "Conso", [](clsprojet& p, const std::string& v) { Serie(p.Besoin->Conso, v); }},
        {"Besoin", "Tref", [](clsprojet& p, const std::string& v) { Serie(p.Besoin->Tref, v); }},
        {"Besoin", "Alpha", ChampSimple(&clsprojet::Systeme, &clsOrin::Alpha)},
        {"Ballon", "Type_ballon",
         [](clsprojet& p,
            const std::string& v) { p.Ballon->TypeBallon(Modele(v, TableBallons, 23)); }},
        {"Ballon", "Vn", ChampSimple(&clsprojet::Ballon, &clsBallon::Vn)},
        {"Ballon", "Vs", ChampSimple(&clsprojet::Ballon, &clsBallon::Vs)},
        {"Ballon", "cr", ChampSimple(&clsprojet::Ballon, &clsBallon::cr)},
        {"Ballon", "B_Situation.Indice",
         [](clsprojet& p,
            const std::string&
                v) { p.Ballon->IndiceSituation = static_cast<int16_t>(Borne(Entier(v), 0, 3)); }},
        {"Ballon", "VarDs.Ds", ChampSimple(&clsprojet::Ballon, &clsBallon::Ds)},
        {"Ballon", "VarDs.TypeDeCalcul",
         ChampChoix(&clsprojet::Ballon, &clsBallon::TypeDeCalcul_D)},
        {"Ballon", "VcElec", ChampSimple(&clsprojet::Appoint, &clsAppoint::VcElec)},
        {"Ballon", "TypeCalculVcElec",
         ChampChoix(&clsprojet::Appoint, &clsAppoint::TypeCalculVcElec)},
        {"Ballon", "TypeDeCalculVs", ChampChoix(&clsprojet::Ballon, &clsBallon::TypeDeCalculVs)},
        {"Ballon", "TLocalChauffe", ChampSimple(&clsprojet::Ballon, &clsBallon::TLocalChauffe)},
    };
    return parametres;
}

const Parametre& Trouver(const std::string& nom) {
    std::string section, cle = nom;
    const std::size_t deuxPoints = nom.rfind(':');
    if (deuxPoints != std::string::npos) {
        section = Rogner(nom.substr(0, deuxPoints));
        cle = Rogner(nom.substr(deuxPoints + 1));
    }
    std::vector<const Parametre*> trouves;
    for (const Parametre& p : Parametres()) {
        if (p.cle == cle && (section.empty() || EgalSansCasse(p.section, section)))
            trouves.push_back(&p);
    }
    if (trouves.size() == 1)
        return *trouves.front();
    if (trouves.empty())
        throw ErreurParametre("La clé " + Guillemets(nom) +
                              " ne désigne aucune donnée modifiable du projet.");
    std::string choix;
    for (const Parametre* p : trouves)
        choix += (choix.empty() ? "" : ", ") + Guillemets(std::string(p->section) + ":" + cle);
    throw ErreurParametre("La clé " + Guillemets(nom) + " est ambiguë : précisez " + choix + ".");
}
} // namespace

void DefinirParametre(clsprojet& projet, const std::string& cle, const std::string& valeur) {
    const Parametre& p = Trouver(cle);
    try {
        p.definir(projet, valeur);
    } catch (const ErreurExecution& e) {
        throw ErreurParametre("Valeur refusée pour " + Guillemets(cle) + " : " + e.what() + ".");
    }
}

void DefinirParametre(clsprojet& projet, const std::string& affectation) {
    const std::size_t egal = affectation.find('=');
    if (egal == std::string::npos)
        throw ErreurParametre(Citer(affectation) + " n'est pas de la forme CLÉ=VALEUR.");
    DefinirParametre(projet, affectation.substr(0, egal), affectation.substr(egal + 1));
}

std::vector<std::string> ClesParametres() {
    std::vector<std::string> cles;
    for (const Parametre& p : Parametres())
        cles.push_back(std::string(p.section) + ":" + p.cle);
    return cles;
}
