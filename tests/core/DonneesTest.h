#pragma once
// Shared helpers of the data tests: the fixture folder, temporary folders, raw file
// access and a reset of the process-wide reference data.

#include "common/Chemins.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modMessages.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace essai {

namespace fs = std::filesystem;

inline std::string DossierFixture() {
    return std::string(VARQUIN_FIXTURES_DIR) + "/donnees";
}

// A fresh folder under the system's temporary folder, removed with the object.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::random_device alea;
        chemin_ = fs::temp_directory_path() / ("varquin-essai-" + std::to_string(alea()));
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
    fs::path chemin_;
};

// A copy of the fixture data folder in a temporary folder.
class CopieFixture : public DossierTemporaire {
public:
    CopieFixture() { fs::copy(DossierFixture(), chemin(), fs::copy_options::recursive); }
};

inline std::string LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

inline void EcrireOctets(const std::string& chemin, const std::string& octets) {
    fs::create_directories(fs::path(chemin).parent_path());
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << octets;
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
        if (valeur)
            ::setenv(nom, valeur->c_str(), 1);
        else
            ::unsetenv(nom);
    }
    ~VariableEnvironnement() {
        if (avant_)
            ::setenv(nom_.c_str(), avant_->c_str(), 1);
        else
            ::unsetenv(nom_.c_str());
    }
    VariableEnvironnement(const VariableEnvironnement&) = delete;
    VariableEnvironnement& operator=(const VariableEnvironnement&) = delete;

private:
    std::string nom_;
    std::optional<std::string> avant_;
};

} // namespace essai
