// The input rules of the client dossier: seven lines of text the extension section
// keeps, written only when the person filled them.

#include "project/ReglesSaisieOutils.h"

namespace regles {
namespace {
template <auto Champ>
void Ligne(Regles& t, const char* cle, const char* libelle, std::string_view partie) {
    t.push_back(
        {.section = "Dossier",
         .cle = cle,
         .libelle = libelle,
         .partie = partie,
         .genre = G::Texte,
         .stockage = S::Extension,
         .definir = [](clsprojet& p, const std::string& v) { p.Dossier.*Champ = Rogner(v); },
         .lire = [](const clsprojet& p) { return p.Dossier.*Champ; },
         .facultative = true,
         .verifier = [](const std::string& v) { return RefusDossier(Rogner(v)); },
         .admises = "une ligne d'au plus 100 caractères"});
}
} // namespace

Regles ReglesDossier() {
    Regles t;
    Ligne<&clsDossier::Client>(t, "Client", "Client", "Dossier");
    Ligne<&clsDossier::Adresse>(t, "Adresse", "Adresse du site", "Dossier");
    Ligne<&clsDossier::Commune>(t, "Commune", "Commune", "Dossier");
    Ligne<&clsDossier::Installateur>(t, "Installateur", "Installateur", "Dossier");
    Ligne<&clsDossier::Contact>(t, "Contact", "Contact de l'installateur", "Dossier");
    Ligne<&clsDossier::Reference>(t, "Reference", "Référence du devis", "Dossier");
    Ligne<&clsDossier::DateEtude>(t, "DateEtude", "Date de l'étude", "Dossier");
    return t;
}
} // namespace regles
