#pragma once
// What the parts of the table of input rules share: short names and the small
// adapters between a rule and a component's member or a record's field.

#include "data/modLibelles.h"
#include "project/LectureSaisie.h"
#include "project/ReglesSaisie.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

#include <algorithm>
#include <vector>

namespace regles {
using G = GenreSaisie;
using P = Portee;
using S = Stockage;
using D = Declencheur;
using Enr = EnregistrementProjet;
using C = EnregistrementCalcul;
using E = EnregistrementEntrees;
using Regles = std::vector<RegleSaisie>;

inline constexpr Bornes Positif{0.01, 99};

// A component's member, reached from the project.
template <auto Objet, auto Champ> auto& Membre(clsprojet& p) {
    return (*(p.*Objet)).*Champ;
}
template <auto Objet, auto Champ> void Simple(clsprojet& p, const std::string& v) {
    Membre<Objet, Champ>(p) = LireSimple(v);
}
template <auto Objet, auto Champ> void Entier(clsprojet& p, const std::string& v) {
    Membre<Objet, Champ>(p) = LireEntierArrondi(v);
}
template <auto Objet, auto Champ> void Choix(clsprojet& p, const std::string& v) {
    Membre<Objet, Champ>(p) = LibelleChoix(v);
}
template <auto Objet, auto Champ> std::string Texte(const clsprojet& p) {
    return FormatSimple(static_cast<float>((*(p.*Objet)).*Champ));
}

// A field of the calculation record, of one of its groups, or of the site inputs.
template <auto Champ> std::vector<float> DuCalcul(const Enr& e) {
    return {static_cast<float>(e.Calcul.*Champ)};
}
template <auto Groupe, auto Champ> std::vector<float> DuGroupe(const Enr& e) {
    return {static_cast<float>((e.Calcul.*Groupe).*Champ)};
}
template <auto Champ> std::vector<float> DesEntrees(const Enr& e) {
    return {static_cast<float>(e.Entrees.*Champ)};
}
template <auto Champ> std::vector<float> DuMois(const Enr& e) {
    return {(e.Calcul.*Champ).begin() + 1, (e.Calcul.*Champ).end()};
}
template <auto Champ> std::vector<float> DesPoints(const Enr& e) {
    const auto n = static_cast<std::ptrdiff_t>(std::clamp<int>(e.Entrees.NB_points, 0, 32));
    return {(e.Entrees.*Champ).begin() + 1, (e.Entrees.*Champ).begin() + 1 + n};
}

// A computed value is the person's own only while its choice is "Val. forcée".
template <auto Groupe> bool Force(const Enr& e) {
    return (e.Calcul.*Groupe).TypeDeCalcul == ChoixCalcul::ValeurForcee;
}
template <auto Champ> bool ForceCalcul(const Enr& e) {
    return e.Calcul.*Champ == ChoixCalcul::ValeurForcee;
}

// The parts of the table kept in their own files.
Regles ReglesBoucle();
Regles ReglesBesoinsEtBallon();
Regles ReglesHorsFichier();
Regles ReglesEconomie();
Regles ReglesDossier();
Regles ReglesFoyer();
} // namespace regles
