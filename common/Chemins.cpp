#include "common/Chemins.h"

#include "common/Texte.h"

#include <filesystem>
#include <system_error>

std::string InstallDir;

namespace fs = std::filesystem;

namespace {
// The single entry of `dossier` whose name equals `nom` without regard to case.
std::string ChercherSansCasse(const fs::path& dossier, const std::string& nom) {
    std::error_code ec;
    std::string trouve;
    int n = 0;
    for (fs::directory_iterator it(dossier.empty() ? fs::path(".") : dossier, ec), fin;
         !ec && it != fin; it.increment(ec)) {
        const std::string candidat = it->path().filename().string();
        if (EgalSansCasse(candidat, nom)) {
            trouve = candidat;
            ++n;
        }
    }
    return n == 1 ? trouve : std::string();
}
} // namespace

std::string ResoudreChemin(const std::string& chemin) {
    std::string p = chemin;
    for (char& c : p) {
        if (c == '\\')
            c = '/';
    }
    std::error_code ec;
    if (p.empty() || fs::exists(p, ec))
        return p;
    // Walk the components, keeping the exact name where it exists.
    fs::path resolu;
    const fs::path origine(p);
    for (const auto& composant : origine) {
        const fs::path essai = resolu / composant;
        if (composant == "/" || composant.empty() || fs::exists(essai, ec)) {
            resolu = essai;
            continue;
        }
        const std::string nom = ChercherSansCasse(resolu, composant.string());
        if (nom.empty())
            return p;
        resolu /= nom;
    }
    return resolu.string();
}

std::string CheminInstall(const std::string& relatif) {
    std::string base = InstallDir;
    while (!base.empty() && (base.back() == '/' || base.back() == '\\'))
        base.pop_back();
    return ResoudreChemin(base + relatif);
}
