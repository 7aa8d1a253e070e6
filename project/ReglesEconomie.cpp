// The input rules of the economic study. They sit beside the method and change none
// of its results; the project file keeps them in its extension section, and only the
// ones the person changed.

#include "common/Nombres.h"
#include "data/modTexte.h"
#include "project/DonneesEconomie.h"
#include "project/ReglesSaisieOutils.h"

#include <cmath>
#include <type_traits>

namespace regles {
namespace {
std::string Nombre(double v) {
    return FormatSimple(static_cast<float>(v));
}

// An optional value: its text, or "" while it follows the data folder.
std::string Facultatif(const std::optional<double>& v) {
    return v ? Nombre(*v) : std::string();
}
std::optional<double> LireFacultatif(const std::string& texte) {
    if (Rogner(texte).empty())
        return std::nullopt;
    return LireSimple(texte);
}

// The aids as "label:amount" pairs separated by ";" (a label may be empty).
std::vector<Aide> LireAides(const std::string& texte) {
    std::vector<Aide> aides;
    std::string reste = texte;
    for (std::string paire; !(paire = LireMot(reste, ";")).empty();) {
        const std::size_t deuxPoints = paire.rfind(':');
        Aide a;
        a.libelle = deuxPoints == std::string::npos ? "" : Rogner(paire.substr(0, deuxPoints));
        const std::string montant =
            deuxPoints == std::string::npos ? paire : paire.substr(deuxPoints + 1);
        const auto v = LireNombre(montant);
        if (!v || !(*v >= 0 && *v <= 1e8))
            throw ErreurParametre(Guillemets(montant) +
                                  " : chaque aide est un montant de 0 à 100000000 €");
        a.montant = *v;
        aides.push_back(std::move(a));
    }
    return aides;
}
std::string TexteAides(const std::vector<Aide>& aides) {
    std::string texte;
    for (const Aide& a : aides)
        texte += (texte.empty() ? "" : ";") + a.libelle + ":" + Nombre(a.montant);
    return texte;
}

template <auto Champ>
void Optionnel(Regles& t, const char* cle, const char* libelle, const char* unite, Bornes bornes) {
    t.push_back({.section = "Économie",
                 .cle = cle,
                 .libelle = libelle,
                 .unite = unite,
                 .bornes = bornes,
                 .stockage = S::Extension,
                 .definir = [](clsprojet& p,
                               const std::string& v) { p.Economie.*Champ = LireFacultatif(v); },
                 .lire = [](const clsprojet& p) { return Facultatif(p.Economie.*Champ); },
                 .facultative = true});
}

template <auto Champ>
void Valeur(Regles& t, const char* cle, const char* libelle, const char* unite, Bornes bornes,
            const char* defaut) {
    t.push_back({.section = "Économie",
                 .cle = cle,
                 .libelle = libelle,
                 .unite = unite,
                 .bornes = bornes,
                 .stockage = S::Extension,
                 .definir =
                     [](clsprojet& p, const std::string& v) {
                         auto& champ = p.Economie.*Champ;
                         if constexpr (std::is_integral_v<std::remove_reference_t<decltype(champ)>>)
                             champ = LireEntierArrondi(v);
                         else
                             champ = LireSimple(v);
                     },
                 .lire = [](const clsprojet& p) { return Nombre(p.Economie.*Champ); },
                 .defaut = defaut});
}
} // namespace

Regles ReglesEconomie() {
    Regles t;
    t.push_back({.section = "Économie",
                 .cle = "Energie",
                 .libelle = "Énergie remplacée",
                 .genre = G::Texte,
                 .stockage = S::Extension,
                 .definir = [](clsprojet& p, const std::string& v) { p.Economie.Energie = v; },
                 .lire = [](const clsprojet& p) { return p.Economie.Energie; },
                 .defaut = "Électricité (effet Joule)",
                 .verifier = [](const std::string& v) -> std::optional<std::string> {
                     // The names come from the data folder's table of energies.
                     try {
                         LireDonneesEconomie().Energie(v);
                         return std::nullopt;
                     } catch (const ErreurExecution& e) {
                         return e.what();
                     }
                 },
                 .admises = "une énergie de la table Systeme\\Energies.TXT"});
    // Efficiencies above 1 are those of heat pumps.
    Optionnel<&clsEconomie::Rendement>(t, "Rendement", "Rendement de l'énergie remplacée", "",
                                       Bornes{0.01, 10});
    Optionnel<&clsEconomie::Prix>(t, "Prix", "Prix de l'énergie [€/kWh]", "€/kWh", Bornes{0, 10});
    Optionnel<&clsEconomie::FacteurCO2>(t, "FacteurCO2", "Facteur CO2 [kg/kWh]", "kg/kWh",
                                        Bornes{0, 2});
    Valeur<&clsEconomie::HaussePrix>(t, "HaussePrix", "Hausse annuelle du prix [%]", "%",
                                     Bornes{-99, 100}, "0");
    Optionnel<&clsEconomie::Investissement>(t, "Investissement", "Investissement [€]", "€",
                                            Bornes{0, 1e8});
    t.push_back(
        {.section = "Économie",
         .cle = "Aides",
         .libelle = "Aides [€]",
         .unite = "€",
         .genre = G::Texte,
         .stockage = S::Extension,
         .definir = [](clsprojet& p, const std::string& v) { p.Economie.Aides = LireAides(v); },
         .lire = [](const clsprojet& p) { return TexteAides(p.Economie.Aides); },
         .verifier = [](const std::string& v) -> std::optional<std::string> {
             try {
                 LireAides(v);
                 return std::nullopt;
             } catch (const ErreurParametre& e) {
                 return e.what();
             }
         },
         .admises = "des « libellé:montant » séparés par « ; », chaque montant de "
                    "0 à 100000000"});
    Valeur<&clsEconomie::Maintenance>(t, "Maintenance", "Entretien annuel [€/an]", "€/an",
                                      Bornes{0, 1e7}, "0");
    Valeur<&clsEconomie::DureeVie>(t, "DureeVie", "Durée de vie [ans]", "ans", Bornes{1, 100},
                                   "20");
    t.back().genre = G::Entier;
    Valeur<&clsEconomie::TauxActualisation>(t, "TauxActualisation", "Taux d'actualisation [%]", "%",
                                            Bornes{-99, 100}, "3");
    Valeur<&clsEconomie::SeuilProductivite>(t, "SeuilProductivite",
                                            "Seuil de productivité [kWh/(m².an)]", "kWh/(m².an)",
                                            Bornes{0, 5000}, "350");
    return t;
}
} // namespace regles
