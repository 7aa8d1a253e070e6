#include "project/ElementsProjet.h"

#include "data/modTexte.h"
#include "project/ValeursFichier.h"

#include <cmath>

namespace {
template <std::size_t N>
void ValeurFixe(VisiteurElements& v, const char* cle, ChaineFixe<N>& champ) {
    std::string texte = champ.str();
    v.Valeur(cle, texte);
    champ = texte;
}

// A choice the file holds as its Integer code: converted here, at the file's edge.
template <class Code> void ValeurCode(VisiteurElements& v, const char* cle, Code& champ) {
    auto entier = static_cast<int16_t>(champ);
    v.Valeur(cle, entier);
    champ = static_cast<Code>(entier);
}

// The auxiliary's choice is stored as an Integer but goes through a text: a text
// that does not begin with a number gives 0 instead of an error.
void ValeurChoixParTexte(VisiteurElements& v, const char* cle, ChoixCalcul& champ) {
    std::string texte = std::to_string(static_cast<int16_t>(champ));
    v.Valeur(cle, texte);
    champ = static_cast<ChoixCalcul>(VersEntier16(std::trunc(ValeurEnTete(texte))));
}

void Masque(EnregistrementEntrees& e, VisiteurElements& v) {
    v.Section("Masque");
    v.Valeur("NB points", e.NB_points);
    v.Valeur("Masque_Angle", e.Masque_Angle);
    v.Valeur("Masque_Hauteur", e.Masque_Hauteur);
    v.Valeur("Masque_Existe", e.Masque_Existe);
}

void Meteo(EnregistrementEntrees& e, EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Météo");
    v.Valeur("Pays", e.Pays);
    v.Valeur("Département", e.Departement);
    v.Valeur("Station", e.Station);
    v.Valeur("Situation.Classe_Exposition_Vent", e.Classe_Exposition_Vent);
    v.Valeur("Situation.Nb_habitant_station_meteo", e.Nb_habitant_station_meteo);
    v.Valeur("Situation.Nb_Habitant_Ville", e.Nb_Habitant_Ville);
    v.Valeur("Situation.Distance_Mer", e.Distance_Mer);
    v.Valeur("Situation.Distance_Mer_station_meteo", e.Distance_Mer_station_meteo);
    v.Valeur("Situation.Altitude", e.Altitude);
    v.Valeur("Situation.altitude_station_meteo", e.altitude_station_meteo);
    v.Valeur("Situation.Zone_Climatique", e.Zone_Climatique);
    v.Valeur("Situation.Zone_Cotiere", e.Zone_Cotiere);
    v.Valeur("AlphagG", c.AlphagG);
    v.Valeur("Cs", c.Cs);
    v.Valeur("DT", c.DT);
    v.Valeur("DT1", c.DT1);
    v.Valeur("DT2", c.DT2);
    v.Valeur("Em", c.Em);
    v.Valeur("G_l_i_g_R", c.G_l_i_g_R);
    v.Valeur("Gh", c.Gh);
    v.Valeur("Nj", c.Nj);
    v.Valeur("Delta", c.Delta);
    v.Valeur("R", c.R);
    v.Valeur("Tef", c.Tef);
    v.Valeur("Text", c.Text);
    ValeurFixe(v, "Zone.ValStr", c.Zone.ValStr);
    v.Valeur("Latitude", c.Latitude);
}

void Capteur(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Capteur");
    v.Valeur("Type_chauffe-eau", c.Type_chauffe_eau);
    v.Valeur("ABEtap", c.ABEtap);
    v.Valeur("Dn", c.Dn);
    v.Valeur("KsurB", c.KsurB);
    v.Valeur("m", c.m);
    v.Valeur("Type_capteur", c.Type_capteur);
    v.Valeur("Ac", c.Ac);
    v.Valeur("Bc", c.Bc);
    v.Valeur("Kc", c.Kc);
    v.Valeur("a", c.a);
    v.Valeur("Nb_Capteurs", c.Nb_Capteurs);
    v.Valeur("inclinaison", c.inclinaison);
    v.Valeur("Orientation", c.Orientation);
    v.Valeur("Type_Capteur", c.Type_Capteur);
}

void Echangeur(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Echangeur");
    ValeurFixe(v, "Ch_KEch", c.Echangeur.Ch_KEch);
    v.Valeur("KEch", c.Echangeur.KEch);
    v.Valeur("Kech_A", c.Echangeur.Kech_A);
    v.Valeur("Kech_Type", c.Echangeur.Kech_Type);
    ValeurCode(v, "TypeDeCalcul", c.Echangeur.TypeDeCalcul);
}

void Systeme(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Systeme");
    ValeurCode(v, "Classe_Systeme", c.Classe_Systeme);
    ValeurFixe(v, "Categorie_Systeme", c.Categorie_Systeme);
}

void Efficacite(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Efficacité");
    v.Valeur("R", c.Efficacite.R);
    v.Valeur("Etap", c.Efficacite.Etap);
    ValeurCode(v, "TypeDeCalcul", c.Efficacite.TypeDeCalcul);
}

void Debit(const char* section, GroupeDebitEnergetique& d, VisiteurElements& v) {
    v.Section(section);
    v.Valeur("cp", d.cp);
    v.Valeur("Debit_Total", d.Debit_Total);
    v.Valeur("Debit_Unitaire", d.Debit_Unitaire);
    v.Valeur("Fa", d.Fa);
    ValeurCode(v, "TypeDeCalcul", d.TypeDeCalcul);
    v.Valeur("DebitEner", d.DebitEner);
}

void Deperdition(GroupeDeperdition& d, VisiteurElements& v) {
    v.Section("Déperdition");
    v.Valeur("Calorifugeage", d.Calorifugeage);
    v.Valeur("eit", d.eit);
    v.Valeur("K", d.K);
    v.Valeur("Kt", d.Kt);
    v.Valeur("L", d.L);
    v.Valeur("Lit", d.Lit);
    v.Valeur("Phit", d.Phit);
    ValeurCode(v, "TypeDeCalcul", d.TypeDeCalcul);
}

void Besoin(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Besoin");
    v.Valeur("Conso", c.Conso);
    v.Valeur("Tref", c.Tref);
    v.Valeur("Alpha", c.Alpha);
}

void Ballon(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Ballon");
    v.Valeur("Type_ballon", c.Type_ballon);
    v.Valeur("Vn", c.Vn);
    v.Valeur("Vs", c.Vs);
    v.Valeur("cr", c.cr);
    ValeurCode(v, "B_Situation.Indice", c.B_Situation.Indice);
    v.Valeur("VarDs.Ds", c.VarDs.Ds);
    ValeurCode(v, "VarDs.TypeDeCalcul", c.VarDs.TypeDeCalcul);
    v.Valeur("Ds", c.Ds);
    v.Valeur("VcElec", c.VcElec);
    ValeurChoixParTexte(v, "TypeCalculVcElec", c.TypeCalculVcElec);
    v.Valeur("XElec", c.XElec);
}

void Resultats(EnregistrementCalcul& c, VisiteurElements& v) {
    v.Section("Résultats");
    v.Valeur("TLocal", c.TLocal);
    // A second copy of the outdoor temperatures; when reading, this one stays.
    v.Valeur("Température extérieure", c.Text);
    v.Valeur("F2", c.F2);
    v.Valeur("T", c.T);
    v.Valeur("S", c.S);
    v.Valeur("Z", c.Z);
    v.Valeur("Becs", c.Becs);
    v.Valeur("Becs_an", c.Becs_an);
    v.Valeur("Fecs", c.Fecs);
    v.Valeur("Fecs_an", c.Fecs_an);
    v.Valeur("Prod", c.Prod);
    v.Valeur("Productivite_an", c.Productivite_an);
    v.Valeur("Productivite_par_m2", c.Productivite_par_m2);
}
} // namespace

void ParcourirElements(EnregistrementProjet& projet, std::string& fichier, VisiteurElements& v) {
    EnregistrementCalcul& c = projet.Calcul;
    v.Section("Projet");
    v.Valeur("Projet", fichier);
    Masque(projet.Entrees, v);
    Meteo(projet.Entrees, c, v);
    Capteur(c, v);
    Echangeur(c, v);
    Systeme(c, v);
    Efficacite(c, v);
    Debit("Débit énergétique 1", c.Debit1, v);
    Debit("Débit énergétique 2", c.Debit2, v);
    Deperdition(c.Deperdition, v);
    Besoin(c, v);
    Ballon(c, v);
    Resultats(c, v);
}
