#include "ui/ElementsUtilisateur.h"

#include "common/Notificateur.h"
#include "data/modCatalogues.h"
#include "data/modCopieUtilisateur.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

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
