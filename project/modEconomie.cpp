#include "project/modEconomie.h"

#include "project/clsprojet.h"

#include <cmath>

namespace {
void VerifierEntrees(const EntreesEconomie& e) {
    VerifierValeur("Rendement", e.rendement);
    VerifierValeur("Prix", e.prix);
    VerifierValeur("FacteurCO2", e.facteurCO2);
    VerifierValeur("HaussePrix", e.hausse * 100);
    VerifierValeur("Investissement", e.investissement);
    VerifierValeur("Aide", e.aides);
    VerifierValeur("Maintenance", e.maintenance);
    VerifierValeur("DureeVie", e.duree);
    VerifierValeur("TauxActualisation", e.actualisation * 100);
    if (e.aides > e.investissement)
        throw ErreurEconomie("Aides [€] : leur total dépasse l'investissement.");
}

// The investment given, or the system type's cost for the collectors' area.
double Investissement(const clsEconomie& economie, const DonneesEconomie& donnees,
                      const std::string& typeSysteme, EtudeEconomique& etude) {
    if (economie.Investissement)
        return *economie.Investissement;
    etude.investissementEstime = true;
    return donnees.Cout(typeSysteme).Pour(etude.surface);
}

// The present value of the flows at that rate, flux[k] discounted k times.
double ValeurActuelle(const std::vector<double>& flux, double taux) {
    double valeur = 0, facteur = 1;
    for (const double f : flux) {
        valeur += f * facteur;
        facteur /= 1 + taux;
    }
    return valeur;
}

int ChangementsDeSigne(const std::vector<double>& flux) {
    int changements = 0, signe = 0;
    for (const double f : flux) {
        const int s = (f > 0) - (f < 0);
        if (s != 0 && signe != 0 && s != signe)
            ++changements;
        if (s != 0)
            signe = s;
    }
    return changements;
}
} // namespace

std::optional<double> TauxRentabiliteInterne(const std::vector<double>& flux) {
    // With one change of sign the present value has one root at most above −100 %
    // (Descartes' rule on 1 / (1 + rate)): bisecting a bracket finds it, always in
    // the same steps.
    if (ChangementsDeSigne(flux) != 1)
        return std::nullopt;
    double bas = -0.99, haut = 1.0;
    double valeurBas = ValeurActuelle(flux, bas);
    const double valeurHaut = ValeurActuelle(flux, haut);
    if (!std::isfinite(valeurBas) || !std::isfinite(valeurHaut))
        return std::nullopt;
    if (valeurBas == 0)
        return bas;
    if (valeurHaut == 0)
        return haut;
    if ((valeurBas > 0) == (valeurHaut > 0))
        return std::nullopt;
    while (haut - bas > 1e-12) {
        const double milieu = (bas + haut) / 2;
        const double valeur = ValeurActuelle(flux, milieu);
        if (valeur == 0)
            return milieu;
        if ((valeur > 0) == (valeurBas > 0)) {
            bas = milieu;
            valeurBas = valeur;
        } else {
            haut = milieu;
        }
    }
    return (bas + haut) / 2;
}

ResultatsEconomie CalculerEconomie(const EntreesEconomie& e) {
    VerifierEntrees(e);
    // A calculation that failed leaves no solar energy to value.
    const double solaire = std::isfinite(e.energieSolaire) ? e.energieSolaire : 0;
    ResultatsEconomie r;
    r.economieEnergie = solaire / e.rendement;
    r.economieAnnuelle = r.economieEnergie * e.prix;
    r.co2An = r.economieEnergie * e.facteurCO2;
    r.co2Vie = r.co2An * e.duree / 1000;
    r.investissementNet = e.investissement - e.aides;
    // The investment is paid at once, year 0; the flow of year k and the solar energy
    // and the upkeep are discounted k times.
    std::vector<double> flux = {-r.investissementNet};
    double prix = 1, actualisation = 1, energieActualisee = 0, entretienActualise = 0;
    double cumul = 0;
    r.valeurActuelleNette = -r.investissementNet;
    for (int k = 1; k <= e.duree; ++k) {
        const double f = r.economieAnnuelle * prix - e.maintenance;
        flux.push_back(f);
        cumul += f;
        if (!r.tempsRetour && r.economieAnnuelle > 0 && cumul >= r.investissementNet)
            r.tempsRetour = k;
        prix *= 1 + e.hausse;
        actualisation /= 1 + e.actualisation;
        r.valeurActuelleNette += f * actualisation;
        energieActualisee += solaire * actualisation;
        entretienActualise += e.maintenance * actualisation;
    }
    r.gainNetCumule = cumul - r.investissementNet;
    if (const std::optional<double> taux = TauxRentabiliteInterne(flux))
        r.tauxRentabilite = *taux * 100;
    if (energieActualisee > 0)
        r.coutKwhSolaire = (r.investissementNet + entretienActualise) / energieActualisee;
    return r;
}

std::vector<LigneEconomie> LignesEconomie(const ResultatsEconomie& r) {
    std::optional<double> retour;
    if (r.tempsRetour)
        retour = *r.tempsRetour;
    return {
        {"economie_energie_kwh_an", "Économie d'énergie [kWh/an]", 0, r.economieEnergie},
        {"economie_annuelle_eur", "Économie annuelle [€/an]", 0, r.economieAnnuelle},
        {"co2_evite_kg_an", "CO2 évité [kg/an]", 0, r.co2An},
        {"co2_evite_vie_t", "CO2 évité sur la durée de vie [t]", 1, r.co2Vie},
        {"temps_retour_ans", "Temps de retour [ans]", 0, retour},
        {"cout_kwh_solaire_eur", "Coût du kWh solaire [€/kWh]", 3, r.coutKwhSolaire},
        {"gain_net_cumule_eur", "Gain net cumulé sur la durée de vie [€]", 0, r.gainNetCumule},
        {"van_eur", "Valeur actuelle nette [€]", 0, r.valeurActuelleNette},
        {"tri_pct", "Taux de rentabilité interne [%]", 2, r.tauxRentabilite},
    };
}

EtudeEconomique EvaluerEconomie(const clsprojet& projet, const clsEconomie& economie,
                                const DonneesEconomie& donnees) {
    EtudeEconomique etude;
    etude.energie = economie.Energie;
    etude.sources = donnees.sources;
    const bool chauffeEau = projet.Systeme->IsChauffeEau();
    etude.surface = chauffeEau ? 0 : projet.Capteurs->surface_totale();
    try {
        VerifierEconomie(economie);
        EntreesEconomie& e = etude.entrees;
        // The energy's row is needed only for a value the person left to the table.
        const bool toutDonne = economie.Rendement && economie.Prix && economie.FacteurCO2;
        const EnergieRemplacee ligne =
            toutDonne ? EnergieRemplacee{} : donnees.Energie(economie.Energie);
        e.rendement = economie.Rendement.value_or(ligne.rendement);
        e.prix = economie.Prix.value_or(ligne.prix);
        e.facteurCO2 = economie.FacteurCO2.value_or(ligne.facteurCO2);
        e.energieSolaire = projet.Enregistrement().Calcul.Productivite_an;
        e.hausse = economie.HaussePrix / 100;
        e.investissement = Investissement(economie, donnees, projet.Systeme->TypeSysteme(), etude);
        e.aides = economie.TotalAides();
        e.maintenance = economie.Maintenance;
        e.duree = economie.DureeVie;
        e.actualisation = economie.TauxActualisation / 100;
        etude.resultats = CalculerEconomie(e);
    } catch (const ErreurExecution& erreur) {
        etude.erreur = erreur.what();
    }
    return etude;
}

EtudeEconomique EvaluerEconomie(const clsprojet& projet) {
    DonneesEconomie donnees;
    try {
        donnees = LireDonneesEconomie();
    } catch (const ErreurExecution& erreur) {
        // Without the tables, a project whose every value is given is still reckoned.
        EtudeEconomique etude = EvaluerEconomie(projet, projet.Economie, donnees);
        if (!etude.resultats)
            etude.erreur = std::string("Données économiques indisponibles : ") + erreur.what();
        return etude;
    }
    return EvaluerEconomie(projet, projet.Economie, donnees);
}
