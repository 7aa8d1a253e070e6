#include "project/ElementsUtilisateur.h"

#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/FicheCapteur.h"
#include "data/modCatalogues.h"
#include "data/modCopieUtilisateur.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/ReglesSaisie.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

#include <algorithm>
#include <exception>

namespace {
const Table& TableDe(ElementCatalogue element) {
    switch (element) {
    case ElementCatalogue::Capteur:
        return TableCapteurs;
    case ElementCatalogue::ChauffeEau:
        return TableChauffeEau;
    case ElementCatalogue::Ballon:
        break;
    }
    return TableBallons;
}

int ListeDe(ElementCatalogue element) {
    switch (element) {
    case ElementCatalogue::Capteur:
        return Liste::Capteurs;
    case ElementCatalogue::ChauffeEau:
        return Liste::ChauffeEau;
    case ElementCatalogue::Ballon:
        break;
    }
    return Liste::Ballons;
}

// "le capteur", "le chauffe-eau", "le ballon", as the refusals name the item.
std::string Article(ElementCatalogue element) {
    switch (element) {
    case ElementCatalogue::Capteur:
        return "le capteur";
    case ElementCatalogue::ChauffeEau:
        return "le chauffe-eau";
    case ElementCatalogue::Ballon:
        break;
    }
    return "le ballon";
}

std::string Nombre(float valeur) {
    return FormatSimple(valeur);
}

// The component takes the name as a model name (a catalogue look-up), then gets back
// the values it held: they are what was stored, and when nothing could be stored the
// look-up must not wipe them.
void DonnerNom(clsprojet& projet, ElementCatalogue element, const std::string& nom) {
    switch (element) {
    case ElementCatalogue::Capteur: {
        clsCapteurs& c = *projet.Capteurs;
        const float bc = c.Bc, kc = c.Kc, ac = c.Ac();
        const int16_t type = c.Type_Capteur;
        c.strType(nom);
        c.Bc = bc;
        c.Kc = kc;
        c.Type_Capteur = type;
        c.Ac(ac);
        break;
    }
    case ElementCatalogue::ChauffeEau: {
        clsCapteurs& c = *projet.Capteurs;
        const float abetap = c.ABEtap, ksurb = c.KsurB, dn = c.Dn, m = c.m;
        c.strTypeCE(nom);
        c.ABEtap = abetap;
        c.KsurB = ksurb;
        c.Dn = dn;
        c.m = m;
        break;
    }
    case ElementCatalogue::Ballon: {
        clsBallon& b = *projet.Ballon;
        const float vn = b.Vn, vs = b.Vs, cr = b.cr;
        b.TypeBallon(nom);
        b.Vn = vn;
        b.Vs = vs;
        b.cr = cr;
        break;
    }
    }
}
} // namespace

std::string NomElementCatalogue(const clsprojet& projet, ElementCatalogue element) {
    switch (element) {
    case ElementCatalogue::Capteur:
        return projet.Capteurs->strType();
    case ElementCatalogue::ChauffeEau:
        return projet.Capteurs->strTypeCE();
    case ElementCatalogue::Ballon:
        break;
    }
    return projet.Ballon->TypeBallon();
}

std::vector<std::string> ValeursElement(const clsprojet& projet, ElementCatalogue element,
                                        const std::string& nom) {
    const clsCapteurs& c = *projet.Capteurs;
    switch (element) {
    case ElementCatalogue::Capteur:
        return {nom, Nombre(c.Bc), Nombre(c.Kc), Nombre(c.Ac()), std::to_string(c.Type_Capteur)};
    case ElementCatalogue::ChauffeEau:
        return {nom, Nombre(c.ABEtap), Nombre(c.KsurB), Nombre(c.Dn), Nombre(c.m)};
    case ElementCatalogue::Ballon:
        break;
    }
    const clsBallon& b = *projet.Ballon;
    return {nom, Nombre(b.Vn), Nombre(b.Vs), Nombre(b.cr)};
}

std::string EnregistrerElementUtilisateur(clsprojet& projet, ElementCatalogue element,
                                          const std::string& avant, const std::string& nom) {
    SablierActif sablier;
    const Table& table = TableDe(element);
    const bool ecrit = EnregistrerEntree(table, avant, ValeursElement(projet, element, nom));
    std::exception_ptr erreur;
    if (ecrit) {
        try {
            ChargerDonnees();
            RemplirLibelles();
        } catch (...) {
            erreur = std::current_exception();
        }
    }
    DonnerNom(projet, element, nom);
    if (erreur)
        std::rethrow_exception(erreur);
    if (!ecrit) {
        const std::string fichier = table.empty() ? std::string() : table[0].Commentaire;
        notificateur().Message("L'élément « " + avant + " » ne figure pas dans le catalogue " +
                                   fichier + " : la modification ne vaut que pour ce projet.",
                               TitreApplication);
    }
    return AvisCopieUtilisateur();
}

std::vector<std::string> EntreesUtilisateur(ElementCatalogue element) {
    std::vector<std::string> entrees;
    for (const std::string& nom : Libelles[static_cast<std::size_t>(ListeDe(element))]) {
        if (nom.empty())
            break;
        if (nom.back() == '*')
            entrees.push_back(nom);
    }
    return entrees;
}

std::string NomSaisiElement(ElementCatalogue element, const std::string& saisie) {
    std::string nom = Rogner(saisie);
    // The project window's words, each as it has always been written.
    if (NbCaracteres(nom) < 3)
        throw ErreurParametre(
            element == ElementCatalogue::Capteur
                ? "Le nom du capteur doit comporter au moins 3 caractères"
                : "Le nom du " +
                      std::string(element == ElementCatalogue::Ballon ? "ballon" : "chauffe-eau") +
                      " doit comporter au moin 3 caractères");
    if (nom.back() != '*')
        nom += '*';
    return nom;
}

void VerifierEntreeUtilisateur(ElementCatalogue element, const std::string& entree,
                               const std::string& nom) {
    const std::vector<std::string> entrees = EntreesUtilisateur(element);
    const std::string catalogue = element == ElementCatalogue::Capteur      ? "des capteurs"
                                  : element == ElementCatalogue::ChauffeEau ? "des chauffe-eau"
                                                                            : "des ballons";
    if (entrees.empty())
        throw ErreurParametre("Le catalogue " + catalogue +
                              " n'a aucune entrée à vous (nom finissant par « * ») à remplacer.");
    if (std::find(entrees.begin(), entrees.end(), entree) == entrees.end())
        throw ErreurParametre("« " + entree + " » n'est pas une entrée à vous du catalogue " +
                              catalogue + " (nom finissant par « * »).");
    if (nom != entree && std::find(entrees.begin(), entrees.end(), nom) != entrees.end())
        throw ErreurParametre("Le catalogue a déjà " + Article(element) + " « " + nom +
                              " » : choisissez cette entrée pour la remplacer.");
}

std::vector<std::pair<std::string, int16_t>> CategoriesCapteurs() {
    std::vector<std::pair<std::string, int16_t>> categories;
    for (const std::string& categorie : Libelles[Liste::CategoriesCapteurs]) {
        if (categorie.empty())
            break;
        float bc = 0, kc = 0, ac = 0;
        int16_t code = 0;
        LireValeursTable(TableCategorieCapteurs, categorie, {&bc, &kc, &ac, &code});
        categories.emplace_back(categorie, code);
    }
    return categories;
}

int16_t TypeProbable(const FicheCapteur& fiche) {
    return fiche.Genre == GenreCapteur::TubesSousVide ? 3 : 2;
}

std::string ChoisirCapteurCertifie(clsprojet& projet, const FicheCapteur& fiche, int16_t type,
                                   const std::string& entree) {
    const std::string nom = fiche.Nom.ends_with('*') ? fiche.Nom : fiche.Nom + "*";
    VerifierEntreeUtilisateur(ElementCatalogue::Capteur, entree, nom);
    const ValeursMethodeCapteur v = ValeursMethode(fiche);
    clsCapteurs& c = *projet.Capteurs;
    c.Bc = v.Bc;
    c.Kc = v.Kc;
    c.Type_Capteur = type;
    c.Ac(v.Ac);
    return EnregistrerElementUtilisateur(projet, ElementCatalogue::Capteur, entree, nom);
}
