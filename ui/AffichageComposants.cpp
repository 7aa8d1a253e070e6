#include "ui/AffichageComposants.h"

#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/GraphiqueMasque.h"
#include "ui/GraphiqueStatistique.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {
QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

void Texte(const ChampsProjet& c, const char* nom, const std::string& texte) {
    c(nom).AfficherTexte(Q(texte));
}

// A name that may be longer than its field also shows whole in the tooltip.
void Nom(const ChampsProjet& c, const char* nom, const std::string& texte) {
    ChampSaisie& champ = c(nom);
    champ.AfficherTexte(Q(texte));
    champ.setToolTip(Q(texte));
    champ.setCursorPosition(0);
}

// A number shown with the decimals its input rule gives the field (`defaut` for a
// field no rule describes), the exact value kept behind the rounding.
void Nombre(const ChampsProjet& c, const char* nom, double valeur, int defaut) {
    static std::unordered_map<std::string, int> decimales;
    auto it = decimales.find(nom);
    if (it == decimales.end()) {
        const RegleSaisie* regle = RegleDuChamp(nom);
        const int d = regle != nullptr ? DecimalesAffichees(*regle) : -1;
        it = decimales.emplace(nom, d >= 0 ? d : defaut).first;
    }
    const int d = it->second;
    c(nom).AfficherValeur(valeur, d == 0 ? TexteFormate(valeur, FormatAffichage::Entier)
                                         : Q(FormatDecimales(valeur, d)));
}

void Decimales(const ChampsProjet& c, const char* nom, double valeur) {
    Nombre(c, nom, valeur, 2);
}

void Entier(const ChampsProjet& c, const char* nom, double valeur) {
    Nombre(c, nom, valeur, 0);
}

std::vector<float> Valeurs(const CollectionNombres& serie) {
    std::vector<float> v;
    v.reserve(static_cast<std::size_t>(serie.Count()));
    for (double x : serie)
        v.push_back(static_cast<float>(x));
    return v;
}
} // namespace

bool EstElementUtilisateur(const std::string& nom) {
    return !nom.empty() && nom.back() == '*';
}

std::string LibelleDeClasse(int liste, int classe) {
    const int item = classe <= 0 ? 0 : classe - 1;
    if (liste < 0 || liste > LibelleListeMax || item > LibelleItemMax)
        return {};
    return Libelles[static_cast<std::size_t>(liste)][static_cast<std::size_t>(item)];
}

std::string LibelleCategorie(int code) {
    for (const std::string& libelle : Libelles[32]) {
        if (libelle.empty())
            break;
        float bc = 0, kc = 0, ac = 0;
        int16_t type = 0;
        LireValeursTable(TableCategorieCapteurs, libelle, {&bc, &kc, &ac, &type});
        if (type == code)
            return libelle;
    }
    return {};
}

void Afficher(const clsMeteo& meteo, const ChampsProjet& c) {
    Nom(c, "txtPays", meteo.Pays());
    Nom(c, "txtDepartement", meteo.Departement());
    Nom(c, "txtStation", meteo.station());
    Entier(c, "txtAltitude", meteo.Altitude);
    Texte(c, "txtDistanceMer", LibelleDeClasse(3, meteo.Distance_Mer));
    Texte(c, "txtNbHabitant", LibelleDeClasse(4, meteo.Nb_Habitant_Ville));
}

AffichageCapteurs Afficher(const clsCapteurs& capteurs, const ChampsProjet& c) {
    Nom(c, "txtCapteur", capteurs.strType());
    Decimales(c, "TxtAc", capteurs.Ac());
    Decimales(c, "txtBc", capteurs.Bc);
    Decimales(c, "txtKc", capteurs.Kc);
    Entier(c, "txtNbCapteurs", capteurs.nombre());
    Decimales(c, "txtSurfaceTotale", capteurs.surface_totale());
    Texte(c, "txtInclinaison", capteurs.inclinaison());
    Texte(c, "txtOrientation", capteurs.Orientation());
    Nom(c, "txtCategorieCapteur", LibelleCategorie(capteurs.Type_Capteur));

    Nom(c, "txtTypeChauffeEau", capteurs.strTypeCE());
    Decimales(c, "txtABEtap", capteurs.ABEtap);
    Decimales(c, "txtKsurB", capteurs.KsurB);
    Decimales(c, "TxtDn", capteurs.Dn);
    Entier(c, "txtM", capteurs.m);
    Texte(c, "txtInclinaisonChauffeEau", capteurs.inclinaison());
    Texte(c, "txtOrientationChauffeEau", capteurs.Orientation());
    return {EstElementUtilisateur(capteurs.strType()), EstElementUtilisateur(capteurs.strTypeCE())};
}

AffichageBoucle Afficher(const clsBoucle& boucle, const ChampsProjet& c) {
    Texte(c, "txtCalorifugeage", LibelleDeClasse(19, boucle.Calorifugeage + 1));
    Decimales(c, "txtEfficaciteBoucle", boucle.Etap);
    Decimales(c, "txtDeperditionBoucle", boucle.K);
    Decimales(c, "txtDebitEnergetique1Boucle", boucle.DebitEner);
    Decimales(c, "txtDebitEnergetique2Boucle", boucle.DebitEner2);
    return {CodeTypeDeCalcul(boucle.TypeDeCalculDeperdition),
            CodeTypeDeCalcul(boucle.TypeDeCalcul1()), CodeTypeDeCalcul(boucle.TypeDeCalcul2()),
            CodeTypeDeCalcul(boucle.TypeDeCalculEfficacite)};
}

AffichageBallon Afficher(const clsBallon& ballon, const ChampsProjet& c) {
    Nom(c, "txtTypeBallon", ballon.TypeBallon());
    Entier(c, "txtVn", ballon.Vn);
    Entier(c, "txtVs", ballon.Vs);
    Decimales(c, "txtCr", ballon.cr);
    Decimales(c, "txtDeperditionBallon", ballon.Ds);
    Decimales(c, "txtConsigne", ballon.TLocalChauffe);
    Decimales(c, "txtConsigneCE", ballon.TLocalChauffe);
    const std::string lieu = LibelleDeClasse(24, ballon.IndiceSituation);
    Nom(c, "txtLieu", lieu);
    Nom(c, "txtLieuCE", lieu);
    return {EstElementUtilisateur(ballon.TypeBallon()), CodeTypeDeCalcul(ballon.TypeDeCalcul_D),
            CodeTypeDeCalcul(ballon.TypeDeCalculVs)};
}

AffichageEchangeur Afficher(const clsEchangeur& echangeur, const ChampsProjet& c) {
    Texte(c, "txtEchangeur", echangeur.PresenceEchangeur);
    Decimales(c, "txtKech", echangeur.KEch);
    Nom(c, "txtTypeEchangeur", echangeur.TypeEchangeur());
    Decimales(c, "txtKechA", echangeur.Kech_A);
    Texte(c, "txtSituationEchangeur", echangeur.PositionEchangeur);
    return {CodeTypeDeCalcul(echangeur.TypeDeCalcul), echangeur.IsDetail(),
            echangeur.PresenceEchangeur == "Echangeur"};
}

int Afficher(const clsAppoint& appoint, const ChampsProjet& c) {
    Texte(c, "txtAppoint", appoint.TypeAppoint);
    Texte(c, "txtAlim", appoint.ModeAppoint);
    Entier(c, "txtVcElec", appoint.VcElec);
    return CodeTypeDeCalcul(appoint.TypeCalculVcElec);
}

void Afficher(const clsBesoin& besoin, GraphiqueStatistique& conso, GraphiqueStatistique& teau) {
    if (besoin.Conso.Count() > 0)
        conso.Tracer(QStringLiteral("Consommation/jours [l/j]"), Valeurs(besoin.Conso));
    if (besoin.Tref.Count() > 0)
        teau.Tracer(QStringLiteral("Temp. eau chaude [°C]"), Valeurs(besoin.Tref));
}

bool Afficher(const clsMasque& masque, const ChampsProjet& c, GraphiqueMasque& profil,
              double latitude) {
    Texte(c, "txtMasque", LibelleDeClasse(10, masque.Masque_Existe + 1));
    // The mask's own points: the record holds 32 of each, the count says how many
    // count; a list shorter than the count is drawn over the points both lists give.
    const int n = std::clamp<int>(
        masque.NbPoints, 0, std::min(masque.Masque_Hauteur.Count(), masque.Masque_Angle.Count()));
    std::vector<PointHorizon> points;
    for (int i = 1; i <= n; ++i)
        points.push_back({masque.Masque_Angle.Item(i), masque.Masque_Hauteur.Item(i)});
    profil.Tracer(points, latitude);
    return masque.IsMasque();
}
