#include "project/clsEconomie.h"

#include "data/modTexte.h"
#include "project/ReglesSaisie.h"

#include <cmath>
#include <map>

double clsEconomie::TotalAides() const {
    double total = 0;
    for (const Aide& a : Aides)
        total += a.montant;
    return total;
}

const BorneEconomie& Borne(const std::string& cle) {
    // The bounds are those of the table of input rules; an aid is bounded as the
    // investment it is taken from.
    static std::map<std::string, BorneEconomie> bornes;
    if (const auto trouvee = bornes.find(cle); trouvee != bornes.end())
        return trouvee->second;
    const RegleSaisie* regle = nullptr;
    try {
        regle = &TrouverRegle("Économie:" + (cle == "Aide" ? std::string("Investissement") : cle));
    } catch (const ErreurParametre&) {
    }
    if (regle == nullptr || !regle->bornes)
        throw ErreurEconomie("Donnée économique inconnue : « " + cle + " ».");
    const char* libelle = cle == "Aide" ? "Aide [€]" : regle->libelle.data();
    return bornes[cle] = {regle->cle.data(), libelle, regle->bornes->minimum,
                          regle->bornes->maximum, false};
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
