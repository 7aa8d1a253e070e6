// The input rules of the collector loop, the needs and the tank, and of the values
// the project file has no item for.

#include "project/ReglesSaisieOutils.h"

namespace regles {
namespace {
// The members of one of the two flow groups, which share their keys: the section
// tells them apart.
struct MembresDebit {
    const char* section;
    float clsBoucle::*cp;
    float clsBoucle::*total;
    float clsBoucle::*unitaire;
    float clsBoucle::*fa;
    float clsBoucle::*debitEner;
    const char* champ;
    const char* libelle;
    void (*choix)(clsprojet&, const std::string&);
};

template <auto Groupe> void Debit(Regles& t, const MembresDebit& m) {
    using GD = GroupeDebitEnergetique;
    const auto valeur = [&](const char* cle, const char* libelle, const char* unite, Bornes b,
                            float clsBoucle::*membre, float GD::*champRecord,
                            const char* champs = "") {
        t.push_back(
            {.section = m.section,
             .cle = cle,
             .libelle = libelle,
             .unite = unite,
             .bornes = b,
             .champs = champs,
             .portee = P::ElementsSepares,
             .definir = [membre](clsprojet& p,
                                 const std::string& v) { (*p.Boucle).*membre = LireSimple(v); },
             .valeurs =
                 [champRecord](const Enr& e) {
                     return std::vector<float>{(e.Calcul.*Groupe).*champRecord};
                 }});
    };
    valeur("cp", "Capa. Therm. [Wh/l.K]", "Wh/(l.K)", Bornes{0, 2}, m.cp, &GD::cp);
    valeur("Debit_Total", "Débit total [l/h]", "l/h", Bornes{0, 100000}, m.total, &GD::Debit_Total);
    valeur("Debit_Unitaire", "Débit unitaire [l/(h.m²)]", "l/(h.m²)", Bornes{0, 1000}, m.unitaire,
           &GD::Debit_Unitaire);
    valeur("Fa", "Antigel [%]", "%", Bornes{0, 100}, m.fa, &GD::Fa);
    t.push_back({.section = m.section,
                 .cle = "TypeDeCalcul",
                 .libelle = "Calcul du débit énergétique",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = m.choix});
    valeur("DebitEner", m.libelle, "W/K", Bornes{0, 100000}, m.debitEner, &GD::DebitEner, m.champ);
    t.back().saisieSi = Force<Groupe>;
}

void Deperdition(Regles& t) {
    using GP = GroupeDeperdition;
    t.push_back({.section = "Déperdition",
                 .cle = "Calorifugeage",
                 .libelle = "Calorifugeage (0 sans, 1 avec)",
                 .genre = G::Entier,
                 .bornes = Bornes{0, 1},
                 .champs = "txtCalorifugeage",
                 .portee = P::ElementsSepares,
                 .definir = Entier<&clsprojet::Boucle, &clsBoucle::Calorifugeage>});
    const auto valeur = [&t](const char* cle, const char* libelle, const char* unite, Bornes b,
                             float clsBoucle::*membre, float GP::*champRecord,
                             const char* champs = "") {
        t.push_back(
            {.section = "Déperdition",
             .cle = cle,
             .libelle = libelle,
             .unite = unite,
             .bornes = b,
             .champs = champs,
             .portee = P::ElementsSepares,
             .definir = [membre](clsprojet& p,
                                 const std::string& v) { (*p.Boucle).*membre = LireSimple(v); },
             .valeurs =
                 [champRecord](const Enr& e) {
                     return std::vector<float>{e.Calcul.Deperdition.*champRecord};
                 }});
    };
    valeur("eit", "Epaiss. isol. [mm]", "mm", Bornes{0, 500}, &clsBoucle::eit, &GP::eit);
    valeur("K", "Déperdition thermique [W/(m².K)]", "W/(m².K)", Bornes{0.01, 100}, &clsBoucle::K,
           &GP::K, "txtDeperditionBoucle");
    t.back().saisieSi = Force<&C::Deperdition>;
    valeur("Kt", "Déperdition de la boucle [W/K]", "W/K", Bornes{0, 100000}, &clsBoucle::Kt,
           &GP::Kt);
    t.back().saisieSi = [](const Enr&) { return false; }; // always computed
    valeur("L", "Longeur ext. [m]", "m", Bornes{0, 1000}, &clsBoucle::L, &GP::L);
    valeur("Lit", "Cond. therm. isolant [W/(m.K)]", "W/(m.K)", Bornes{0, 10}, &clsBoucle::Lit,
           &GP::Lit);
    valeur("Phit", "Diamètre ext. [mm]", "mm", Bornes{0, 1000}, &clsBoucle::Phit, &GP::Phit);
    t.push_back({.section = "Déperdition",
                 .cle = "TypeDeCalcul",
                 .libelle = "Calcul de la déperdition",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Boucle, &clsBoucle::TypeDeCalculDeperdition>});
}
} // namespace

Regles ReglesBoucle() {
    Regles t;
    using GE = GroupeEfficacite;
    t.push_back({.section = "Efficacité",
                 .cle = "R",
                 .libelle = "Rendement de la boucle R",
                 .bornes = Bornes{0.01, 1},
                 .portee = P::ElementsSepares,
                 .definir = Simple<&clsprojet::Boucle, &clsBoucle::R>,
                 .valeurs = DuGroupe<&C::Efficacite, &GE::R>});
    t.push_back({.section = "Efficacité",
                 .cle = "Etap",
                 .libelle = "Efficacité",
                 .bornes = Bornes{0.01, 1},
                 .champs = "txtEfficaciteBoucle",
                 .portee = P::ElementsSepares,
                 .saisieSi = Force<&C::Efficacite>,
                 .definir = Simple<&clsprojet::Boucle, &clsBoucle::Etap>,
                 .valeurs = DuGroupe<&C::Efficacite, &GE::Etap>});
    t.push_back({.section = "Efficacité",
                 .cle = "TypeDeCalcul",
                 .libelle = "Calcul de l'efficacité",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Boucle, &clsBoucle::TypeDeCalculEfficacite>});
    Debit<&C::Debit1>(
        t, {"Débit énergétique 1", &clsBoucle::cp, &clsBoucle::Debit_Total,
            &clsBoucle::Debit_Unitaire, &clsBoucle::Fa, &clsBoucle::DebitEner,
            "txtDebitEnergetique1Boucle", "Débit énerg. 1 [W/K]",
            [](clsprojet& p, const std::string& v) { p.Boucle->TypeDeCalcul1(LibelleChoix(v)); }});
    Debit<&C::Debit2>(
        t, {"Débit énergétique 2", &clsBoucle::cp2, &clsBoucle::Debit_Total2,
            &clsBoucle::Debit_Unitaire2, &clsBoucle::Fa2, &clsBoucle::DebitEner2,
            "txtDebitEnergetique2Boucle", "Débit énerg. 2 [W/K]",
            [](clsprojet& p, const std::string& v) { p.Boucle->TypeDeCalcul2(LibelleChoix(v)); }});
    Deperdition(t);
    return t;
}

Regles ReglesBesoinsEtBallon() {
    Regles t;
    t.push_back(
        {.section = "Besoin",
         .cle = "Conso",
         .libelle = "Consommation journalière [l/j]",
         .unite = "l/j",
         .genre = G::Mois,
         .bornes = Bornes{1, 100000},
         .definir = [](clsprojet& p, const std::string& v) { LireSerie(v, 12, p.Besoin->Conso); },
         .valeurs = DuMois<&C::Conso>});
    t.push_back(
        {.section = "Besoin",
         .cle = "Tref",
         .libelle = "Température de l'eau chaude [°C]",
         .unite = "°C",
         .genre = G::Mois,
         .bornes = Bornes{30, 95},
         .definir = [](clsprojet& p, const std::string& v) { LireSerie(v, 12, p.Besoin->Tref); },
         .valeurs = DuMois<&C::Tref>});
    t.push_back({.section = "Besoin",
                 .cle = "Alpha",
                 .libelle = "Coefficient Alpha",
                 .bornes = Bornes{0.1, 10},
                 .definir = Simple<&clsprojet::Systeme, &clsOrin::Alpha>,
                 .valeurs = DuCalcul<&C::Alpha>});
    t.push_back({.section = "Ballon",
                 .cle = "Type_ballon",
                 .libelle = "Type",
                 .genre = G::Catalogue,
                 .liste = Liste::Ballons,
                 .champs = "txtTypeBallon",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementBallon,
                 .definir = [](clsprojet& p, const std::string& v) { p.Ballon->TypeBallon(v); }});
    t.push_back({.section = "Ballon",
                 .cle = "Vn",
                 .libelle = "Vn [l]",
                 .unite = "l",
                 .decimales = 0,
                 .bornes = Bornes{10, 100000},
                 .champs = "txtVn",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementBallon,
                 .definir = Simple<&clsprojet::Ballon, &clsBallon::Vn>,
                 .valeurs = DuCalcul<&C::Vn>});
    t.push_back({.section = "Ballon",
                 .cle = "Vs",
                 .libelle = "Vs [l]",
                 .unite = "l",
                 .decimales = 0,
                 .bornes = Bornes{1, 100000},
                 .champs = "txtVs",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementBallon,
                 .saisieSi = ForceCalcul<&C::TypeDeCalculVs>,
                 .definir = Simple<&clsprojet::Ballon, &clsBallon::Vs>,
                 .valeurs = DuCalcul<&C::Vs>});
    t.push_back({.section = "Ballon",
                 .cle = "cr",
                 .libelle = "Cr [Wh/ (l.K.j)]",
                 .unite = "Wh/(l.K.j)",
                 .bornes = Bornes{0, 10},
                 .champs = "txtCr",
                 .portee = P::ElementsSepares,
                 .declencheur = D::ElementBallon,
                 .definir = Simple<&clsprojet::Ballon, &clsBallon::cr>,
                 .valeurs = DuCalcul<&C::cr>});
    t.push_back({.section = "Ballon",
                 .cle = "B_Situation.Indice",
                 .libelle = "Lieu (1 extérieur, 2 local non chauffé, 3 local chauffé)",
                 .genre = G::Entier,
                 .bornes = Bornes{1, 3},
                 .champs = "txtLieu txtLieuCE",
                 .definir = Entier<&clsprojet::Ballon, &clsBallon::IndiceSituation>,
                 .valeurs = [](const Enr& e) {
                     return std::vector<float>{static_cast<float>(e.Calcul.B_Situation.Indice)};
                 }});
    t.push_back({.section = "Ballon",
                 .cle = "VarDs.Ds",
                 .libelle = "Ds [W/K]",
                 .unite = "W/K",
                 .bornes = Bornes{0, 1000},
                 .champs = "txtDeperditionBallon",
                 .portee = P::ElementsSepares,
                 .saisieSi = Force<&C::VarDs>,
                 .definir = Simple<&clsprojet::Ballon, &clsBallon::Ds>,
                 .valeurs = DuCalcul<&C::Ds>});
    t.push_back({.section = "Ballon",
                 .cle = "VarDs.TypeDeCalcul",
                 .libelle = "Calcul de Ds",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Ballon, &clsBallon::TypeDeCalcul_D>});
    t.push_back({.section = "Ballon",
                 .cle = "VcElec",
                 .libelle = "Vc Elec. [l]",
                 .unite = "l",
                 .decimales = 0,
                 .bornes = Bornes{0, 100000},
                 .champs = "txtVcElec",
                 .portee = P::ElementsSepares,
                 .saisieSi = ForceCalcul<&C::TypeCalculVcElec>,
                 .definir = Simple<&clsprojet::Appoint, &clsAppoint::VcElec>,
                 .valeurs = DuCalcul<&C::VcElec>});
    t.push_back({.section = "Ballon",
                 .cle = "TypeCalculVcElec",
                 .libelle = "Calcul de Vc Elec.",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Appoint, &clsAppoint::TypeCalculVcElec>});
    return t;
}

Regles ReglesHorsFichier() {
    Regles t;
    const auto liste = [&t](const char* section, const char* cle, const char* libelle, int numero,
                            const char* champ, void (*definir)(clsprojet&, const std::string&),
                            std::string (*lire)(const clsprojet&)) {
        t.push_back({.section = section,
                     .cle = cle,
                     .libelle = libelle,
                     .genre = G::Liste,
                     .liste = numero,
                     .champs = champ,
                     .stockage = S::Consequence,
                     .definir = definir,
                     .lire = lire});
    };
    liste(
        "Systeme", "TypeSysteme", "Système", Liste::TypesSysteme, "txtSysteme",
        [](clsprojet& p, const std::string& v) { p.Systeme->TypeSysteme(v); },
        [](const clsprojet& p) { return p.Systeme->TypeSysteme(); });
    liste(
        "Systeme", "TypeAppoint", "Appoint", Liste::Appoint, "txtAppoint",
        [](clsprojet& p, const std::string& v) { p.Appoint->TypeAppoint = v; },
        [](const clsprojet& p) { return p.Appoint->TypeAppoint; });
    liste(
        "Systeme", "ModeAppoint", "Aliment.", Liste::Alimentation, "txtAlim",
        [](clsprojet& p, const std::string& v) { p.Appoint->ModeAppoint = v; },
        [](const clsprojet& p) { return p.Appoint->ModeAppoint; });
    liste(
        "Echangeur", "PresenceEchangeur", "Echangeur", Liste::PresenceEchangeur, "txtEchangeur",
        [](clsprojet& p, const std::string& v) { p.Echangeur->PresenceEchangeur = v; },
        [](const clsprojet& p) { return p.Echangeur->PresenceEchangeur; });
    liste(
        "Echangeur", "PositionEchangeur", "Situation de l'échangeur", Liste::PositionEchangeur,
        "txtSituationEchangeur",
        [](clsprojet& p, const std::string& v) { p.Echangeur->PositionEchangeur = v; },
        [](const clsprojet& p) { return p.Echangeur->PositionEchangeur; });
    // Values a person sets and the file has no item for: the extension section keeps them.
    t.push_back(
        {.section = "Echangeur",
         .cle = "TypeEchangeur",
         .libelle = "Type d'échangeur",
         .genre = G::Catalogue,
         .liste = Liste::TypesEchangeur,
         .champs = "txtTypeEchangeur",
         .stockage = S::Extension,
         .portee = P::ElementsSepares,
         .definir = [](clsprojet& p, const std::string& v) { p.Echangeur->TypeEchangeur(v); },
         .lire = [](const clsprojet& p) { return p.Echangeur->TypeEchangeur(); },
         .restaurer = [](clsprojet& p,
                         const std::string& v) { p.Echangeur->RestaurerTypeEchangeur(v); }});
    t.push_back({.section = "Ballon",
                 .cle = "TypeDeCalculVs",
                 .libelle = "Calcul de Vs",
                 .genre = G::Choix,
                 .liste = Liste::ChoixCalcul,
                 .stockage = S::Extension,
                 .portee = P::ElementsSepares,
                 .definir = Choix<&clsprojet::Ballon, &clsBallon::TypeDeCalculVs>,
                 .lire = [](const clsprojet& p) { return LibelleChoix(p.Ballon->TypeDeCalculVs); },
                 .defaut = "Calc. simple"});
    t.push_back({.section = "Ballon",
                 .cle = "TLocalChauffe",
                 .libelle = "Température du local chauffé [°C]",
                 .unite = "°C",
                 .bornes = Bornes{0, 40},
                 .champs = "txtConsigne txtConsigneCE",
                 .stockage = S::Extension,
                 .definir = Simple<&clsprojet::Ballon, &clsBallon::TLocalChauffe>,
                 .lire = Texte<&clsprojet::Ballon, &clsBallon::TLocalChauffe>,
                 .valeurs = DesEntrees<&E::TLocalChauffe>,
                 .defaut = "19"});
    return t;
}
} // namespace regles
