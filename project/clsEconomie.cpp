#include "project/clsEconomie.h"

#include "data/modTexte.h"

#include <cmath>

double clsEconomie::TotalAides() const {
    double total = 0;
    for (const Aide& a : Aides)
        total += a.montant;
    return total;
}

const std::vector<BorneEconomie>& BornesEconomie() {
    // Wide enough for any real installation, narrow enough to catch a slip of the
    // keyboard (a price typed in cents, a rate typed as a fraction of a per cent).
    static const std::vector<BorneEconomie> bornes = {
        {"Rendement", "Rendement de l'énergie remplacée", 0, 10, true},
        {"Prix", "Prix de l'énergie [€/kWh]", 0, 10, false},
        {"FacteurCO2", "Facteur CO2 [kg/kWh]", 0, 2, false},
        {"HaussePrix", "Hausse annuelle du prix [%]", -100, 100, true},
        {"Investissement", "Investissement [€]", 0, 1e8, false},
        {"Aide", "Aide [€]", 0, 1e8, false},
        {"Maintenance", "Entretien annuel [€/an]", 0, 1e7, false},
        {"DureeVie", "Durée de vie [ans]", 1, 100, false},
        {"TauxActualisation", "Taux d'actualisation [%]", -100, 100, true},
        {"SeuilProductivite", "Seuil de productivité [kWh/(m².an)]", 0, 5000, false},
    };
    return bornes;
}

const BorneEconomie& Borne(const std::string& cle) {
    for (const BorneEconomie& b : BornesEconomie()) {
        if (cle == b.cle)
            return b;
    }
    throw ErreurEconomie("Donnée économique inconnue : « " + cle + " ».");
}

namespace {
// A bound in full, never in exponent form.
std::string Texte(double valeur) {
    return valeur == std::floor(valeur) && std::fabs(valeur) < 1e15 ? FormatEntier(valeur)
                                                                    : FormatNombre(valeur);
}
} // namespace

void VerifierValeur(const std::string& cle, double valeur) {
    const BorneEconomie& b = Borne(cle);
    const bool basOk = b.minimumExclu ? valeur > b.minimum : valeur >= b.minimum;
    if (std::isfinite(valeur) && basOk && valeur <= b.maximum)
        return;
    const std::string limites =
        b.minimumExclu ? "supérieure à " + Texte(b.minimum) + " et au plus " + Texte(b.maximum)
                       : "comprise entre " + Texte(b.minimum) + " et " + Texte(b.maximum);
    const std::string texte = std::isfinite(valeur) ? Texte(valeur) : "non numérique";
    throw ErreurEconomie(std::string(b.libelle) + " : la valeur " + texte +
                         " est refusée ; elle doit être " + limites + ".");
}

void VerifierEconomie(const clsEconomie& e) {
    const auto optionnelle = [](const char* cle, const std::optional<double>& v) {
        if (v)
            VerifierValeur(cle, *v);
    };
    optionnelle("Rendement", e.Rendement);
    optionnelle("Prix", e.Prix);
    optionnelle("FacteurCO2", e.FacteurCO2);
    VerifierValeur("HaussePrix", e.HaussePrix);
    optionnelle("Investissement", e.Investissement);
    for (const Aide& a : e.Aides)
        VerifierValeur("Aide", a.montant);
    VerifierValeur("Maintenance", e.Maintenance);
    VerifierValeur("DureeVie", e.DureeVie);
    VerifierValeur("TauxActualisation", e.TauxActualisation);
    VerifierValeur("SeuilProductivite", e.SeuilProductivite);
    if (e.Investissement && e.TotalAides() > *e.Investissement)
        throw ErreurEconomie("Aides [€] : leur total (" + FormatNombre(e.TotalAides()) +
                             " €) dépasse l'investissement (" + FormatNombre(*e.Investissement) +
                             " €).");
}
