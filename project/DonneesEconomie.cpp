#include "project/DonneesEconomie.h"

#include "common/Chemins.h"
#include "common/Erreurs.h"
#include "data/modTables.h"
#include "project/clsEconomie.h"

namespace {
// A data folder from before these tables has none: that is said plainly, without the
// reference loader's message for a missing file.
Table Lire(const char* relatif) {
    const std::string chemin = CheminInstall(relatif);
    if (!FichierExiste(chemin))
        throw ErreurFichier("la table " + std::string(relatif) + " est absente du dossier " +
                            "de données.");
    Table t;
    LireTable(chemin, t);
    return t;
}

// A wrong row of a table is named with its file, so that the person who edited the
// table finds it.
void VerifierLigne(const char* relatif, const std::string& nom,
                   std::initializer_list<std::pair<const char*, double>> valeurs) {
    try {
        for (const auto& [cle, valeur] : valeurs)
            VerifierValeur(cle, valeur);
    } catch (const ErreurEconomie& e) {
        throw ErreurEconomie(std::string(e.what()) + " (" + relatif + ", « " + nom + " »)");
    }
}

std::vector<MontantSurface> LireMontants(const char* relatif) {
    const Table t = Lire(relatif);
    std::vector<MontantSurface> montants;
    for (std::size_t i = 1; i < t.size(); ++i) {
        MontantSurface m{t[i].Commentaire};
        LireValeursTable(t, static_cast<int>(i), {&m.fixe, &m.parM2});
        VerifierLigne(relatif, m.nom, {{"Investissement", m.fixe}, {"Investissement", m.parM2}});
        montants.push_back(m);
    }
    return montants;
}
} // namespace

const EnergieRemplacee& DonneesEconomie::Energie(const std::string& nom) const {
    for (const EnergieRemplacee& e : energies) {
        if (e.nom == nom)
            return e;
    }
    throw ErreurEconomie("Énergie remplacée : « " + nom + " » n'est pas dans la table " +
                         fichier::Energies + ".");
}

const MontantSurface& DonneesEconomie::Cout(const std::string& typeSysteme) const {
    for (const MontantSurface& c : couts) {
        if (c.nom == typeSysteme)
            return c;
    }
    throw ErreurEconomie("Investissement [€] : le type de système « " + typeSysteme +
                         " » n'a pas de coût dans la table " + fichier::CoutsSolaires + ".");
}

DonneesEconomie LireDonneesEconomie() {
    DonneesEconomie d;
    const Table energies = Lire(fichier::Energies);
    for (std::size_t i = 1; i < energies.size(); ++i) {
        EnergieRemplacee e{energies[i].Commentaire};
        LireValeursTable(energies, static_cast<int>(i), {&e.rendement, &e.prix, &e.facteurCO2});
        VerifierLigne(fichier::Energies, e.nom,
                      {{"Rendement", e.rendement}, {"Prix", e.prix}, {"FacteurCO2", e.facteurCO2}});
        d.energies.push_back(e);
    }
    d.couts = LireMontants(fichier::CoutsSolaires);
    d.aides = LireMontants(fichier::Aides);
    return d;
}
