// The copy of the components into the project record and back, in ten steps whose
// order is part of the behaviour (later steps see what earlier ones wrote).

#include "data/modTexte.h"
#include "project/EtatApplication.h"
#include "project/clsprojet.h"

#include <span>

namespace {
const char* const Continue = "Continue";

// A calculation choice: the component's label, the record's code.
ChoixCalcul Code(const std::string& libelle) {
    return static_cast<ChoixCalcul>(CodeTypeDeCalcul(libelle));
}
std::string Libelle(ChoixCalcul code) {
    return LibelleTypeDeCalcul(static_cast<int>(code));
}

void MoisVers(const CollectionNombres& serie, TableauMois& mois) {
    CollectionVersMois(mois, serie);
}
} // namespace

void clsprojet::ConvertObj2Struct() {
    CopierComposants(Enregistrement());
}

EnregistrementProjet clsprojet::EnregistrementAvantCalcul() const {
    EnregistrementProjet copie = Enregistrement();
    CopierComposants(copie);
    return copie;
}

void clsprojet::CopierComposants(EnregistrementProjet& p) const {
    EnregistrementEntrees& e = p.Entrees;
    EnregistrementCalcul& c = p.Calcul;

    // 1. Mask
    CollectionVersTableau(std::span<float>(e.Masque_Angle), Masque->Masque_Angle);
    CollectionVersTableau(std::span<float>(e.Masque_Hauteur), Masque->Masque_Hauteur);
    e.Masque_Existe = Masque->Masque_Existe;
    e.NB_points = Masque->NbPoints;
    // 2. Site, and the heated-room temperature the needs stage reads beside it
    Meteo->VersEnregistrement(e, c);
    e.TLocalChauffe = Ballon->TLocalChauffe;
    // 3. Collectors
    Capteurs->VersEnregistrement(c);
    // 4. Exchanger
    c.Echangeur.Ch_KEch = Echangeur->Ch_KEch;
    c.Echangeur.KEch = Echangeur->KEch;
    c.Echangeur.Kech_A = Echangeur->Kech_A;
    c.Echangeur.Kech_Type = Echangeur->Kech_Type;
    c.Echangeur.TypeDeCalcul = Code(Echangeur->TypeDeCalcul);
    // 5. Loop heat loss
    GroupeDeperdition& d = c.Deperdition;
    d.Calorifugeage = Boucle->Calorifugeage;
    d.eit = Boucle->eit;
    d.K = Boucle->K;
    d.Kt = Boucle->Kt;
    d.L = Boucle->L;
    d.Lit = Boucle->Lit;
    d.Phit = Boucle->Phit;
    d.TypeDeCalcul = Code(Boucle->TypeDeCalculDeperdition);
    // 6. Loop efficiency and flow rates
    c.Efficacite.R = Boucle->R;
    c.Efficacite.Etap = Boucle->Etap;
    c.Efficacite.TypeDeCalcul = Code(Boucle->TypeDeCalculEfficacite);
    c.Debit1 = {Code(Boucle->TypeDeCalcul1()),
                Boucle->Debit_Unitaire,
                Boucle->Debit_Total,
                Boucle->cp,
                Boucle->Fa,
                Boucle->DebitEner};
    c.Debit2 = {Code(Boucle->TypeDeCalcul2()),
                Boucle->Debit_Unitaire2,
                Boucle->Debit_Total2,
                Boucle->cp2,
                Boucle->Fa2,
                Boucle->DebitEner2};
    // 7. Results kept by the system
    MoisVers(Systeme->T, c.T);
    MoisVers(Systeme->X, c.X);
    MoisVers(Systeme->S, c.S);
    MoisVers(Systeme->F2, c.F2);
    MoisVers(Systeme->Z, c.Z);
    MoisVers(Systeme->Fecs, c.Fecs);
    MoisVers(Systeme->Prod, c.Prod);
    c.Fecs_an = Systeme->Fecs_an;
    c.Productivite_an = Systeme->Productivite_an;
    c.Becs_an = Systeme->Becs_an;
    c.Productivite_par_m2 = Systeme->Productivite_par_m2;
    // 8. System class and code
    c.Classe_Systeme = Systeme->Classe_Systeme();
    c.Categorie_Systeme = Systeme->Categorie_Syteme();
    // 9. Needs
    MoisVers(Besoin->Conso, c.Conso);
    MoisVers(Besoin->Tref, c.Tref);
    c.Alpha = Systeme->Alpha;
    // 10. Tank and auxiliary, with the status marks the parameter stage starts from
    c.Type_ballon = Ballon->TypeBallon();
    c.Vn = Ballon->Vn;
    c.Vs = Ballon->Vs;
    c.cr = Ballon->cr;
    c.B_Situation.Indice = static_cast<SituationBallon>(Ballon->IndiceSituation);
    c.VarDs.Ds = Ballon->Ds;
    c.VarDs.TypeDeCalcul = Code(Ballon->TypeDeCalcul_D);
    c.TypeDeCalculVs = Code(Ballon->TypeDeCalculVs);
    c.Ds = Ballon->Ds;
    c.EtatVn = "";
    c.EtatVcElec = "";
    c.EtatXElec = "";
    c.EtatVs = "?";
    for (Marque& marque : c.EtatsDivers)
        marque = "?";
    c.VcElec = Appoint->VcElec;
    c.TypeCalculVcElec = Code(Appoint->TypeCalculVcElec);
    c.XElec = Appoint->XElec();
}

void clsprojet::ConvertStruct2Obj() {
    CalculSuspendu suspendu; // property changes below must not start a run
    const EnregistrementProjet& p = Enregistrement();
    const EnregistrementEntrees& e = p.Entrees;
    const EnregistrementCalcul& c = p.Calcul;

    // 1. Mask
    TableauVersCollection(std::span<const float>(e.Masque_Angle), Masque->Masque_Angle);
    TableauVersCollection(std::span<const float>(e.Masque_Hauteur), Masque->Masque_Hauteur);
    Masque->Masque_Existe = e.Masque_Existe;
    Masque->NbPoints = e.NB_points;
    // 2. Site
    Meteo->DepuisEnregistrement(e, c);
    Ballon->TLocalChauffe = e.TLocalChauffe;
    // 3. Collectors
    Capteurs->DepuisEnregistrement(c);
    // 4. Exchanger
    Echangeur->Ch_KEch = Rogner(c.Echangeur.Ch_KEch.str());
    Echangeur->KEch = c.Echangeur.KEch;
    Echangeur->Kech_A = c.Echangeur.Kech_A;
    Echangeur->Kech_Type = VersEntier16(c.Echangeur.Kech_Type);
    Echangeur->TypeDeCalcul = Libelle(c.Echangeur.TypeDeCalcul);
    // 5. Loop heat loss
    const GroupeDeperdition& d = c.Deperdition;
    Boucle->Calorifugeage = d.Calorifugeage;
    Boucle->eit = d.eit;
    Boucle->K = d.K;
    Boucle->Kt = d.Kt;
    Boucle->L = d.L;
    Boucle->Lit = d.Lit;
    Boucle->Phit = d.Phit;
    Boucle->TypeDeCalculDeperdition = Libelle(d.TypeDeCalcul);
    // 6. Loop efficiency and flow rates (through the choices' coupling rule)
    Boucle->R = c.Efficacite.R;
    Boucle->Etap = c.Efficacite.Etap;
    Boucle->TypeDeCalculEfficacite = Libelle(c.Efficacite.TypeDeCalcul);
    Boucle->TypeDeCalcul1(Libelle(c.Debit1.TypeDeCalcul));
    Boucle->Debit_Unitaire = c.Debit1.Debit_Unitaire;
    Boucle->Debit_Total = c.Debit1.Debit_Total;
    Boucle->cp = c.Debit1.cp;
    Boucle->Fa = c.Debit1.Fa;
    Boucle->DebitEner = c.Debit1.DebitEner;
    Boucle->TypeDeCalcul2(Libelle(c.Debit2.TypeDeCalcul));
    Boucle->Debit_Unitaire2 = c.Debit2.Debit_Unitaire;
    Boucle->Debit_Total2 = c.Debit2.Debit_Total;
    Boucle->cp2 = c.Debit2.cp;
    Boucle->Fa2 = c.Debit2.Fa;
    Boucle->DebitEner2 = c.Debit2.DebitEner;
    // 7. Results
    MoisVersCollection(c.T, Systeme->T);
    MoisVersCollection(c.X, Systeme->X);
    MoisVersCollection(c.S, Systeme->S);
    MoisVersCollection(c.F2, Systeme->F2);
    MoisVersCollection(c.Z, Systeme->Z);
    MoisVersCollection(c.Fecs, Systeme->Fecs);
    MoisVersCollection(c.Prod, Systeme->Prod);
    Systeme->Fecs_an = c.Fecs_an;
    Systeme->Productivite_an = c.Productivite_an;
    Systeme->Becs_an = c.Becs_an;
    Systeme->Productivite_par_m2 = c.Productivite_par_m2;
    // 8. The class and code are derived from the components; nothing comes back.
    // 9. Needs
    MoisVersCollection(c.Conso, Besoin->Conso);
    MoisVersCollection(c.Tref, Besoin->Tref);
    Systeme->Alpha = c.Alpha;
    // 10. Tank and auxiliary
    Ballon->RestaurerTypeBallon(c.Type_ballon);
    Ballon->Vn = c.Vn;
    Ballon->Vs = c.Vs;
    Ballon->cr = c.cr;
    Ballon->IndiceSituation = static_cast<int16_t>(c.B_Situation.Indice);
    Ballon->Ds = c.Ds;
    Ballon->TypeDeCalcul_D = Libelle(c.VarDs.TypeDeCalcul);
    Ballon->TypeDeCalculVs = Libelle(c.TypeDeCalculVs);
    Appoint->VcElec = c.VcElec;
    Appoint->TypeCalculVcElec = Libelle(c.TypeCalculVcElec);
    Appoint->ModeAppoint = c.XElec == 0.6f ? "H creuses" : Continue;
}
