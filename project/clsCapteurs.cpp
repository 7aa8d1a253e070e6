#include "project/clsCapteurs.h"

#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/ValeursFichier.h"

#include <cmath>

namespace {
// A number typed with a comma or a point, or else a label of the table.
float NombreOuLibelle(const std::string& texte, const Table& table) {
    std::string valeur = texte;
    for (char& c : valeur) {
        if (c == '.')
            c = ',';
    }
    if (EstNumerique(valeur))
        return static_cast<float>(ConvertirNombre(valeur));
    float nombre = 0;
    LireValeursTable(table, texte, {&nombre});
    return nombre;
}
} // namespace

clsCapteurs::clsCapteurs() {
    strType(Libelles[15][0]);
    strTypeCE(Libelles[5][0]);
}

void clsCapteurs::RecalculerSurface() {
    surface_totale_ = static_cast<float>(static_cast<double>(nombre_) * Ac_);
}

void clsCapteurs::strType(const std::string& modele) {
    strType_ = modele;
    LireValeursTable(TableCapteurs, modele, {&Bc, &Kc, &Ac_, &Type_Capteur});
    RecalculerSurface();
}

void clsCapteurs::strTypeCE(const std::string& modele) {
    strTypeCE_ = modele;
    LireValeursTable(TableChauffeEau, modele, {&ABEtap, &KsurB, &Dn, &m});
    RecalculerSurface();
}

void clsCapteurs::Ac(float valeur) {
    Ac_ = valeur;
    RecalculerSurface();
}

void clsCapteurs::nombre(int16_t valeur) {
    nombre_ = valeur;
    RecalculerSurface();
}

void clsCapteurs::surface_totale(float valeur) {
    if (Ac_ == 0) {
        surface_totale_ = valeur;
        return;
    }
    nombre_ = VersEntier16(static_cast<double>(valeur) / Ac_); // halves to even
    RecalculerSurface();
}

std::string clsCapteurs::inclinaison() const {
    return FormatSimple(inclinaison_);
}

void clsCapteurs::inclinaison(const std::string& texte) {
    inclinaison_ = NombreOuLibelle(texte, TableInclinaisons);
}

std::string clsCapteurs::Orientation() const {
    return FormatSimple(orientation_);
}

void clsCapteurs::Orientation(const std::string& texte) {
    orientation_ = NombreOuLibelle(texte, TableOrientations);
}

void clsCapteurs::VersEnregistrement(EnregistrementCalcul& c) const {
    c.ABEtap = ABEtap;
    c.Dn = Dn;
    c.KsurB = KsurB;
    c.m = m;
    c.Type_chauffe_eau = strTypeCE_;
    c.Ac = Ac_;
    c.Bc = Bc;
    c.Kc = Kc;
    c.Type_Capteur = Type_Capteur;
    c.a = surface_totale_;
    c.Nb_Capteurs = nombre_;
    c.Type_capteur = strType_;
    c.inclinaison = inclinaison_;
    c.Orientation = orientation_;
}

void clsCapteurs::DepuisEnregistrement(const EnregistrementCalcul& c) {
    ABEtap = c.ABEtap;
    Dn = c.Dn;
    KsurB = c.KsurB;
    m = c.m;
    strTypeCE_ = c.Type_chauffe_eau;
    Ac_ = c.Ac;
    Bc = c.Bc;
    Kc = c.Kc;
    Type_Capteur = c.Type_Capteur;
    surface_totale_ = c.a;
    nombre_ = c.Nb_Capteurs;
    strType_ = c.Type_capteur;
    inclinaison_ = c.inclinaison;
    orientation_ = c.Orientation;
}
