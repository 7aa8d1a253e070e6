#include "project/ContenuEtude.h"

#include "common/Texte.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/TableauResultats.h"
#include "project/clsprojet.h"
#include "project/modBalayage.h"
#include "project/modEconomie.h"

#include <cmath>
#include <optional>

namespace {
const std::string Espace = "\u00a0"; // no-break: a figure is never split across lines

std::string Libelle(int liste, int classe) {
    const int item = classe <= 0 ? 0 : classe - 1;
    if (liste < 0 || liste > LibelleListeMax || item > LibelleItemMax)
        return {};
    return Libelles[static_cast<std::size_t>(liste)][static_cast<std::size_t>(item)];
}

// "ZONE CONTINENTALE" as a sentence: "Zone continentale".
std::string Phrase(const std::string& texte) {
    const std::string bas = EnMinuscules(texte);
    const std::size_t premier = OctetDuCaractere(bas, 1);
    return EnMajuscules(bas.substr(0, premier)) + bas.substr(premier);
}

std::string Nombre(double v, int decimales = 0) {
    return FormatFrancais(v, decimales);
}

SectionEtude Site(const clsprojet& p) {
    const clsMeteo& m = *p.Meteo;
    const std::string masque = p.Masque->IsMasque()
                                   ? "Masques (" + std::to_string(p.Masque->NbPoints) + " points)"
                                   : "Sans masque";
    return {"Site",
            {{"Pays", m.Pays()},
             {"Département", m.Departement()},
             {"Station météo", m.station()},
             {"Zone climatique", Phrase(m.zone)},
             {"Latitude [°]", Nombre(m.latitude, 1)},
             {"Altitude du site [m]", Nombre(m.Altitude)},
             {"Distance à la mer [km]", Libelle(3, m.Distance_Mer)},
             {"Population de la ville [millions d'habitants]", Libelle(4, m.Nb_Habitant_Ville)},
             {"Masque d'horizon", masque}}};
}

SectionEtude Capteurs(const clsCapteurs& c) {
    return {"Capteurs",
            {{"Modèle de capteur", c.strType()},
             {"Nombre de capteurs", std::to_string(c.nombre())},
             {"Surface d'un capteur [m²]", Nombre(c.Ac(), 2)},
             {"Surface totale [m²]", Nombre(c.surface_totale(), 2)},
             {"Rendement optique Bc", Nombre(c.Bc, 2)},
             {"Coefficient de pertes Kc [W/(m².K)]", Nombre(c.Kc, 2)},
             {"Inclinaison [°]", Nombre(c.ValeurInclinaison(), 1)},
             {"Orientation [°]", Nombre(c.ValeurOrientation(), 1)}}};
}

SectionEtude ChauffeEau(const clsCapteurs& c, const clsBallon& b) {
    return {"Chauffe-eau solaire monobloc",
            {{"Modèle de chauffe-eau", c.strTypeCE()},
             {"Surface utile ABEtap [m²]", Nombre(c.ABEtap, 2)},
             {"Pertes K/B [W/(m².K)]", Nombre(c.KsurB, 2)},
             {"Pertes du stockage Dn [W/K]", Nombre(c.Dn, 2)},
             {"Masse du stockage [kg]", Nombre(c.m)},
             {"Emplacement", Libelle(24, b.IndiceSituation)},
             {"Inclinaison [°]", Nombre(c.ValeurInclinaison(), 1)},
             {"Orientation [°]", Nombre(c.ValeurOrientation(), 1)}}};
}

SectionEtude Ballon(const clsBallon& b) {
    return {"Ballon de stockage",
            {{"Modèle de ballon", b.TypeBallon()},
             {"Volume nominal Vn [l]", Nombre(b.Vn)},
             {"Volume solaire Vs [l]", Nombre(b.Vs)},
             {"Constante de refroidissement cr [Wh/(l.K.j)]", Nombre(b.cr, 3)},
             {"Pertes thermiques Ds [W/K]", Nombre(b.Ds, 2)},
             {"Emplacement", Libelle(24, b.IndiceSituation)}}};
}

SectionEtude Boucle(const clsprojet& p) {
    const clsBoucle& b = *p.Boucle;
    const clsEchangeur& e = *p.Echangeur;
    const std::string echangeur = e.IsEchangeur() ? e.TypeEchangeur() + " (" + e.PositionEchangeur +
                                                        ", " + Nombre(e.KEch) + " W/K)"
                                                  : e.PresenceEchangeur;
    const std::string appoint = p.Appoint->IsAppoint()
                                    ? p.Appoint->TypeAppoint + " (" + p.Appoint->ModeAppoint + ")"
                                    : p.Appoint->TypeAppoint;
    return {
        "Boucle de captage, échangeur et appoint",
        {{"Calorifugeage de la boucle", Libelle(19, b.Calorifugeage + 1)},
         {"Déperdition de la boucle [W/(m².K)]", Nombre(b.K, 2)},
         {"Efficacité de la boucle", Nombre(b.Etap, 2)},
         {"Débits énergétiques 1 et 2 [W/K]", Nombre(b.DebitEner) + " et " + Nombre(b.DebitEner2)},
         {"Échangeur", echangeur},
         {"Appoint", appoint}}};
}

double Moyenne(const CollectionNombres& serie) {
    double somme = 0;
    for (int m = 1; m <= serie.Count(); ++m)
        somme += serie.Item(m);
    return serie.Count() > 0 ? somme / serie.Count() : std::nan("");
}

double Mois(const CollectionNombres& serie, int m) {
    return m <= serie.Count() ? serie.Item(m) : std::nan("");
}

// The months of needs and results; the year's figures as the summary page adds them.
void LireMensuel(const clsprojet& p, ContenuEtude& c) {
    const EnregistrementCalcul& r = p.Enregistrement().Calcul;
    c.mensuel.push_back({"Mois", "Puisage [l/j]", "Eau chaude [°C]", "Besoins [kWh]",
                         "Solaire [kWh]", "Appoint [kWh]", "Couverture [%]"});
    double solaire = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - 1);
        c.besoins[i] = r.Becs[m];
        c.solaire[i] = r.Prod[m];
        solaire += r.Prod[m];
        c.mensuel.push_back({NomsMoisAbreges[static_cast<std::size_t>(m)],
                             Nombre(Mois(p.Besoin->Conso, m)), Nombre(Mois(p.Besoin->Tref, m)),
                             Nombre(r.Becs[m]), Nombre(r.Prod[m]), Nombre(r.Becs[m] - r.Prod[m]),
                             Nombre(r.Fecs[m])});
    }
    c.mensuel.push_back({"Année", Nombre(Moyenne(p.Besoin->Conso)), Nombre(Moyenne(p.Besoin->Tref)),
                         Nombre(r.Becs_an), Nombre(solaire), Nombre(r.Becs_an - solaire),
                         Nombre(r.Fecs_an)});
}

std::string Aides(const EtudeEconomique& etude, const clsEconomie& e) {
    if (e.Aides.empty())
        return "aucune";
    std::string texte;
    for (const Aide& a : e.Aides)
        texte += (texte.empty() ? "" : " ; ") + (a.libelle.empty() ? "" : a.libelle + " : ") +
                 Nombre(a.montant) + Espace + "€";
    return texte + " (total " + Nombre(etude.entrees.aides) + Espace + "€)";
}

void LireEconomie(const clsprojet& p, ContenuEtude& c) {
    const EtudeEconomique etude = EvaluerEconomie(p);
    const clsEconomie& e = p.Economie;
    const EntreesEconomie& x = etude.entrees;
    if (!etude.resultats) {
        c.erreurEconomie = etude.erreur;
        return;
    }
    std::string investissement = Nombre(x.investissement);
    if (etude.investissementEstime)
        investissement += etude.surface > 0 ? " (estimé d'après le type de système et la surface)"
                                            : " (estimé d'après le type de système)";
    c.hypotheses = {
        {"Énergie remplacée", etude.energie},
        {"Rendement de l'énergie remplacée", Nombre(x.rendement, 2)},
        {"Prix de l'énergie [€/kWh]", Nombre(x.prix, 4)},
        {"Hausse annuelle du prix [%]", Nombre(e.HaussePrix, 1)},
        {"Facteur CO2 [kg/kWh]", Nombre(x.facteurCO2, 3)},
        {"Investissement [€]", investissement},
        {"Aides déduites [€]", Aides(etude, e)},
        {"Investissement net [€]", Nombre(etude.resultats->investissementNet)},
        {"Entretien annuel [€/an]", Nombre(x.maintenance)},
        {"Durée de vie [ans]", std::to_string(x.duree)},
        {"Taux d'actualisation [%]", Nombre(e.TauxActualisation, 1)},
    };
    for (const LigneEconomie& l : LignesEconomie(*etude.resultats))
        c.bilan.push_back({l.libelle, l.valeur ? Nombre(*l.valeur, l.decimales) : "—"});
    for (const SourceEconomie& s : etude.sources) {
        if (!s.source.empty())
            c.sourcesEconomie.push_back({s.table, s.source});
    }
}

void LireProductivite(const clsprojet& p, ContenuEtude& c) {
    const double seuil = p.Economie.SeuilProductivite;
    const float parM2 = p.Enregistrement().Calcul.Productivite_par_m2;
    std::string verdict = "sans objet : la surface des capteurs d'un monobloc n'est pas connue";
    if (!p.Systeme->IsChauffeEau()) {
        verdict = Nombre(parM2) + Espace + "kWh/(m².an) : seuil " +
                  (parM2 >= seuil ? "atteint" : "non atteint");
    }
    c.productivite = {{"Seuil de productivité [kWh/(m².an)]", Nombre(seuil)},
                      {"Productivité solaire par m² de capteurs", verdict}};
}
// The sizing curves of a calculated collector-and-tank project; none when the study
// cannot be made (the report then goes without them).
void LireDimensionnement(const clsprojet& p, ContenuEtude& c) {
    if (p.Systeme->IsChauffeEau() || !p.ResultatsCalcules())
        return;
    std::optional<Balayage> b;
    try {
        b = Balayer(p, GrilleAutourDuProjet(p.EnregistrementAvantCalcul().Calcul));
    } catch (const ErreurExecution&) {
        return;
    }
    const PointBalayage& projet = b->points[b->projet];
    if (!projet.calcule)
        return;
    CourbesDimensionnement d{{}, projet.ballon, projet.surface, projet.Fecs_an};
    for (std::size_t j = 0; j < b->grille.ballons.size(); ++j) {
        CourbeDimensionnement& courbe = d.courbes.emplace_back();
        courbe.ballon = FormatNombre(b->grille.ballons[j].Vn) + Espace + "l";
        for (std::size_t n = 0; n < b->grille.nombres.size(); ++n) {
            const PointBalayage& point = b->Point(n, j);
            if (!point.calcule || !std::isfinite(point.Fecs_an))
                continue;
            courbe.surfaces.push_back(point.surface);
            courbe.couvertures.push_back(point.Fecs_an);
            courbe.surchauffes.push_back(point.moisSurchauffe > 0);
        }
    }
    c.dimensionnement = std::move(d);
}
} // namespace

std::string FormatFrancais(double valeur, int decimales) {
    if (!std::isfinite(valeur))
        return "—";
    const std::string texte = FormatDecimales(valeur, decimales);
    const std::size_t debut = texte[0] == '-' ? 1 : 0;
    const std::size_t virgule = std::min(texte.find(','), texte.size());
    std::string groupe = texte.substr(0, debut);
    for (std::size_t i = debut; i < virgule; ++i) {
        groupe += texte[i];
        const std::size_t reste = virgule - i - 1;
        if (reste > 0 && reste % 3 == 0)
            groupe += Espace;
    }
    return groupe + texte.substr(virgule);
}

ContenuEtude LireContenuEtude(const clsprojet& p, const std::string& dateCourte) {
    ContenuEtude c;
    c.projet = EnTeteProjet(p);
    c.date = dateCourte;
    c.donnees.push_back(Site(p));
    if (p.Systeme->IsChauffeEau()) {
        c.donnees.push_back(ChauffeEau(*p.Capteurs, *p.Ballon));
    } else {
        c.donnees.push_back(Capteurs(*p.Capteurs));
        c.donnees.push_back(Ballon(*p.Ballon));
        c.donnees.push_back(Boucle(p));
    }
    LireMensuel(p, c);
    LireEconomie(p, c);
    LireProductivite(p, c);
    LireDimensionnement(p, c);
    return c;
}
