#include "data/modBibliothequeCapteurs.h"

#include "common/Chemins.h"
#include "common/Encodage.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modCopieUtilisateur.h"
#include "data/modTexte.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>

namespace {
constexpr std::array<const char*, 10> Colonnes = {
    "nom", "type", "eta0_hem", "eta0_b",        "kd",
    "a1",  "a2",   "k50",      "surface_brute", "surface_ouverture"};
// Every column but the optical efficiency, given either way.
constexpr std::array<const char*, 7> Requises = {
    "nom", "a1", "a2", "type", "k50", "surface_brute", "surface_ouverture"};

std::string Guillemets(const std::string& texte) {
    return "« " + texte + " »";
}

// The values of one line; a value between double quotes may hold the separator, and
// "" stands for one quote inside it.
std::vector<std::string> Cellules(const std::string& ligne, char separateur, bool& ouvert) {
    std::vector<std::string> cellules(1);
    ouvert = false;
    for (std::size_t i = 0; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if (ouvert && c == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"') {
            cellules.back() += '"';
            ++i;
        } else if (c == '"') {
            ouvert = !ouvert;
        } else if (c == separateur && !ouvert) {
            cellules.emplace_back();
        } else {
            cellules.back() += c;
        }
    }
    return cellules;
}

// One line of the file, read through the column names of its first line.
class LigneCsv {
public:
    LigneCsv(std::vector<std::string> cellules, const std::map<std::string, std::size_t>& colonnes,
             std::size_t numero)
        : cellules_(std::move(cellules)), colonnes_(colonnes), numero_(numero) {}

    [[noreturn]] void Erreur(const std::string& colonne, const std::string& message) const {
        const auto it = colonnes_.find(colonne);
        const std::string ou =
            colonne.empty() ? std::string()
            : it == colonnes_.end()
                ? ", colonne " + Guillemets(colonne)
                : ", colonne " + std::to_string(it->second + 1) + " (" + Guillemets(colonne) + ")";
        throw ErreurExecution("Ligne " + std::to_string(numero_) + ou + ". " + message);
    }

    std::string Texte(const char* colonne) const {
        const auto it = colonnes_.find(colonne);
        if (it == colonnes_.end() || it->second >= cellules_.size())
            return {};
        return Rogner(cellules_[it->second]);
    }

    std::optional<double> Nombre(const char* colonne) const {
        const std::string texte = Texte(colonne);
        if (texte.empty())
            return std::nullopt;
        const std::string virgule = Remplacer(texte, ".", ",");
        if (!EstNumerique(virgule))
            Erreur(colonne, Guillemets(texte) + " n'est pas un nombre.");
        return ValeurEnTete(virgule);
    }

    double NombreRequis(const char* colonne) const {
        const auto v = Nombre(colonne);
        if (!v)
            Erreur(colonne, "Valeur absente.");
        return *v;
    }

private:
    std::vector<std::string> cellules_;
    const std::map<std::string, std::size_t>& colonnes_;
    std::size_t numero_;
};

FicheCapteur LireFiche(const LigneCsv& l) {
    FicheCapteur f;
    f.Nom = l.Texte("nom");
    if (f.Nom.empty())
        l.Erreur("nom", "Nom absent.");
    // The data files are Windows-1252: a name they cannot hold would come back altered.
    if (DepuisWindows1252(VersWindows1252(f.Nom)) != f.Nom)
        l.Erreur("nom", "Le nom " + Guillemets(f.Nom) +
                            " contient un caractère que les fichiers de données ne peuvent pas "
                            "enregistrer.");
    const auto genre = GenreDepuisTexte(l.Texte("type"));
    if (!genre)
        l.Erreur("type",
                 Guillemets(l.Texte("type")) + " n'est pas un type de capteur (plan ou tubes).");
    f.Genre = *genre;
    f.Eta0Hem = l.Nombre("eta0_hem");
    f.Eta0b = l.Nombre("eta0_b");
    f.Kd = l.Nombre("kd");
    f.a1 = l.NombreRequis("a1");
    f.a2 = l.NombreRequis("a2");
    f.K50 = l.NombreRequis("k50");
    f.SurfaceBrute = l.NombreRequis("surface_brute");
    f.SurfaceOuverture = l.NombreRequis("surface_ouverture");
    try {
        VerifierFiche(f);
    } catch (const ErreurFicheCapteur& e) {
        l.Erreur(e.Colonne(), e.what());
    }
    return f;
}

// The first line: the separator and the position of each known column.
std::map<std::string, std::size_t> LireEntete(const std::string& ligne, std::size_t numero,
                                              char& separateur) {
    separateur = ligne.find(';') != std::string::npos    ? ';'
                 : ligne.find('\t') != std::string::npos ? '\t'
                                                         : ',';
    bool ouvert = false;
    const auto noms = Cellules(ligne, separateur, ouvert);
    std::map<std::string, std::size_t> colonnes;
    for (std::size_t i = 0; i < noms.size(); ++i)
        colonnes.emplace(EnMinuscules(Rogner(noms[i])), i);
    const auto absente = [&](const char* nom) {
        if (!colonnes.contains(nom))
            throw ErreurExecution("Ligne " + std::to_string(numero) + ". Colonne " +
                                  Guillemets(nom) + " absente.");
    };
    for (const char* nom : Requises)
        absente(nom);
    if (!colonnes.contains("eta0_hem")) {
        absente("eta0_b");
        absente("kd");
    }
    return colonnes;
}

// The lines of the text, without their line ends.
std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        std::string ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        lignes.push_back(std::move(ligne));
        debut = fin + 1;
    }
    return lignes;
}

std::string Cellule(const std::string& texte) {
    if (texte.find_first_of(";\"") == std::string::npos)
        return texte;
    return "\"" + Remplacer(texte, "\"", "\"\"") + "\"";
}

std::string Optionnel(const std::optional<double>& valeur) {
    return valeur ? FormatNombre(*valeur) : std::string();
}
} // namespace

std::vector<FicheCapteur> LireCsvCapteurs(const std::string& texteCsv) {
    const std::vector<std::string> lignes = Lignes(texteCsv);
    std::size_t i = 0;
    while (i < lignes.size() && Rogner(lignes[i]).empty())
        ++i;
    if (i == lignes.size())
        return {};
    char separateur = ';';
    const auto colonnes = LireEntete(lignes[i], i + 1, separateur);
    std::vector<FicheCapteur> fiches;
    for (++i; i < lignes.size(); ++i) {
        bool ouvert = false;
        auto cellules = Cellules(lignes[i], separateur, ouvert);
        const LigneCsv l(cellules, colonnes, i + 1);
        if (ouvert)
            l.Erreur("", "Guillemet non fermé.");
        // Spreadsheets end their exports with lines of bare separators.
        if (std::all_of(cellules.begin(), cellules.end(),
                        [](const std::string& c) { return Rogner(c).empty(); }))
            continue;
        fiches.push_back(LireFiche(l));
    }
    return fiches;
}

std::string EcrireCsvCapteurs(const std::vector<FicheCapteur>& fiches) {
    std::string texte;
    for (const char* nom : Colonnes)
        texte += std::string(texte.empty() ? "" : ";") + nom;
    texte += CRLF;
    for (const FicheCapteur& f : fiches) {
        texte += Cellule(f.Nom) + ";" + TexteGenre(f.Genre) + ";" + Optionnel(f.Eta0Hem) + ";" +
                 Optionnel(f.Eta0b) + ";" + Optionnel(f.Kd) + ";" + FormatNombre(f.a1) + ";" +
                 FormatNombre(f.a2) + ";" + FormatNombre(f.K50) + ";" +
                 FormatNombre(f.SurfaceBrute) + ";" + FormatNombre(f.SurfaceOuverture) + CRLF;
    }
    return texte;
}

std::vector<FicheCapteur> LireBibliothequeCapteurs() {
    const std::string chemin = CheminInstall(BibliothequeCapteurs);
    std::error_code ec;
    if (!std::filesystem::exists(chemin, ec))
        return {};
    try {
        return LireCsvCapteurs(LireFichierTexte(chemin, GenreFichier::Donnees));
    } catch (const ErreurFichier&) {
        throw;
    } catch (const ErreurExecution& e) {
        throw ErreurExecution("La bibliothèque de capteurs " + Guillemets(chemin) +
                              " est illisible.\n" + e.what());
    }
}

std::size_t ImporterCapteurs(const std::string& cheminCsv) {
    std::vector<FicheCapteur> nouvelles;
    try {
        nouvelles = LireCsvCapteurs(LireFichierTexte(cheminCsv, GenreFichier::Donnees));
    } catch (const ErreurExecution& e) {
        throw ErreurExecution("Le fichier " + Guillemets(cheminCsv) + " n'a pas été importé.\n" +
                              e.what());
    }
    if (nouvelles.empty())
        throw ErreurExecution("Le fichier " + Guillemets(cheminCsv) +
                              " ne contient aucun capteur : rien n'a été importé.");
    std::vector<FicheCapteur> bibliotheque = LireBibliothequeCapteurs();
    for (FicheCapteur& f : nouvelles) {
        const auto meme = std::find_if(bibliotheque.begin(), bibliotheque.end(),
                                       [&](const FicheCapteur& b) { return b.Nom == f.Nom; });
        if (meme != bibliotheque.end())
            *meme = std::move(f);
        else
            bibliotheque.push_back(std::move(f));
    }
    // A read-only install folder is copied to the user's data folder first.
    EcrireFichierTexte(CheminPourEcriture(CheminInstall(BibliothequeCapteurs)),
                       EcrireCsvCapteurs(bibliotheque));
    return nouvelles.size();
}
