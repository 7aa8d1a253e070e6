#pragma once
// What the core's tests share: fixture and scratch folders, raw file access, a reset of
// the process-wide reference data and a scoped environment variable.

#include "common/Chemins.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modMessages.h"
#include "tests/support/NotificateurEnregistreur.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace essai {

namespace fs = std::filesystem;

inline std::string DossierFixture() {
    return std::string(VARQUIN_FIXTURES_DIR) + "/donnees";
}

// A fresh folder under the system's temporary folder, removed with the object.
class DossierTemporaire {
public:
    DossierTemporaire() : chemin_(fs::temp_directory_path() / ("varquin-" + Alea())) {
        fs::create_directories(chemin_);
    }
    ~DossierTemporaire() {
        std::error_code ec;
        fs::remove_all(chemin_, ec);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    std::string chemin() const { return chemin_.string(); }
    std::string operator/(const std::string& relatif) const { return (chemin_ / relatif).string(); }

private:
    static std::string Alea() { return std::to_string(std::random_device()()); }
    fs::path chemin_;
};

// A scratch copy of a fixture folder ("donnees", or "soleil" for the engine's).
class CopieFixture : public DossierTemporaire {
public:
    explicit CopieFixture(const std::string& quoi = "donnees") {
        fs::copy(fs::path(VARQUIN_FIXTURES_DIR) / quoi, chemin(), fs::copy_options::recursive);
    }
};

inline std::string LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

inline void EcrireOctets(const std::string& chemin, const std::string& octets) {
    fs::create_directories(fs::path(chemin).parent_path());
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
}

// The bytes with the first occurrence of `ancien` replaced; throws when it is absent,
// so that a test never compares against an unchanged text by mistake.
inline std::string Remplace(std::string octets, const std::string& ancien,
                            const std::string& nouveau) {
    const std::size_t p = octets.find(ancien);
    if (p == std::string::npos)
        throw std::invalid_argument("absent : " + ancien);
    return octets.replace(p, ancien.size(), nouveau);
}

// The items of a choice list up to its first empty one.
inline std::vector<std::string> ItemsDe(std::size_t liste) {
    std::vector<std::string> r;
    for (const std::string& s : Libelles[liste]) {
        if (s.empty())
            break;
        r.push_back(s);
    }
    return r;
}

// Empties every table, the stations, the lists and the messages.
inline void ReinitialiserDonnees() {
    for (const FichierReference& f : FichiersReference())
        f.table->clear();
    TableOrientations.clear();
    Stations.Clear();
    for (auto& liste : Libelles)
        liste.fill(std::string());
    Messages.fill(std::string());
    ParametresMessage.fill(std::string());
    AfficherMessages = false;
    InstallDir.clear();
}

// Sets an environment variable (or unsets it with nullopt) for the object's lifetime.
class VariableEnvironnement {
public:
    VariableEnvironnement(const char* nom, const std::optional<std::string>& valeur) : nom_(nom) {
        if (const char* avant = std::getenv(nom))
            avant_ = avant;
        Definir(valeur);
    }
    ~VariableEnvironnement() { Definir(avant_); }

private:
    void Definir(const std::optional<std::string>& v) {
        v ? ::setenv(nom_.c_str(), v->c_str(), 1) : ::unsetenv(nom_.c_str());
    }
    std::string nom_;
    std::optional<std::string> avant_;
};

} // namespace essai
