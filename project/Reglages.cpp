#include "project/Reglages.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "data/modCommunes.h"
#include "data/modLibelles.h"
#include "project/DonneesEconomie.h"
#include "project/LectureSaisie.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "project/modBesoinsFoyer.h"

#include <algorithm>
#include <cstdlib>
#include <map>

std::string AppliquerReglages(clsprojet& projet, const std::vector<std::string>& reglages) {
    for (const std::string& reglage : reglages) {
        const std::size_t egal = reglage.find('=');
        try {
            if (egal == std::string::npos)
                throw ErreurParametre(Citer(reglage) + " n'est pas de la forme CLÉ=VALEUR.");
            (void)projet.Modifier(reglage.substr(0, egal), reglage.substr(egal + 1));
        } catch (const ErreurParametre& e) {
            return Citer(reglage) + " refusé. " + e.what();
        }
    }
    return {};
}

OuvertureProjet OuvrirProjet(clsprojet& projet, const std::function<void(clsprojet&)>& lire,
                             const std::vector<std::string>& reglages) {
    try {
        (void)projet.Nouveau();
        lire(projet);
    } catch (const ErreurExecution& e) {
        return {OuvertureProjet::Issue::FichierRefuse, e.what()};
    }
    if (std::string refus = AppliquerReglages(projet, reglages); !refus.empty())
        return {OuvertureProjet::Issue::ReglageRefuse, std::move(refus)};
    return {};
}

namespace {
// The values of an item of the project file's section: "cle\tv1\tv2...".
std::vector<std::string> ValeursDuTexte(const std::string& texte, std::string_view section,
                                        std::string_view cle) {
    bool dansSection = false;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        std::string_view ligne(texte.data() + debut, fin - debut);
        debut = fin + 1;
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        if (ligne.rfind("**  ", 0) == 0) {
            dansSection = ligne.substr(4) == section;
            continue;
        }
        if (!dansSection || ligne.size() <= cle.size() || ligne.substr(0, cle.size()) != cle ||
            ligne[cle.size()] != '\t')
            continue;
        std::vector<std::string> valeurs;
        std::size_t i = cle.size() + 1;
        while (i <= ligne.size()) {
            const std::size_t tab = std::min(ligne.find('\t', i), ligne.size());
            valeurs.emplace_back(ligne.substr(i, tab - i));
            i = tab + 1;
        }
        while (!valeurs.empty() && valeurs.back().empty())
            valeurs.pop_back();
        return valeurs;
    }
    return {};
}

std::string Joindre(const std::vector<std::string>& valeurs, std::size_t nombre) {
    std::string texte;
    for (std::size_t i = 0; i < std::min(nombre, valeurs.size()); ++i)
        texte += (i ? ";" : "") + valeurs[i];
    return texte;
}
} // namespace

namespace {
// The value of a rule in the project, `fichier` the text of its file (written once for
// many values: it is the costly part).
std::string ValeurDansFichier(const clsprojet& projet, const RegleSaisie& r,
                              const std::string& fichier) {
    if (r.lire)
        return r.lire(projet);
    if (r.stockage != Stockage::Fichier)
        return {};
    std::vector<std::string> valeurs = ValeursDuTexte(fichier, r.section, r.cle);
    std::size_t nombre = valeurs.empty() ? 0 : 1;
    if (r.genre == GenreSaisie::Mois)
        nombre = 12;
    else if (r.genre == GenreSaisie::Points) {
        const std::vector<std::string> points = ValeursDuTexte(fichier, r.section, "NB points");
        nombre = points.empty()
                     ? 0
                     : static_cast<std::size_t>(std::max(0, std::atoi(points[0].c_str())));
    }
    // Fixed-width text items are padded with blanks.
    if (nombre == 1 && r.genre != GenreSaisie::Texte)
        valeurs[0] = Rogner(valeurs[0]);
    std::string texte = Joindre(valeurs, nombre);
    // A choice as its list writes it: the file keeps a calculation choice's code and
    // some labels in capitals.
    if (r.genre == GenreSaisie::Choix) {
        try {
            return LibelleChoix(texte);
        } catch (const ErreurExecution&) {
            return texte;
        }
    }
    for (const std::string& item : r.liste >= 0 ? ItemsListe(r.liste) : std::vector<std::string>{})
        if (EgalSansCasse(item, texte))
            return item;
    return texte;
}
} // namespace

std::string ValeurReglage(const clsprojet& projet, const std::string& cle) {
    const RegleSaisie& r = TrouverRegle(cle, &projet);
    return ValeurDansFichier(projet, r, r.lire ? std::string() : projet.TexteFichier());
}

std::vector<std::pair<std::string, std::string>> ValeursReglages(const clsprojet& projet) {
    const std::string fichier = projet.TexteFichier();
    std::vector<std::pair<std::string, std::string>> valeurs;
    for (const RegleSaisie& r : ReglesSaisie()) {
        const std::string nom = r.Nom();
        if (std::any_of(valeurs.begin(), valeurs.end(),
                        [&](const auto& v) { return v.first == nom; }))
            continue; // a key with one rule per kind of system: the project's, once
        valeurs.emplace_back(nom, ValeurDansFichier(projet, TrouverRegle(nom, &projet), fichier));
    }
    return valeurs;
}

namespace {
std::vector<std::string> ChoixRegle(const RegleSaisie& r) {
    // Two lists that the rules check by their data rather than by a choice list.
    if (r.Nom() == "Météo:Station")
        return ItemsListe(Liste::Stations);
    if (r.Nom() == "Économie:Energie") {
        std::vector<std::string> noms;
        for (const EnergieRemplacee& e : LireDonneesEconomie().energies)
            noms.push_back(e.nom);
        return noms;
    }
    if (r.liste < 0 || (r.genre != GenreSaisie::Liste && r.genre != GenreSaisie::Catalogue &&
                        r.genre != GenreSaisie::Choix))
        return {};
    return ItemsListe(r.liste);
}
} // namespace

std::vector<std::string> ChoixReglage(const clsprojet& projet, const std::string& cle) {
    return ChoixRegle(TrouverRegle(cle, &projet));
}

std::vector<std::pair<std::string, std::vector<std::string>>>
ChoixReglages(const clsprojet& projet) {
    std::map<std::string, int> regles;
    for (const RegleSaisie& r : ReglesSaisie())
        ++regles[r.Nom()];
    std::vector<std::pair<std::string, std::vector<std::string>>> choix;
    for (const RegleSaisie& r : ReglesSaisie()) {
        const std::string nom = r.Nom();
        // A key with a rule per kind of system: the one TrouverRegle gives for the project.
        if (regles[nom] > 1 && &TrouverRegle(nom, &projet) != &r)
            continue;
        if (std::vector<std::string> liste = ChoixRegle(r); !liste.empty())
            choix.emplace_back(nom, std::move(liste));
    }
    return choix;
}

std::string ChoisirCommune(clsprojet& projet, const std::string& departement,
                           const std::string& station, const std::string& commune) {
    const std::string pays = PaysDuDepartement(departement, projet.Meteo->Pays());
    std::vector<std::string> reglages;
    if (!pays.empty() && pays != projet.Meteo->Pays())
        reglages.push_back("Pays=" + pays);
    if (departement != projet.Meteo->Departement())
        reglages.push_back("Département=" + departement);
    reglages.push_back("Station=" + station);
    reglages.push_back("Dossier:Commune=" + commune);
    return AppliquerReglages(projet, reglages);
}

std::array<float, 13> ConsommationsDuFoyer(const clsprojet& projet, const FoyerBesoins& foyer) {
    std::array<float, 13> tref{}, tef{};
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m);
        if (m <= projet.Besoin->Tref.Count())
            tref[i] = static_cast<float>(projet.Besoin->Tref.Item(m));
        if (m <= projet.Meteo->Tef.Count())
            tef[i] = static_cast<float>(projet.Meteo->Tef.Item(m));
    }
    return ConsommationsFoyer(foyer, tref, tef);
}
