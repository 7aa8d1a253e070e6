// The ES module's functions, as JavaScript calls them (embind): the start-up load on
// the data folder built into the module, the whole calculation of a file as
// `varquin-cli calc --format json` makes it, the table of input rules, the examples,
// the commune search, the person's own data files and certified collectors
// (DonneesPersonne), and the project handle (ProjetPage). Nothing here computes:
// each function calls the core and hands back its text; every exception becomes a
// French message.

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "data/modCommunes.h"
#include "engine/RapportCalcul.h"
#include "project/Reglages.h"
#include "project/SortieJson.h"
#include "project/clsprojet.h"
#include "project/modBesoinsFoyer.h"
#include "startup/Modgeneral.h"
#include "web/DonneesPersonne.h"
#include "web/ProjetPage.h"

#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <filesystem>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace {
// The reference data folder and the examples, built into the module.
const char* const DossierDonnees = "/varquin";
const char* const DossierExemples = "/varquin/examples";

// What the core says outside a run (a data folder it cannot read) is kept to be
// handed back with the answer: the page has no message box to show it in.
class NotificateurPage : public Notificateur {
public:
    void Message(const std::string& texte, const std::string&) override {
        messages_.push_back(texte);
    }
    void Sablier(bool) override {}
    std::vector<std::string> Prendre() { return std::exchange(messages_, {}); }

private:
    std::vector<std::string> messages_;
};

NotificateurPage& Page() {
    static NotificateurPage page;
    return page;
}

// The start-up load: empty when the data can be used, else why not.
std::string Charger() {
    DefinirNotificateur(&Page());
    const bool charge = ChargementInitial(DossierDonnees);
    std::string messages;
    for (const std::string& m : Page().Prendre())
        messages += (messages.empty() ? "" : "\n") + m;
    if (charge)
        return std::string();
    return messages.empty() ? std::string("Les données de référence n'ont pu être chargées.")
                            : messages;
}

// The start-up load's answer, the first time it is asked for; the load made again
// when the person's files are given back.
std::optional<std::string>& EtatDemarrage() {
    static std::optional<std::string> etat;
    return etat;
}

const std::string& Demarrage() {
    std::optional<std::string>& etat = EtatDemarrage();
    if (!etat) {
        // The module's file system starts with a mask that would leave the files the core
        // writes (a user's catalogue entry) unreadable: the usual one, as from a shell.
        ::umask(022);
        // The files built into the module are dated from its start: the weather tables'
        // cache would take them for files still being written and read them again at
        // every run for two seconds. They are as old as the build.
        std::error_code ec;
        for (const auto& f : std::filesystem::recursive_directory_iterator(DossierDonnees, ec))
            if (f.is_regular_file(ec))
                std::filesystem::last_write_time(f.path(), std::filesystem::file_time_type{}, ec);
        GarderFichiersOriginaux(DossierDonnees);
        etat = Charger();
    }
    return *etat;
}

std::string DemarrageTexte() {
    return Demarrage();
}

// What the core said outside a run since the last call (a user entry it could not
// write...), as a JSON array of texts.
std::string MessagesPage() {
    return ListeJson(Page().Prendre());
}

// A JavaScript array's items as texts (or numbers), whatever they are: converted here,
// before any project exists, so that nothing can throw past one.
template <class T> std::vector<T> Elements(const emscripten::val& tableau, const char* type) {
    std::vector<T> elements;
    if (!tableau.isArray())
        return elements;
    const emscripten::val convertir = emscripten::val::global(type);
    const auto n = tableau["length"].as<unsigned>();
    for (unsigned i = 0; i < n; ++i)
        elements.push_back(convertir(tableau[i]).template as<T>());
    return elements;
}

// The file's bytes opened, set and calculated as `varquin-cli calc FILE --format json
// --set ...` does it, with the same JSON.
std::string Calculer(const std::string& octets, const emscripten::val& reglages,
                     const std::string& nom) {
    const std::vector<std::string> liste = Elements<std::string>(reglages, "String");
    std::ostringstream json;
    clsprojet projet;
    try {
        if (!Demarrage().empty())
            throw ErreurExecution(Demarrage());
        const OuvertureProjet ouverture = OuvrirProjet(
            projet, [&](clsprojet& p) { p.OuvrirOctets(octets, nom); }, liste);
        const RapportCalcul rapport = ouverture.Ouvert() ? projet.Calculer() : RapportCalcul();
        EcrireEtudeJson(json, projet, ouverture, nom, rapport);
    } catch (...) {
        json.str("");
        EcrireRefusJson(json, {"", nom, ""}, projet, RaisonException(std::current_exception()));
    }
    projet.Fermer();
    return json.str();
}

std::string Regles() {
    (void)Demarrage(); // the lists of the rules come with the start-up load
    return ReglesJson();
}

std::string Exemples() {
    std::vector<std::string> noms;
    std::error_code ec;
    for (const auto& f : std::filesystem::directory_iterator(DossierExemples, ec))
        if (f.path().extension() == ".vqp")
            noms.push_back(f.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return ListeJson(noms);
}

ProjetPage Nouveau() {
    (void)Demarrage();
    return ProjetPage::Nouveau();
}

ProjetPage Ouvrir(const std::string& octets, const std::string& nom) {
    (void)Demarrage();
    return ProjetPage::Ouvrir(octets, nom);
}

ProjetPage OuvrirExemple(std::string nom) {
    (void)Demarrage();
    if (nom.size() < 4 || nom.compare(nom.size() - 4, 4, ".vqp") != 0)
        nom += ".vqp";
    // Only a name of the list: no path leads out of the examples.
    const std::string liste = Exemples();
    if (nom.find('/') != std::string::npos || liste.find(ChaineJson(nom)) == std::string::npos)
        return ProjetPage::Refus("L'exemple " + Citer(nom) + " n'existe pas.");
    return ProjetPage::OuvrirExemple(std::string(DossierExemples) + "/" + nom);
}

// The communes whose name or postcode starts with what is typed, most populated first.
std::string CommunesPage(const std::string& saisie) {
    try {
        if (!Demarrage().empty())
            return "[]";
        std::string json = "[";
        bool premiere = true;
        for (const Commune* c : ChercherCommunes(saisie)) {
            json += std::string(premiere ? "" : ",") + "\n  {\"nom\": " + ChaineJson(c->nom) +
                    ", \"departement\": " + ChaineJson(c->departement) +
                    ", \"codes_postaux\": " + ListeJson(c->codesPostaux) +
                    ", \"population\": " + std::to_string(c->population) + "}";
            premiere = false;
        }
        return json + "]";
    } catch (...) {
        return "[]";
    }
}

std::string StationsPage(const std::string& departement) {
    try {
        return Demarrage().empty() ? ListeJson(StationsDuDepartement(departement)) : "[]";
    } catch (...) {
        return "[]";
    }
}

double AdultesEquivalentsPage(double surface, const std::string& logement) {
    return AdultesEquivalents(surface, logement == "appartement" ? TypeLogement::Appartement
                                                                 : TypeLogement::Maison);
}

std::string BesoinsFoyer(ProjetPage& projet, double occupants, double litres,
                         const emscripten::val& occupation) {
    return projet.besoinsFoyer(occupants, litres, Elements<double>(occupation, "Number"));
}

// Bytes as a Uint8Array of their own (not a view into the module's memory).
emscripten::val Octets(const std::string& octets) {
    const emscripten::val vue = emscripten::val(emscripten::typed_memory_view(
        octets.size(), reinterpret_cast<const unsigned char*>(octets.data())));
    return emscripten::val::global("Uint8Array").new_(vue);
}

// What the core said while storing an entry (an entry it did not find), or the refusal.
std::string AvecMessages(const std::string& refus) {
    if (!refus.empty())
        return refus;
    std::string messages;
    for (const std::string& m : Page().Prendre())
        messages += (messages.empty() ? "" : "\n") + m;
    return messages;
}

// The person's files that differ from the built-in ones: {chemin: Uint8Array}.
emscripten::val FichiersUtilisateur() {
    (void)Demarrage();
    emscripten::val objet = emscripten::val::object();
    for (const auto& [chemin, octets] : FichiersModifies(DossierDonnees))
        objet.set(chemin, Octets(octets));
    return objet;
}

// The person's files given back ({chemin: Uint8Array}) and the data loaded again.
std::string RemettreFichiersPage(const emscripten::val& objet) {
    (void)Demarrage(); // the built-in files are noted before any is replaced
    if (objet.typeOf().as<std::string>() != "object" || objet.isNull() || objet.isArray())
        return "Vos données doivent être un objet {chemin: octets} : rien n'a été repris.";
    FichiersPersonne fichiers;
    const emscripten::val uint8 = emscripten::val::global("Uint8Array");
    const emscripten::val cles =
        emscripten::val::global("Object").call<emscripten::val>("keys", objet);
    const auto n = cles["length"].as<unsigned>();
    for (unsigned i = 0; i < n; ++i) {
        const std::string chemin = cles[i].as<std::string>();
        const emscripten::val valeur = objet[chemin];
        if (!valeur.instanceof (uint8))
            return "Le fichier " + Citer(chemin) +
                   " de vos données n'est pas une suite d'octets : "
                   "rien n'a été repris.";
        const std::vector<uint8_t> octets =
            emscripten::convertJSArrayToNumberVector<uint8_t>(valeur);
        fichiers.emplace_back(chemin, std::string(octets.begin(), octets.end()));
    }
    return RemettreFichiers(DossierDonnees, fichiers,
                            [] { return *(EtatDemarrage() = Charger()); });
}

std::string ImporterCapteursPage(const std::string& octets, const std::string& nom) {
    if (!Demarrage().empty())
        return "{\"nombre\": 0, \"erreur\": " + ChaineJson(Demarrage()) + "}";
    return ImporterCapteursJson(octets, nom);
}

std::string CapteursCertifies() {
    (void)Demarrage();
    return BibliothequeJson();
}

std::string CategoriesCapteursPage() {
    (void)Demarrage();
    return CategoriesCapteursJson();
}

// The person's own entries of a catalogue ("capteur", "chauffe-eau", "ballon").
std::string EntreesUtilisateurPage(const std::string& element) {
    (void)Demarrage();
    const auto e = ElementDeNom(element);
    return ListeJson(e ? EntreesUtilisateur(*e) : std::vector<std::string>{});
}

std::string EnregistrerElement(ProjetPage& projet, const std::string& element,
                               const std::string& entree, const std::string& nom) {
    return AvecMessages(projet.enregistrerElement(element, entree, nom));
}

std::string ChoisirCapteurCertifiePage(ProjetPage& projet, const std::string& nom, int type,
                                       const std::string& entree) {
    return AvecMessages(projet.choisirCapteurCertifie(nom, type, entree));
}

// The save's bytes as a Uint8Array of its own (not a view into the module's memory).
emscripten::val Enregistrer(ProjetPage& projet) {
    return Octets(projet.enregistrer());
}
} // namespace

EMSCRIPTEN_BINDINGS(varquin) {
    using namespace emscripten;
    function("demarrage", &DemarrageTexte);
    function("messages", &MessagesPage);
    function("calculer", &Calculer);
    function("regles", &Regles);
    function("exemples", &Exemples);
    function("communes", &CommunesPage);
    function("stations", &StationsPage);
    function("adultesEquivalents", &AdultesEquivalentsPage);
    function("nouveau", &Nouveau);
    function("ouvrir", &Ouvrir);
    function("ouvrirExemple", &OuvrirExemple);
    function("fichiersUtilisateur", &FichiersUtilisateur);
    function("remettreFichiers", &RemettreFichiersPage);
    function("importerCapteurs", &ImporterCapteursPage);
    function("capteursCertifies", &CapteursCertifies);
    function("categoriesCapteurs", &CategoriesCapteursPage);
    function("entreesUtilisateur", &EntreesUtilisateurPage);
    class_<ProjetPage>("Projet")
        .function("erreur", &ProjetPage::erreur)
        .function("nom", &ProjetPage::nom)
        .function("fichier", &ProjetPage::fichier)
        .function("appliquer", &ProjetPage::appliquer)
        .function("valeur", &ProjetPage::valeur)
        .function("valeurs", &ProjetPage::valeurs)
        .function("liste", &ProjetPage::liste)
        .function("listes", &ProjetPage::listes)
        .function("resultats", &ProjetPage::resultats)
        .function("balayage", &ProjetPage::balayage)
        .function("enregistrer", &Enregistrer)
        .function("choisirCommune", &ProjetPage::choisirCommune)
        .function("besoinsFoyer", &BesoinsFoyer)
        .function("enregistrerElement", &EnregistrerElement)
        .function("choisirCapteurCertifie", &ChoisirCapteurCertifiePage)
        .function("fermerProjet", &ProjetPage::fermer);
}
