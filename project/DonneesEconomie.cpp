#include "project/DonneesEconomie.h"

#include "common/CacheFichiers.h"
#include "common/Chemins.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modTables.h"
#include "data/modTexte.h"
#include "project/clsEconomie.h"

#include <algorithm>
#include <string_view>

namespace {
// A data line of a table: its numbers, in the order of the table's columns, and its name.
struct RangeeEconomie {
    std::vector<double> valeurs;
    std::string nom;
};

struct TableEconomie {
    std::string source;
    std::vector<RangeeEconomie> lignes;
};

std::string NomFichierTable(const char* relatif) {
    const std::string_view r(relatif);
    return std::string(r.substr(r.rfind('\\') + 1));
}

// The table read whole; the first line that does not read, or a value outside the range
// of the input it stands in for (`cles`, one per column), named by its file and line.
// Each line is read quietly: one fault, not a message per value.
TableEconomie LireTableEconomie(const char* relatif, const std::vector<const char*>& cles) {
    const std::string chemin = CheminInstall(relatif);
    // A data folder from before these tables has none: that is said plainly, without
    // the reference loader's message for a missing file.
    if (!FichierExiste(chemin))
        throw ErreurFichier("la table " + std::string(relatif) + " est absente du dossier " +
                            "de données.");
    const std::string texte = LireFichierTexte(chemin, GenreFichier::Donnees);
    const auto faute = [&](int ligne, const std::string& raison) {
        return ErreurEconomie("Fichier " + CiterChemin(chemin) + ", ligne " +
                              std::to_string(ligne) + " : " + raison + ".");
    };
    std::string_view reste = texte;
    TableEconomie t;
    t.source = Rogner(LireLigneVue(reste));
    LireLigneVue(reste);
    for (int numero = 3; !reste.empty(); ++numero) {
        const std::string_view ligne = LireLigneVue(reste);
        if (Rogner(ligne).empty())
            continue;
        const std::size_t diese = ligne.find('#');
        if (diese == std::string_view::npos)
            throw faute(numero, "ligne sans « # » entre les valeurs et le nom");
        RangeeEconomie l{{}, Rogner(ligne.substr(diese + 1))};
        if (l.nom.empty())
            throw faute(numero, "aucun nom après « # »");
        std::string mots = Rogner(ligne.substr(0, diese));
        for (const char* cle : cles) {
            std::string mot = LireMot(mots, " ");
            if (mot.empty())
                throw faute(numero, std::to_string(cles.size()) +
                                        " valeurs attendues avant « # », " +
                                        std::to_string(l.valeurs.size()) + " trouvées");
            std::string erreur;
            const double valeur = ConvertirNombre(mot, erreur);
            if (!erreur.empty())
                throw faute(numero, "la valeur " + Citer(mot) + " n'est pas un nombre");
            try {
                VerifierValeur(cle, valeur);
            } catch (const ErreurEconomie& e) {
                std::string raison = e.what();
                if (raison.ends_with('.'))
                    raison.pop_back();
                throw faute(numero, raison + " (« " + l.nom + " »)");
            }
            l.valeurs.push_back(valeur);
        }
        t.lignes.push_back(std::move(l));
    }
    return t;
}

const std::vector<const char*> ColonnesEnergies = {"Rendement", "Prix", "FacteurCO2"};
const std::vector<const char*> ColonnesCouts = {"Investissement", "Investissement"};
const std::vector<const char*> ColonnesAides = {"Aide", "Aide"};

std::vector<MontantSurface> Montants(const TableEconomie& t) {
    std::vector<MontantSurface> montants;
    for (const RangeeEconomie& l : t.lignes)
        montants.push_back({l.nom, l.valeurs[0], l.valeurs[1]});
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

namespace {
DonneesEconomie LireTablesEconomie() {
    DonneesEconomie d;
    const TableEconomie energies = LireTableEconomie(fichier::Energies, ColonnesEnergies);
    for (const RangeeEconomie& l : energies.lignes)
        d.energies.push_back({l.nom, l.valeurs[0], l.valeurs[1], l.valeurs[2]});
    const TableEconomie couts = LireTableEconomie(fichier::CoutsSolaires, ColonnesCouts);
    d.couts = Montants(couts);
    const TableEconomie aides = LireTableEconomie(fichier::Aides, ColonnesAides);
    d.aides = Montants(aides);
    d.sources = {{NomFichierTable(fichier::Energies), energies.source},
                 {NomFichierTable(fichier::CoutsSolaires), couts.source},
                 {NomFichierTable(fichier::Aides), aides.source}};
    return d;
}

} // namespace

DonneesEconomie LireDonneesEconomie() {
    // Read for every study and every check of an energy's name: the tables read last are
    // used again as long as they are asked for in the same data folder and their three
    // files are unchanged.
    static struct {
        std::string dossier;
        std::vector<std::string> chemins;
        std::vector<SignatureFichier> signatures;
        DonneesEconomie donnees;
    } lues;
    const auto signatures = [](const std::vector<std::string>& chemins) {
        std::vector<SignatureFichier> s;
        for (const std::string& chemin : chemins)
            s.push_back(LireSignature(chemin));
        return s;
    };
    if (!lues.chemins.empty() && lues.dossier == InstallDir &&
        signatures(lues.chemins) == lues.signatures)
        return lues.donnees;
    std::vector<std::string> chemins;
    for (const char* relatif : {fichier::Energies, fichier::CoutsSolaires, fichier::Aides})
        chemins.push_back(CheminInstall(relatif));
    const std::vector<SignatureFichier> lus = signatures(chemins);
    DonneesEconomie d = LireTablesEconomie();
    const bool stables = std::all_of(lus.begin(), lus.end(), [](const SignatureFichier& s) {
        return s.existe && SignatureStable(s);
    });
    lues = {InstallDir, stables ? chemins : std::vector<std::string>(), lus, d};
    return d;
}

std::vector<std::string> VerifierDonneesEconomie() {
    std::vector<std::string> defauts;
    const std::pair<const char*, const std::vector<const char*>*> tables[] = {
        {fichier::Energies, &ColonnesEnergies},
        {fichier::CoutsSolaires, &ColonnesCouts},
        {fichier::Aides, &ColonnesAides}};
    for (const auto& [relatif, colonnes] : tables) {
        if (!FichierExiste(CheminInstall(relatif)))
            continue;
        try {
            LireTableEconomie(relatif, *colonnes);
        } catch (const ErreurExecution& e) {
            defauts.push_back(e.what());
        }
    }
    return defauts;
}
