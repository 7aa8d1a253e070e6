#include "project/ContenuRapport.h"

#include "common/Texte.h"
#include "data/ModCollection.h"
#include "data/modTexte.h"
#include "project/TableauResultats.h"
#include "project/clsprojet.h"

#include <cmath>
#include <optional>

namespace {
// The name of the project's file without its folder: the folder is not part of what
// the report names, and a path made lower case would name another folder here.
std::string NomFichier(const std::string& chemin) {
    const std::size_t separateur = chemin.find_last_of("/\\");
    return separateur == std::string::npos ? chemin : chemin.substr(separateur + 1);
}

// "0.00" with a decimal comma; a value that is not a number (left by a calculation
// that failed) shows as an empty cell, as on screen, never as "NaN".
std::string DeuxDecimales(double valeur) {
    return std::isfinite(valeur) ? FormatDeuxDecimales(valeur) : std::string();
}

// The mean of a monthly series as a whole number, as the results grid and the input
// fields' statistics round theirs; nothing for an empty series, which has no mean.
std::string Moyenne(const CollectionNombres& serie) {
    if (serie.Count() == 0)
        return {};
    float minimum = 0, moyenne = 0, maximum = 0;
    Statistiques(serie, minimum, moyenne, maximum);
    return std::isfinite(moyenne) ? FormatEntier(moyenne) : std::string();
}

void AjouterSiRempli(std::vector<LigneCaracteristique>& lignes, const char* libelle,
                     const std::string& valeur) {
    if (!valeur.empty())
        lignes.push_back({libelle, valeur});
}

// Who signs: the installer over its contact, whichever are known.
std::string EtabliPar(const clsDossier& d) {
    if (d.Installateur.empty() || d.Contact.empty())
        return d.Installateur + d.Contact;
    return d.Installateur + "\n" + d.Contact;
}

void AjouterChauffeEau(const clsprojet& p, std::vector<LigneCaracteristique>& lignes) {
    const clsCapteurs& c = *p.Capteurs;
    lignes.push_back({"Type de chauffe-eau : ", c.strTypeCE()});
    lignes.push_back({"Inclinaison [°]: ", DeuxDecimales(c.ValeurInclinaison())});
    lignes.push_back({"Orientation [°]: ", DeuxDecimales(c.ValeurOrientation())});
    // The water heater's own A·B·Etap, as its label says and as the calculation uses
    // it: the collector component's total area belongs to a collector model that a
    // one-piece water heater does not have.
    lignes.push_back({"ABEtap [m²]: ", DeuxDecimales(c.ABEtap)});
    lignes.push_back(
        {"", "( " + p.Appoint->TypeAppoint + " , " + p.Echangeur->PresenceEchangeur + " )"});
}

void AjouterCapteurBallon(const clsprojet& p, std::vector<LigneCaracteristique>& lignes) {
    const clsCapteurs& c = *p.Capteurs;
    lignes.push_back({"Type de capteur : ", c.strType()});
    lignes.push_back({"Inclinaison [°]: ", DeuxDecimales(c.ValeurInclinaison())});
    lignes.push_back({"Orientation [°]: ", DeuxDecimales(c.ValeurOrientation())});
    lignes.push_back({"Surface totale [m²]: ", DeuxDecimales(c.surface_totale())});
    lignes.push_back(
        {"Déperdition de la boucle de captage [W/(m².K)]: ", DeuxDecimales(p.Boucle->K)});
    lignes.push_back({"Efficacité de la boucle de captage: ", DeuxDecimales(p.Boucle->Etap)});
    lignes.push_back({"Type de ballon: ", p.Ballon->TypeBallon()});
    lignes.push_back({"Déperdition thermique du ballon [W/K]: ", DeuxDecimales(p.Ballon->Ds)});
}

std::vector<LigneCaracteristique> LireCaracteristiques(const clsprojet& p) {
    std::vector<LigneCaracteristique> lignes = {
        {"Nom du fichier : ", EnMinuscules(NomFichier(p.Fichier))},
        {"Station : ", p.Meteo->Departement() + " . " + p.Meteo->station()},
        {"Type de système : ", p.Systeme->TypeSysteme()},
    };
    if (p.Systeme->IsChauffeEau())
        AjouterChauffeEau(p, lignes);
    else
        AjouterCapteurBallon(p, lignes);
    lignes.push_back({"Besoin journalier moyen en eau chaude [l/j]: ", Moyenne(p.Besoin->Conso)});
    lignes.push_back({"Température de référence moyenne [°C]: ", Moyenne(p.Besoin->Tref)});
    return lignes;
}

std::string Cellule(const std::optional<double>& valeur) {
    return valeur ? FormatEntier(*valeur) : std::string();
}

// The per-m² row of the report: a month is shown when the project has an annual
// productivity per m² (or no collector area is known), the year when that figure is
// not 0. A one-piece water heater has no collector area: the calculation never sets
// its figure per m², so any value held is left over from another system and the row
// stays empty, as in the results grid.
void RetoucherParM2(const clsprojet& p, LigneResultats& ligne) {
    const float parM2 = p.Enregistrement().Calcul.Productivite_par_m2;
    if (p.Systeme->IsChauffeEau() || (parM2 == 0 && p.Capteurs->Ac() > 0))
        ligne.mois.fill(std::nullopt);
    if (parM2 == 0)
        ligne.annuel.reset();
}

GrilleRapport LireResultats(const clsprojet& p) {
    TableauResultats tableau = CalculerTableauResultats(p);
    RetoucherParM2(p, tableau.lignes[3]);
    GrilleRapport grille;
    for (std::size_t m = 1; m <= 12; ++m)
        grille[0][m] = NomsMoisAbreges[m];
    grille[0][13] = "Annuel";
    for (std::size_t r = 0; r < tableau.lignes.size(); ++r) {
        const LigneResultats& ligne = tableau.lignes[r];
        grille[r + 1][0] = ligne.titre;
        for (std::size_t m = 0; m < 12; ++m)
            grille[r + 1][m + 1] = Cellule(ligne.mois[m]);
        grille[r + 1][13] = Cellule(ligne.annuel);
    }
    return grille;
}
} // namespace

std::string TitreProjet(const clsprojet& projet) {
    if (projet.JamaisEnregistre())
        return "Nouveau projet";
    const std::string nom = NomFichier(projet.Fichier);
    const std::size_t point = nom.find_last_of('.');
    return point == std::string::npos || point == 0 ? nom : nom.substr(0, point);
}

std::string EnTeteProjet(const clsprojet& projet) {
    const std::string& client = projet.Dossier.Client;
    return TitreProjet(projet) + (client.empty() ? "" : " — Client : " + client);
}

ContenuRapport LireContenuRapport(const clsprojet& projet, const std::string& dateCourte) {
    const clsDossier& d = projet.Dossier;
    ContenuRapport c;
    c.projet = EnTeteProjet(projet);
    c.date = "Date : " + dateCourte;
    AjouterSiRempli(c.client, "Client", d.Client);
    AjouterSiRempli(c.client, "Adresse du site", d.Adresse);
    AjouterSiRempli(c.client, "Commune", d.Commune);
    AjouterSiRempli(c.installateur, "Installateur", d.Installateur);
    AjouterSiRempli(c.installateur, "Contact", d.Contact);
    AjouterSiRempli(c.installateur, "Référence du devis", d.Reference);
    AjouterSiRempli(c.installateur, "Date de l'étude", d.DateEtude);
    c.caracteristiques = LireCaracteristiques(projet);
    c.resultats = LireResultats(projet);
    c.etabliPar = EtabliPar(d);
    c.dateSignature = d.DateEtude.empty() ? dateCourte : d.DateEtude;
    return c;
}
