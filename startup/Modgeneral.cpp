#include "startup/Modgeneral.h"

#include "common/Chemins.h"
#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "data/modCopieUtilisateur.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modMessages.h"
#include "project/EtatApplication.h"
#include "project/modStructures.h"
#include "startup/ModRegistry.h"
#include "startup/VerificationDonnees.h"
#include "startup/modAPI.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

std::string Separateur = "\t";

namespace {
std::string Variable(const char* nom) {
    const char* v = std::getenv(nom);
    return v ? v : "";
}

bool EstDossier(const std::string& chemin) {
    std::error_code ec;
    return !chemin.empty() && std::filesystem::is_directory(chemin, ec);
}

// Runs one loading step; its failure is shown and the start goes on.
bool Etape(const std::function<void()>& etape) {
    try {
        etape();
        return true;
    } catch (const std::exception& e) {
        notificateur().Message(TexteException(e), TitreApplication);
        return false;
    }
}
} // namespace

std::string InstallDirParDefaut() {
    const std::string environnement = Variable("VARQUIN_DIR");
    if (!environnement.empty())
        return environnement;
    const std::string copie = DossierCopieUtilisateur();
    if (EstDossier(copie))
        return copie;
    const std::string exe = DossierExecutable();
    if (!exe.empty()) {
        const auto installe = std::filesystem::path(exe).parent_path() / "share" / "varquin";
        if (EstDossier(installe.string()))
            return installe.string();
    }
    return VARQUIN_SOURCE_REFERENCE_DIR;
}

std::string TrouverInstallDir() {
    const std::string configure = QueryValue("SOFTWARE\\NORDAVE\\VARQUIN", "OrinDir");
    return SuivreCopieUtilisateur(configure.empty() ? InstallDirParDefaut() : configure);
}

bool ChargementInitial(const std::string& dossierDonnees) {
    SablierActif sablier;
    InitialiserProjets();
    Etat().DefinirCalculAuto(true);
    Separateur = std::string(1, '\t');
    bool reussi =
        Etape([&] { InstallDir = dossierDonnees.empty() ? TrouverInstallDir() : dossierDonnees; });
    reussi &= Etape(ChargerMessages);
    reussi &= Etape(ChargerDonnees);
    reussi &= Etape(RemplirLibelles);
    // What was loaded is checked only when everything could be: a failed step has
    // already said which file is missing.
    if (reussi) {
        reussi = Etape([] {
            const std::vector<std::string> defauts = VerifierDossierDonnees();
            if (!defauts.empty())
                throw ErreurFichier(TexteVerification(defauts));
        });
    }
    return reussi;
}
