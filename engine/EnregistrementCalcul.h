#pragma once
// The project record the engine works on: the site inputs and the calculation
// record, with the monthly arrays and fixed-width texts they are made of.

#include "common/Texte.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Monthly values: index m (1 = January .. 12 = December); index 0 is never used.
using TableauMois = std::array<float, 13>;
// Mask points 1..32; index 0 is never used.
using TableauPoints = std::array<float, 33>;

// A text of exactly N characters: padded with spaces on assignment, cut when longer.
template <std::size_t N> class ChaineFixe {
public:
    ChaineFixe() : valeur_(N, ' ') {}
    explicit ChaineFixe(std::string_view s) : valeur_(TexteFixe(s, N)) {}

    ChaineFixe& operator=(std::string_view s) {
        valeur_ = TexteFixe(s, N);
        return *this;
    }
    ChaineFixe& operator=(const char* s) { return *this = std::string_view(s); }
    ChaineFixe& operator=(const std::string& s) { return *this = std::string_view(s); }

    const std::string& str() const { return valeur_; }
    operator const std::string&() const { return valeur_; }
    static constexpr std::size_t Largeur = N;

    friend bool operator==(const ChaineFixe& a, const ChaineFixe& b) {
        return a.valeur_ == b.valeur_;
    }
    // Compares the padded text with a text padded the same way.
    friend bool operator==(const ChaineFixe& a, std::string_view b) {
        return a.valeur_ == TexteFixe(b, N);
    }

private:
    std::string valeur_;
};

// The calculation choice of a value, as the project file codes it: the value is
// computed simply, computed in detail, or the person's own value is kept.
enum class ChoixCalcul : int16_t { Simple = 0, Detaille = 1, ValeurForcee = 2 };

// How the collector loop meets the tank.
enum class ClasseSysteme : int16_t {
    EchangeurSepare = 0,    // exchanger between two loops
    EchangeurIncorpore = 1, // exchanger incorporated in the tank
    SansEchangeur = 2,
    ChauffeEauMonobloc = 3, // one-piece solar water heater
};

// Where the tank stands. 0 reads as outdoors too (a record never filled).
enum class SituationBallon : int16_t {
    Indefinie = 0,
    Exterieur = 1,
    LocalNonChauffe = 2,
    LocalChauffe = 3
};

// A status mark: blank = given, "V" = computed in this run, "?" or "*" = undetermined.
using Marque = ChaineFixe<1>;

// Site situation and shading mask of one project.
struct EnregistrementEntrees {
    int16_t Zone_Climatique = 0;
    int16_t Zone_Cotiere = 0;
    int16_t Classe_Exposition_Vent = 0;
    float Altitude = 0;
    int16_t Distance_Mer = 0;      // class 1..4
    int16_t Nb_Habitant_Ville = 0; // class 1..3
    std::string Departement;
    std::string Pays;
    std::string Station;
    float altitude_station_meteo = 0;
    float Distance_Mer_station_meteo = 0; // class number
    float Nb_habitant_station_meteo = 0;  // class number
    int16_t NB_points = 0;
    TableauPoints Masque_Hauteur{};
    TableauPoints Masque_Angle{};
    int16_t Masque_Existe = 0;
    float TLocalChauffe = 0; // heated tank room [°C]
};

// The groups of the record that share field names ("TypeDeCalcul", "R"...) are
// separate structures, so that each field is a distinct member.
struct GroupeVarDs {
    ChoixCalcul TypeDeCalcul = ChoixCalcul::Simple;
    float Ds = 0; // as entered [W/K]
};

struct GroupeSituationBallon {
    SituationBallon Indice = SituationBallon::Indefinie;
};

struct GroupeDeperdition {
    ChoixCalcul TypeDeCalcul = ChoixCalcul::Simple;
    int16_t Calorifugeage = 0; // 0 bare pipe, other insulated
    float K = 0;               // [W/(m².K)]
    float Kt = 0;              // [W/K]
    float L = 0;               // [m]
    float Phit = 0;            // outer diameter [mm]
    float eit = 0;             // insulation thickness [mm]
    float Lit = 0;             // insulation conductivity [W/(m.K)]
};

struct GroupeEfficacite {
    ChoixCalcul TypeDeCalcul = ChoixCalcul::Simple;
    float Etap = 0;
    float R = 0;
};

struct GroupeDebitEnergetique {
    ChoixCalcul TypeDeCalcul = ChoixCalcul::Simple;
    float Debit_Unitaire = 0; // [l/(h.m²)]
    float Debit_Total = 0;    // [l/h]
    float cp = 0;             // [Wh/(l.K)]
    float Fa = 0;             // antifreeze share [%]
    float DebitEner = 0;      // [W/K]
};

struct GroupeEchangeur {
    ChoixCalcul TypeDeCalcul = ChoixCalcul::Simple;
    float Kech_Type = 0;
    float Kech_A = 0;
    float KEch = 0; // [W/K]
    Marque Ch_KEch;
};

struct GroupeZone {
    ChaineFixe<25> ValStr;
};

// Everything the engine reads and writes, in the order of the project's fields.
struct EnregistrementCalcul {
    ChaineFixe<50> NomProjet;
    ClasseSysteme Classe_Systeme = ClasseSysteme::EchangeurSepare;
    ChaineFixe<25> Categorie_Systeme;

    // Collectors
    float Ac = 0;
    float Bc = 0;
    float Kc = 0;
    float a = 0;
    float inclinaison = 0;
    float Orientation = 0;
    int16_t Nb_Capteurs = 0;
    int16_t Type_Capteur = 0; // collector type code (3: no incidence-angle table)
    TableauMois FacteurMois{};
    std::string Type_capteur;     // collector model name
    std::string Type_chauffe_eau; // one-piece water-heater model name ("Type_chauffe-eau")
    float ABEtap = 0;
    float KsurB = 0;
    float Dn = 0;
    float m = 0;

    // Tank and auxiliary
    GroupeVarDs VarDs;
    float Ds = 0;
    float XElec = 0;
    float Vn = 0;
    float Vs = 0;
    float VcElec = 0;
    ChoixCalcul TypeCalculVcElec = ChoixCalcul::Simple;
    float cr = 0;
    ChoixCalcul TypeDeCalculVs = ChoixCalcul::Simple;
    Marque EtatVn;
    Marque EtatVs;
    Marque EtatVcElec;
    std::array<Marque, 7> EtatsDivers; // set to "?" on import, not read
    Marque EtatXElec;
    std::string Type_ballon;
    GroupeSituationBallon B_Situation;

    // Loop, flow rates and exchanger
    GroupeDeperdition Deperdition;
    GroupeEfficacite Efficacite;
    GroupeDebitEnergetique Debit1;
    GroupeDebitEnergetique Debit2;
    GroupeEchangeur Echangeur;

    // Needs
    float Alpha = 0;
    TableauMois Becs{};
    TableauMois Conso{};
    TableauMois Tref{};
    TableauMois TLocal{};

    // Site weather
    float Latitude = 0;
    Marque Hemisphere;
    GroupeZone Zone;
    TableauMois Gh{};
    TableauMois Text{};
    TableauMois TextStation{};
    TableauMois Tef{};
    TableauMois Cs{};
    TableauMois Delta{};
    TableauMois AlphagG{};
    TableauMois R{};
    TableauMois G_l_i_g_R{};
    TableauMois Nj{};
    TableauMois Em{};
    TableauMois DT{};
    TableauMois DT1{};
    TableauMois DT2{};

    // Groups and results
    TableauMois T{};
    TableauMois X{};
    TableauMois S{};
    TableauMois F2{};
    TableauMois Z{};
    TableauMois Fecs{};
    TableauMois Prod{};
    float Fecs_an = 0;
    float Productivite_an = 0;
    float Becs_an = 0;
    float Productivite_par_m2 = 0;
};

struct EnregistrementProjet {
    EnregistrementEntrees Entrees;
    EnregistrementCalcul Calcul;
};
