#include "data/modCopieUtilisateur.h"

#include "common/Chemins.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Notificateur.h"
#include "data/modDonnees.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {
// Inside the copy, the folder it was made from; it lets a later start that is sent
// to that folder again (configuration, VARQUIN_DIR) find the copy instead.
constexpr const char* FichierOrigine = ".origine";

std::string gAvis;
std::string gLectureSeule;

std::string Variable(const char* nom) {
    const char* v = std::getenv(nom);
    return v ? v : "";
}

std::string Guillemets(const std::string& texte) {
    return CiterChemin(texte);
}

fs::path Normal(const std::string& chemin) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(chemin, ec);
    if (ec)
        p = fs::path(chemin);
    p = p.lexically_normal();
    // "/a/b/" and "/a/b" name the same folder.
    return p.has_filename() || p == p.root_path() ? p : p.parent_path();
}

// `chemin` relative to the folder `base` when it lies below it, lexically.
std::optional<fs::path> Relatif(const std::string& chemin, const std::string& base) {
    if (base.empty())
        return std::nullopt;
    fs::path b = fs::path(base).lexically_normal();
    if (!b.has_filename() && b != b.root_path())
        b = b.parent_path();
    const fs::path rel = fs::path(chemin).lexically_normal().lexically_relative(b);
    if (rel.empty() || rel == "." || *rel.begin() == "..")
        return std::nullopt;
    return rel;
}

bool MemeDossier(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return Normal(a) == Normal(b);
}

bool SousDossierLectureSeule(const std::string& dossier) {
    if (gLectureSeule.empty())
        return false;
    const std::string d = Normal(dossier).string();
    const std::string ls = Normal(gLectureSeule).string();
    return d == ls || Relatif(d, ls).has_value();
}

// Copies the tree of `source` into the existing folder `cible`. Folders are created
// with the default rights rather than copied ones, and files get owner write: a copy
// of a tree installed read-only must be writable by the person.
void CopierArborescence(const fs::path& source, const fs::path& cible) {
    const auto options = fs::directory_options::follow_directory_symlink;
    for (const auto& e : fs::recursive_directory_iterator(source, options)) {
        const fs::path destination = cible / fs::relative(e.path(), source);
        if (e.is_directory()) {
            fs::create_directory(destination);
        } else if (e.is_regular_file()) {
            fs::copy_file(e.path(), destination);
            fs::permissions(destination, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add);
        }
    }
}

// Copies `source` into a fresh hidden folder beside `cible`, then renames it to
// `cible`: a copy interrupted half-way never looks like a finished one.
void CopierDossier(const std::string& source, const fs::path& cible) {
    fs::create_directories(cible.parent_path());
    std::string modele = (cible.parent_path() / ".varquin-copie-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr)
        throw fs::filesystem_error("mkdtemp", cible.parent_path(),
                                   std::error_code(errno, std::generic_category()));
    const fs::path temporaire = modele;
    try {
        CopierArborescence(source, temporaire);
        EcrireFichierAtomique((temporaire / FichierOrigine).string(),
                              Normal(source).string() + "\n");
        fs::rename(temporaire, cible);
    } catch (...) {
        std::error_code ec;
        fs::remove_all(temporaire, ec);
        throw;
    }
}

// The user's copy of InstallDir, made now or found from an earlier save.
std::string PreparerCopie() {
    const std::string source = InstallDir;
    const std::string cible = DossierCopieUtilisateur();
    const std::string prefixe =
        "Le dossier des données " + Guillemets(source) + " ne peut pas être modifié";
    if (cible.empty())
        throw ErreurFichier(prefixe + " et aucun dossier personnel (XDG_DATA_HOME ou HOME) "
                                      "n'est défini pour en faire une copie.");
    if (MemeDossier(cible, source))
        throw ErreurFichier(prefixe + " : vérifiez les droits d'écriture de ce dossier.");
    std::error_code ec;
    if (!fs::exists(cible, ec)) {
        try {
            CopierDossier(source, cible);
        } catch (const std::exception& e) {
            // Another instance may have finished the same copy in the meantime.
            if (!fs::exists(cible, ec))
                throw ErreurFichier(prefixe + " et sa copie dans " + Guillemets(cible) +
                                    " a échoué : " + TexteException(e));
        }
    }
    if (!MemeDossier(OrigineCopieUtilisateur(), source))
        throw ErreurFichier(prefixe + " et " + Guillemets(cible) +
                            " contient déjà des données d'une autre provenance : déplacez ce "
                            "dossier pour que les données y soient copiées.");
    return cible;
}

// The loaded tables keep the path of their file in entry 0; later saves and reloads
// must find the files in the copy.
void ReporterChemins(const std::string& ancien, const std::string& nouveau) {
    auto reporter = [&](Table& table) {
        if (table.empty())
            return;
        if (const auto rel = Relatif(table[0].Commentaire, ancien))
            table[0].Commentaire = (fs::path(nouveau) / *rel).string();
    };
    for (const FichierReference& f : FichiersReference())
        reporter(*f.table);
    reporter(TableOrientations);
}
} // namespace

std::string DossierCopieUtilisateur() {
    const std::string donnees = Variable("XDG_DATA_HOME");
    if (!donnees.empty())
        return (fs::path(donnees) / "varquin").string();
    const std::string maison = Variable("HOME");
    if (maison.empty())
        return {};
    return (fs::path(maison) / ".local" / "share" / "varquin").string();
}

std::string OrigineCopieUtilisateur() {
    const std::string copie = DossierCopieUtilisateur();
    if (copie.empty())
        return {};
    std::error_code ec;
    const std::string origine = (fs::path(copie) / FichierOrigine).string();
    if (!fs::exists(origine, ec))
        return {};
    try {
        const std::string octets = LireOctetsFichier(origine, GenreFichier::Donnees);
        return octets.substr(0, octets.find('\n'));
    } catch (const ErreurFichier&) {
        return {};
    }
}

std::string SuivreCopieUtilisateur(const std::string& dossier) {
    const std::string copie = DossierCopieUtilisateur();
    std::error_code ec;
    if (copie.empty() || !fs::is_directory(copie, ec))
        return dossier;
    return MemeDossier(OrigineCopieUtilisateur(), dossier) ? copie : dossier;
}

bool DossierInscriptible(const std::string& dossier) {
    if (dossier.empty() || SousDossierLectureSeule(dossier))
        return false;
    if (::access(dossier.c_str(), W_OK | X_OK) != 0)
        return false;
    std::string modele = (fs::path(dossier) / ".varquin-essai-XXXXXX").string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(modele.c_str());
    return true;
}

std::string CheminPourEcriture(const std::string& cheminDemande) {
    const std::string chemin = cheminDemande; // the tables' paths change below
    if (DossierInscriptible(fs::path(chemin).parent_path().string()))
        return chemin;
    const auto relatif = Relatif(chemin, InstallDir);
    if (!relatif)
        return chemin;
    SablierActif sablier;
    const std::string copie = PreparerCopie();
    const std::string ancien = InstallDir;
    InstallDir = copie;
    ReporterChemins(ancien, copie);
    gAvis =
        "Les données de référence ont été copiées dans " + copie + " pour enregistrer vos entrées.";
    return (fs::path(copie) / *relatif).string();
}

std::string AvisCopieUtilisateur() {
    return std::exchange(gAvis, std::string());
}

void SimulerDossierLectureSeule(const std::string& dossier) {
    gLectureSeule = dossier;
}
