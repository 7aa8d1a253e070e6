#include "web/DonneesPersonne.h"

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/FicheCapteur.h"
#include "data/modBibliothequeCapteurs.h"
#include "project/ElementsUtilisateur.h"
#include "project/SortieJson.h"
#include "web/ProjetPage.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>

namespace {
// The files that may hold the person's entries, relative to the data folder.
const char* const Fichiers[] = {"Systeme/Capteurs/Capteurs.txt", "Systeme/Capteurs/CHAUFEAU.txt",
                                "Systeme/Ballons/Ballons.TXT",
                                "Systeme/Capteurs/CapteursCertifies.csv"};
const char* const Bibliotheque = "Systeme/Capteurs/CapteursCertifies.csv";

// The built-in bytes by relative path; no entry for a file the module does not hold.
std::map<std::string, std::string>& Originaux() {
    static std::map<std::string, std::string> originaux;
    return originaux;
}

std::optional<std::string> Lire(const std::string& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec))
        return std::nullopt;
    try {
        return LireOctetsFichier(chemin, GenreFichier::Donnees);
    } catch (...) {
        return std::nullopt;
    }
}

// Puts the bytes back, or removes the file when it had none.
void Retablir(const std::string& chemin, const std::optional<std::string>& octets) {
    if (octets) {
        EcrireFichierAtomique(chemin, *octets);
    } else {
        std::error_code ec;
        std::filesystem::remove(chemin, ec);
    }
}

// A datasheet's value, as its few decimals were typed (the library holds it checked).
std::string Nombre(double v) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.15g", v);
    return texte;
}

std::string Nombre(const std::optional<double>& v) {
    return v ? Nombre(*v) : "null";
}
} // namespace

void GarderFichiersOriginaux(const std::string& dossier) {
    for (const char* f : Fichiers)
        if (const auto octets = Lire(dossier + "/" + f))
            Originaux().emplace(f, *octets);
}

FichiersPersonne FichiersModifies(const std::string& dossier) {
    FichiersPersonne modifies;
    for (const char* f : Fichiers) {
        const auto octets = Lire(dossier + "/" + f);
        const auto original = Originaux().find(f);
        if (octets && (original == Originaux().end() || original->second != *octets))
            modifies.emplace_back(f, *octets);
    }
    return modifies;
}

std::string RemettreFichiers(const std::string& dossier, const FichiersPersonne& fichiers,
                             const std::function<std::string()>& recharger) {
    for (const auto& [chemin, octets] : fichiers) {
        if (std::find(std::begin(Fichiers), std::end(Fichiers), chemin) == std::end(Fichiers))
            return Citer(chemin) + " n'est pas un fichier de vos données : rien n'a été repris.";
        if (chemin == Bibliotheque) {
            try {
                (void)LireCsvCapteurs(NormaliserFinsDeLigne(DecoderTexte(octets)));
            } catch (const std::exception& e) {
                return "Votre bibliothèque de capteurs certifiés n'a pas été reprise : " +
                       std::string(e.what());
            }
        }
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> avant;
    try {
        for (const auto& [chemin, octets] : fichiers) {
            const std::string complet = dossier + "/" + chemin;
            avant.emplace_back(complet, Lire(complet));
            EcrireFichierAtomique(complet, octets);
        }
    } catch (const std::exception& e) {
        for (const auto& [complet, octets] : avant)
            Retablir(complet, octets);
        return "Vos données n'ont pas été reprises : " + std::string(e.what());
    }
    const std::string erreur = recharger();
    if (erreur.empty())
        return {};
    for (const auto& [complet, octets] : avant)
        Retablir(complet, octets);
    (void)recharger();
    return "Vos données n'ont pas été reprises : " + erreur;
}

std::string ImporterCapteursJson(const std::string& octets, const std::string& nom) {
    // The file under its own name alone, so that the messages name it as the person
    // knows it; written in a scratch folder and removed after.
    const std::filesystem::path dossier = "/importation";
    std::string fichier = std::filesystem::path(nom).filename().string();
    if (fichier.empty() || fichier == "." || fichier == "..")
        fichier = "capteurs.csv";
    std::error_code ec;
    std::filesystem::create_directories(dossier, ec);
    std::string json;
    try {
        EcrireFichierAtomique((dossier / fichier).string(), octets);
        const std::filesystem::path ici = std::filesystem::current_path(ec);
        std::filesystem::current_path(dossier, ec);
        std::size_t n = 0;
        std::string erreur;
        try {
            n = ImporterCapteurs(fichier);
        } catch (const std::exception& e) {
            erreur = e.what();
        }
        std::filesystem::current_path(ici, ec);
        json = "{\"nombre\": " + std::to_string(n) + ", \"erreur\": " + ChaineJson(erreur) + "}";
    } catch (const std::exception& e) {
        json = "{\"nombre\": 0, \"erreur\": " + ChaineJson(e.what()) + "}";
    }
    std::filesystem::remove(dossier / fichier, ec);
    return json;
}

std::string BibliothequeJson() {
    try {
        std::string json = "{\"capteurs\": [";
        bool premiere = true;
        for (const FicheCapteur& f : LireBibliothequeCapteurs()) {
            const ValeursMethodeCapteur v = ValeursMethode(f);
            json += std::string(premiere ? "" : ",") + "\n  {\"nom\": " + ChaineJson(f.Nom) +
                    ", \"genre\": " +
                    (f.Genre == GenreCapteur::TubesSousVide ? "\"tubes\"" : "\"plan\"") +
                    ", \"eta0_hem\": " + Nombre(f.Eta0Hem) + ", \"eta0_b\": " + Nombre(f.Eta0b) +
                    ", \"kd\": " + Nombre(f.Kd) + ", \"a1\": " + Nombre(f.a1) +
                    ", \"a2\": " + Nombre(f.a2) + ", \"k50\": " + Nombre(f.K50) +
                    ", \"surface_brute\": " + Nombre(f.SurfaceBrute) +
                    ", \"surface_ouverture\": " + Nombre(f.SurfaceOuverture) +
                    ", \"bc\": " + SimpleJson(v.Bc) + ", \"kc\": " + SimpleJson(v.Kc) +
                    ", \"ac\": " + SimpleJson(v.Ac) +
                    ", \"type\": " + std::to_string(TypeProbable(f)) + "}";
            premiere = false;
        }
        return json + "], \"erreur\": \"\"}";
    } catch (...) {
        return "{\"capteurs\": [], \"erreur\": " +
               ChaineJson(RaisonException(std::current_exception())) + "}";
    }
}

std::string CategoriesCapteursJson() {
    try {
        std::string json = "[";
        for (const auto& [nom, code] : CategoriesCapteurs())
            json += std::string(json.size() > 1 ? ", " : "") + "{\"nom\": " + ChaineJson(nom) +
                    ", \"code\": " + std::to_string(code) + "}";
        return json + "]";
    } catch (...) {
        return "[]";
    }
}
