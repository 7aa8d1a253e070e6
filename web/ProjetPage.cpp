#include "web/ProjetPage.h"

#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"
#include "data/modBibliothequeCapteurs.h"
#include "data/modTexte.h"
#include "engine/RapportCalcul.h"
#include "engine/modCalculBilan.h"
#include "project/Reglages.h"
#include "project/ReglesSaisie.h"
#include "project/SortieJson.h"
#include "project/clsprojet.h"
#include "project/modBalayage.h"
#include "project/modBesoinsFoyer.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

std::string RaisonException(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return x.what();
    } catch (...) {
    }
    return "Erreur inattendue.";
}

namespace {
const char* const SansProjet = "Aucun projet n'est ouvert.";
} // namespace

std::optional<ElementCatalogue> ElementDeNom(const std::string& nom) {
    if (nom == "capteur")
        return ElementCatalogue::Capteur;
    if (nom == "chauffe-eau")
        return ElementCatalogue::ChauffeEau;
    if (nom == "ballon")
        return ElementCatalogue::Ballon;
    return std::nullopt;
}

ProjetPage::ProjetPage() = default;
ProjetPage::ProjetPage(ProjetPage&&) noexcept = default;
ProjetPage& ProjetPage::operator=(ProjetPage&&) noexcept = default;
ProjetPage::~ProjetPage() = default;

ProjetPage ProjetPage::Nouveau() {
    ProjetPage page;
    try {
        page.projet_ = std::make_unique<clsprojet>();
        (void)page.projet_->Nouveau();
    } catch (...) {
        page.erreur_ = RaisonException(std::current_exception());
        page.projet_.reset();
    }
    return page;
}

ProjetPage ProjetPage::Ouvrir(const std::string& octets, const std::string& nom) {
    ProjetPage page;
    try {
        page.projet_ = std::make_unique<clsprojet>();
        const OuvertureProjet o =
            OuvrirProjet(*page.projet_, [&](clsprojet& p) { p.OuvrirOctets(octets, nom); }, {});
        if (!o.Ouvert())
            throw ErreurExecution(o.refus);
    } catch (...) {
        page.erreur_ = RaisonException(std::current_exception());
        page.projet_.reset();
    }
    return page;
}

ProjetPage ProjetPage::OuvrirExemple(const std::string& chemin) {
    ProjetPage page;
    try {
        page.projet_ = std::make_unique<clsprojet>();
        const OuvertureProjet o =
            OuvrirProjet(*page.projet_, [&](clsprojet& p) { p.OuvrirCommeNouveau(chemin); }, {});
        if (!o.Ouvert())
            throw ErreurExecution(o.refus);
    } catch (...) {
        page.erreur_ = RaisonException(std::current_exception());
        page.projet_.reset();
    }
    return page;
}

ProjetPage ProjetPage::Refus(const std::string& raison) {
    ProjetPage page;
    page.erreur_ = raison;
    return page;
}

clsprojet* ProjetPage::Actif() const {
    if (projet_)
        projet_->DevenirActif();
    return projet_.get();
}

std::string ProjetPage::nom() const {
    return projet_ ? projet_->Nom : "";
}

std::string ProjetPage::fichier() const {
    return projet_ ? projet_->Fichier : "";
}

std::string ProjetPage::appliquer(const std::string& cle, const std::string& valeur) {
    if (!Actif())
        return SansProjet;
    try {
        (void)projet_->Modifier(cle, valeur);
        return {};
    } catch (...) {
        return RaisonException(std::current_exception());
    }
}

std::string ProjetPage::valeur(const std::string& cle) const {
    try {
        return Actif() ? ValeurReglage(*projet_, cle) : "";
    } catch (...) {
        return {};
    }
}

std::string ProjetPage::valeurs() const {
    try {
        std::string json = "{";
        for (const auto& [nom, valeur] : Actif()
                                             ? ValeursReglages(*projet_)
                                             : std::vector<std::pair<std::string, std::string>>{})
            json +=
                (json.size() > 1 ? ",\n  " : "\n  ") + ChaineJson(nom) + ": " + ChaineJson(valeur);
        return json + "\n}";
    } catch (...) {
        return "{}";
    }
}

std::string ProjetPage::liste(const std::string& cle) const {
    try {
        return ListeJson(Actif() ? ChoixReglage(*projet_, cle) : std::vector<std::string>{});
    } catch (...) {
        return "[]";
    }
}

std::string ProjetPage::listes() const {
    try {
        std::string json = "{";
        if (Actif())
            for (const auto& [nom, choix] : ChoixReglages(*projet_))
                json += (json.size() > 1 ? ",\n  " : "\n  ") + ChaineJson(nom) + ": " +
                        ListeJson(choix);
        return json + "\n}";
    } catch (...) {
        return "{}";
    }
}

std::string ProjetPage::resultats() {
    if (!Actif())
        return "{\"erreur\": " + ChaineJson(erreur_.empty() ? SansProjet : erreur_) + "}";
    std::ostringstream json;
    try {
        EcrireResultatsJson(json, *projet_, projet_->Calculer());
    } catch (...) {
        json.str("");
        EcrireRefusJson(json, {projet_->Nom, projet_->Fichier, ""}, *projet_,
                        RaisonException(std::current_exception()));
    }
    return json.str();
}

std::string ProjetPage::balayage() {
    try {
        if (!Actif())
            throw ErreurExecution(SansProjet);
        const Balayage b =
            Balayer(*projet_, GrilleAutourDuProjet(projet_->EnregistrementAvantCalcul().Calcul));
        std::ostringstream json;
        EcrireBalayageJson(json, *projet_, b);
        return json.str();
    } catch (...) {
        return "{\"erreur\": " + ChaineJson(RaisonException(std::current_exception())) + "}";
    }
}

std::string ProjetPage::enregistrer() {
    try {
        // What the desktop's save writes, in Windows-1252 with CR LF line ends; the
        // Projet line, which holds a path on the desktop, gets the file's name alone: in
        // the browser the project never had a folder.
        if (!Actif())
            return "";
        const std::string nom = std::filesystem::path(projet_->Fichier).filename().string();
        return VersWindows1252(NormaliserFinsDeLigne(projet_->TexteFichier(nom)));
    } catch (...) {
        return {};
    }
}

std::string ProjetPage::choisirCommune(const std::string& departement, const std::string& station,
                                       const std::string& commune) {
    if (!Actif())
        return SansProjet;
    try {
        return ChoisirCommune(*projet_, departement, station, commune);
    } catch (...) {
        return RaisonException(std::current_exception());
    }
}

std::string ProjetPage::besoinsFoyer(double occupants, double litresParPersonne,
                                     const std::vector<double>& occupation) const {
    try {
        if (!projet_)
            throw ErreurExecution(SansProjet);
        // The same checks as the needs dialog's fields, in their words.
        const auto verifier = [](const char* cle, double v, const std::string& precision) {
            if (const auto refus =
                    VerifierValeur(TrouverRegle(cle), EcrireCourt(v), nullptr, precision))
                throw ErreurParametre(*refus);
        };
        verifier("Foyer:Occupants", occupants, {});
        verifier("Foyer:LitresParPersonne", litresParPersonne, {});
        if (occupation.size() != 12)
            throw ErreurParametre("Il faut l'occupation des douze mois.");
        FoyerBesoins foyer;
        foyer.Occupants = occupants;
        foyer.LitresParPersonne = litresParPersonne;
        for (std::size_t m = 1; m <= 12; ++m) {
            verifier("Foyer:Occupation", occupation[m - 1], NomMois(static_cast<int>(m)));
            foyer.Occupation[m] = occupation[m - 1] / 100.0;
        }
        const std::array<float, 13> conso = ConsommationsDuFoyer(*projet_, foyer);
        std::string nombres, texte;
        for (std::size_t m = 1; m <= 12; ++m) {
            nombres += (m > 1 ? ", " : "") + SimpleJson(conso[m]);
            texte += (m > 1 ? ";" : "") + FormatEntier(conso[m]);
        }
        return "{\"conso\": [" + nombres + "], \"texte\": " + ChaineJson(texte) +
               ", \"erreur\": \"\"}";
    } catch (...) {
        return "{\"conso\": null, \"texte\": \"\", \"erreur\": " +
               ChaineJson(RaisonException(std::current_exception())) + "}";
    }
}

std::string ProjetPage::enregistrerElement(const std::string& element, const std::string& entree,
                                           const std::string& nom) {
    if (!Actif())
        return SansProjet;
    try {
        const auto e = ElementDeNom(element);
        if (!e)
            throw ErreurParametre("Élément inconnu : " + element + ".");
        const std::string nouveau = NomSaisiElement(*e, nom);
        const std::string avant = entree.empty() ? NomElementCatalogue(*projet_, *e) : entree;
        VerifierEntreeUtilisateur(*e, avant, nouveau);
        (void)EnregistrerElementUtilisateur(*projet_, *e, avant, nouveau);
        (void)projet_->SimulerORIN(true); // as after any change in the window
        return {};
    } catch (...) {
        return RaisonException(std::current_exception());
    }
}

std::string ProjetPage::choisirCapteurCertifie(const std::string& nom, int type,
                                               const std::string& entree) {
    if (!Actif())
        return SansProjet;
    try {
        const std::vector<FicheCapteur> fiches = LireBibliothequeCapteurs();
        const auto fiche = std::find_if(fiches.begin(), fiches.end(),
                                        [&](const FicheCapteur& f) { return f.Nom == nom; });
        if (fiche == fiches.end())
            throw ErreurParametre("Le capteur « " + nom +
                                  " » n'est pas dans la bibliothèque des capteurs certifiés.");
        const auto categories = CategoriesCapteurs();
        if (std::none_of(categories.begin(), categories.end(),
                         [&](const auto& c) { return c.second == type; }))
            throw ErreurParametre("Type pour la méthode inconnu : " + std::to_string(type) + ".");
        (void)ChoisirCapteurCertifie(*projet_, *fiche, static_cast<int16_t>(type), entree);
        (void)projet_->SimulerORIN(true);
        return {};
    } catch (...) {
        return RaisonException(std::current_exception());
    }
}

void ProjetPage::fermer() {
    if (projet_)
        projet_->Fermer();
    projet_.reset();
}
