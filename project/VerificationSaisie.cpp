// Finding a rule, checking a value against it, and the check of a whole record
// before a run.

#include "common/Nombres.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "engine/modCalculBilan.h"
#include "project/LectureSaisie.h"
#include "project/ReglesSaisie.h"
#include "project/ValeursFichier.h"
#include "project/clsprojet.h"

#include <cmath>

namespace {
bool EstChauffeEau(const EnregistrementProjet& e) {
    return e.Calcul.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc;
}

bool PorteeDe(Portee portee, bool chauffeEau, bool masque) {
    switch (portee) {
    case Portee::ElementsSepares:
        return !chauffeEau;
    case Portee::ChauffeEau:
        return chauffeEau;
    case Portee::Masque:
        return masque;
    default:
        return true;
    }
}

// A bound as the program shows numbers: a decimal comma, no useless zero.
std::string TexteBorne(double valeur) {
    if (valeur == std::floor(valeur) && std::fabs(valeur) < 1e15)
        return FormatEntier(valeur);
    return FormatSimple(static_cast<float>(valeur));
}

std::optional<Bornes> BornesDe(const RegleSaisie& regle, const clsprojet* projet) {
    if (projet && regle.bornesDuProjet) {
        if (auto b = regle.bornesDuProjet(*projet))
            return b;
    }
    return regle.bornes;
}

bool Dans(double v, const Bornes& b) {
    return v >= b.minimum && v <= b.maximum;
}

std::string Enumerer(const std::vector<std::string>& items) {
    std::string texte;
    for (const std::string& i : items)
        texte += (texte.empty() ? "" : ", ") + ("« " + i + " »");
    return texte.empty() ? "une entrée de la liste des données" : texte;
}

bool DansListe(const std::string& valeur, int liste) {
    for (const std::string& item : ItemsListe(liste)) {
        if (item == valeur)
            return true;
    }
    return false;
}

// What follows the reason of a refusal: the range, when there is one.
std::string EtPlage(const std::optional<Bornes>& bornes) {
    return bornes ? ", comprise entre " + TexteBorne(bornes->minimum) + " et " +
                        TexteBorne(bornes->maximum)
                  : std::string();
}

std::optional<std::string> VerifierNombre(const RegleSaisie& regle, const std::string& valeur,
                                          const clsprojet* projet, const std::string& precision) {
    const auto bornes = BornesDe(regle, projet);
    // Nothing typed changes nothing: whoever asked keeps the value they had.
    if (Rogner(valeur).empty())
        return MessageRefus(regle,
                            "Une valeur est nécessaire" + EtPlage(bornes) +
                                " ; la valeur précédente est gardée",
                            precision);
    std::optional<double> v = LireNombre(valeur);
    if (!v && regle.liste >= 0)
        v = NombreDuLibelle(regle.liste, valeur);
    if (!v) {
        if (regle.liste >= 0)
            return MessageRefus(regle,
                                Guillemets(valeur) +
                                    " n'est ni un nombre ni un libellé de "
                                    "la liste : " +
                                    Enumerer(ItemsListe(regle.liste)),
                                precision);
        return MessageRefus(regle, "Cette valeur doit être numérique" + EtPlage(bornes), precision);
    }
    if (bornes && !Dans(*v, *bornes))
        return MessageRefus(regle, PhrasePlage(*bornes), precision);
    return std::nullopt;
}

std::optional<std::string> VerifierSerie(const RegleSaisie& regle, const std::string& valeur,
                                         const std::string& precision) {
    std::vector<double> valeurs;
    try {
        valeurs = LireValeurs(valeur, regle.genre == GenreSaisie::Mois ? 12 : 32);
    } catch (const ErreurParametre& e) {
        return MessageRefus(regle, e.what(), precision);
    }
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        if (regle.bornes && !Dans(valeurs[i], *regle.bornes)) {
            const std::string ou = valeurs.size() == 1 ? precision
                                   : regle.genre == GenreSaisie::Mois
                                       ? NomMois(int(i) + 1)
                                       : "point " + std::to_string(i + 1);
            return MessageRefus(regle, PhrasePlage(*regle.bornes), ou);
        }
    }
    return std::nullopt;
}
} // namespace

int DecimalesAffichees(const RegleSaisie& regle) {
    switch (regle.genre) {
    case GenreSaisie::Entier:
        return regle.decimales >= 0 ? regle.decimales : 0;
    case GenreSaisie::Nombre:
    case GenreSaisie::Mois:
    case GenreSaisie::Points:
        return regle.decimales >= 0 ? regle.decimales : 2;
    default:
        return -1;
    }
}

std::string PartieFenetre(const RegleSaisie& regle) {
    if (!regle.partie.empty())
        return std::string(regle.partie);
    const std::string section(regle.section);
    if (section == "Besoin")
        return "Besoins";
    if (section == "Capteur")
        return regle.portee == Portee::ChauffeEau ? "Système" : "Capteurs";
    if (section == "Systeme")
        return regle.cle == "TypeSysteme" ? "Système" : "Appoint";
    if (section == "Déperdition" || section == "Efficacité" ||
        section.rfind("Débit énergétique", 0) == 0)
        return "Boucle de captage";
    if (section == "Echangeur")
        return "Ballon";
    return section; // Météo, Ballon, Masque, Économie, Dossier
}

std::string RegleSaisie::Nom() const {
    return std::string(section) + ":" + std::string(cle);
}

bool RegleApplicable(const RegleSaisie& regle, const clsprojet& projet) {
    return PorteeDe(regle.portee, projet.Systeme && projet.Systeme->IsChauffeEau(),
                    projet.Masque && projet.Masque->IsMasque());
}

const RegleSaisie& TrouverRegle(const std::string& nom, const clsprojet* projet) {
    std::string section, cle = nom;
    const std::size_t deuxPoints = nom.rfind(':');
    if (deuxPoints != std::string::npos) {
        section = Rogner(nom.substr(0, deuxPoints));
        cle = Rogner(nom.substr(deuxPoints + 1));
    }
    std::vector<const RegleSaisie*> trouvees;
    for (const RegleSaisie& r : ReglesSaisie()) {
        if (r.cle == cle && (section.empty() || EgalSansCasse(std::string(r.section), section)))
            trouvees.push_back(&r);
    }
    // A key with one rule per kind of system: the one for the project.
    if (trouvees.size() > 1 && projet && trouvees.front()->section == trouvees.back()->section) {
        for (const RegleSaisie* r : trouvees) {
            if (RegleApplicable(*r, *projet))
                return *r;
        }
    }
    if (!trouvees.empty() && std::all_of(trouvees.begin(), trouvees.end(), [&](auto* r) {
            return r->section == trouvees.front()->section;
        }))
        return *trouvees.front();
    if (trouvees.empty())
        throw ErreurParametre("La clé " + Guillemets(nom) +
                              " ne désigne aucune donnée modifiable du projet.");
    std::string choix;
    for (const RegleSaisie* r : trouvees)
        choix += (choix.empty() ? "" : ", ") + ("« " + r->Nom() + " »");
    throw ErreurParametre("La clé " + Guillemets(nom) + " est ambiguë : précisez " + choix + ".");
}

const RegleSaisie* RegleDuChamp(std::string_view champ, const clsprojet* projet) {
    const RegleSaisie* trouvee = nullptr;
    for (const RegleSaisie& r : ReglesSaisie()) {
        std::string champs(r.champs);
        for (std::string mot; !(mot = LireMot(champs, " ")).empty();) {
            if (mot == champ && (!trouvee || (projet && RegleApplicable(r, *projet))))
                trouvee = &r;
        }
    }
    return trouvee;
}

std::string PhrasePlage(const Bornes& bornes) {
    return "Cette valeur doit être comprise entre " + TexteBorne(bornes.minimum) + " et " +
           TexteBorne(bornes.maximum);
}

std::string MessageRefus(const RegleSaisie& regle, const std::string& raison,
                         const std::string& precision) {
    return std::string(regle.libelle) + (precision.empty() ? "" : " (" + precision + ")") + " : " +
           raison;
}

std::optional<std::string> VerifierValeur(const RegleSaisie& regle, const std::string& valeur,
                                          const clsprojet* projet, const std::string& precision) {
    if (regle.facultative && Rogner(valeur).empty())
        return std::nullopt;
    if (regle.verifier) {
        if (const auto raison = regle.verifier(valeur))
            return MessageRefus(regle, *raison, precision);
    }
    switch (regle.genre) {
    case GenreSaisie::Nombre:
    case GenreSaisie::Entier:
        return VerifierNombre(regle, valeur, projet, precision);
    case GenreSaisie::Mois:
    case GenreSaisie::Points:
        // One value, a dialog's month or point: the words of a single number.
        if (Rogner(valeur).find_first_of(" ;\t") == std::string::npos)
            return VerifierNombre(regle, valeur, projet, precision);
        return VerifierSerie(regle, valeur, precision);
    case GenreSaisie::Liste:
        if (DansListe(valeur, regle.liste))
            return std::nullopt;
        return MessageRefus(regle, Guillemets(valeur) + " n'est pas dans la liste : " +
                                       Enumerer(ItemsListe(regle.liste)));
    case GenreSaisie::Catalogue:
        if (DansListe(valeur, regle.liste))
            return std::nullopt;
        return MessageRefus(regle, Guillemets(valeur) + " n'est pas dans le catalogue : " +
                                       Enumerer(ItemsListe(regle.liste)));
    case GenreSaisie::Choix:
        try {
            LibelleChoix(valeur);
            return std::nullopt;
        } catch (const ErreurParametre& e) {
            return MessageRefus(regle, e.what());
        }
    case GenreSaisie::Texte:
        if (regle.cle == "Station" && !Stations.Contient(valeur))
            return MessageRefus(regle, "la station " + Guillemets(valeur) + " est inconnue");
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> VerifierEnregistrement(const EnregistrementProjet& e) {
    std::vector<std::string> refus;
    const bool chauffeEau = EstChauffeEau(e);
    const bool masque = e.Entrees.Masque_Existe == 1;
    for (const RegleSaisie& r : ReglesSaisie()) {
        if (!r.valeurs || !r.bornes || !PorteeDe(r.portee, chauffeEau, masque))
            continue;
        if (r.saisieSi && !r.saisieSi(e))
            continue;
        const std::vector<float> valeurs = r.valeurs(e);
        for (std::size_t i = 0; i < valeurs.size(); ++i) {
            if (Dans(valeurs[i], *r.bornes))
                continue;
            const std::string ou = r.genre == GenreSaisie::Mois ? NomMois(int(i) + 1)
                                   : r.genre == GenreSaisie::Points
                                       ? "point " + std::to_string(i + 1)
                                       : "";
            refus.push_back(
                MessageRefus(r, TexteBorne(valeurs[i]) + " lu ; " + PhrasePlage(*r.bornes), ou));
            break;
        }
    }
    // Hot water no warmer than the cold water would be a negative need.
    for (int m = 1; m <= 12; ++m) {
        if (e.Calcul.Tref[m] > e.Calcul.Tef[m])
            continue;
        refus.push_back("Température de l'eau chaude [°C] : en " + NomMois(m) + ", " +
                        TexteBorne(e.Calcul.Tref[m]) +
                        " °C ne dépasse pas la température de l'eau froide de la station (" +
                        TexteBorne(e.Calcul.Tef[m]) + " °C)");
    }
    return refus;
}

std::string ValeursAdmises(const RegleSaisie& r) {
    std::string texte;
    if (r.bornes)
        texte = "de " + TexteBorne(r.bornes->minimum) + " à " + TexteBorne(r.bornes->maximum);
    if (r.genre == GenreSaisie::Mois)
        texte = "une valeur ou douze, " + texte;
    if (r.genre == GenreSaisie::Points)
        texte = "une valeur par point, " + texte;
    if (r.genre == GenreSaisie::Catalogue)
        texte = "un modèle du catalogue";
    if (r.genre == GenreSaisie::Liste)
        texte = Enumerer(ItemsListe(r.liste));
    if (r.genre == GenreSaisie::Choix)
        texte = Enumerer(ItemsListe(r.liste)) + " (ou 0, 1, 2)";
    if (r.genre == GenreSaisie::Texte)
        texte = r.cle == "Station" ? "une station des données" : "un texte";
    if (r.liste == Liste::Departements)
        texte = "un département du pays choisi";
    if (r.bornesDuProjet)
        texte = "de 1 à 999 fois Ac (des capteurs entiers)";
    if (r.liste >= 0 && r.genre == GenreSaisie::Nombre)
        texte += ", ou un libellé de la liste";
    if (!r.admises.empty())
        texte = std::string(r.admises);
    if (r.facultative && r.genre != GenreSaisie::Texte)
        texte += " ; vide : la valeur des données";
    return texte;
}

std::string AideRegles() {
    std::string texte;
    for (const RegleSaisie& r : ReglesSaisie())
        texte +=
            "  " + r.Nom() + "  (" + std::string(r.libelle) + " : " + ValeursAdmises(r) + ")\n";
    return texte;
}
