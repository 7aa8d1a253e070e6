#include "data/modCatalogues.h"

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"
#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/modCopieUtilisateur.h"
#include "data/modTexte.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {
// One line of the file as bytes: its content [debut, fin) and its line end after it.
struct LigneBrute {
    std::size_t debut;
    std::size_t fin;
};

std::vector<LigneBrute> DecouperLignes(const std::string& octets) {
    std::vector<LigneBrute> lignes;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        std::size_t fin = FinDeLigne(octets, debut);
        if (fin == std::string::npos)
            fin = octets.size();
        lignes.push_back({debut, fin});
        std::size_t suite = fin;
        if (suite < octets.size() && octets[suite] == '\r')
            ++suite;
        if (suite < octets.size() && octets[suite] == '\n')
            ++suite;
        debut = suite;
    }
    return lignes;
}

// The file's bytes; nullopt when there is no such file. A file that exists but cannot
// be read throws ErreurFichier.
std::optional<std::string> LireOctets(const std::string& chemin) {
    std::error_code ec;
    if (!std::filesystem::exists(chemin, ec))
        return std::nullopt;
    return LireOctetsFichier(chemin, GenreFichier::Donnees);
}

// The name of a data line: after the first "#", trailing spaces removed; nullopt for
// a line without "#".
std::optional<std::string> NomDeLigne(const std::string& ligne) {
    const std::string t = Rogner(ligne);
    const std::size_t diese = t.find('#');
    if (diese == std::string::npos)
        return std::nullopt;
    return RognerFin(t.substr(diese + 1));
}

// The last data line (after the two heading lines) named `nom`, or nullopt.
std::optional<std::size_t> TrouverEntree(const std::string& octets,
                                         const std::vector<LigneBrute>& lignes, bool utf8,
                                         const std::string& nom) {
    std::optional<std::size_t> trouvee;
    for (std::size_t i = 2; i < lignes.size(); ++i) {
        const std::string_view brut(octets.data() + lignes[i].debut,
                                    lignes[i].fin - lignes[i].debut);
        const auto nomLigne = NomDeLigne(utf8 ? std::string(brut) : DepuisWindows1252(brut));
        if (nomLigne && *nomLigne == nom)
            trouvee = i;
    }
    return trouvee;
}

void VerifierValeurs(const std::vector<std::string>& valeurs) {
    if (valeurs.empty() || Rogner(valeurs[0]).empty())
        throw ErreurExecution("Le nom de l'entrée ne peut pas être vide.");
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        const bool diese = i > 0 && valeurs[i].find('#') != std::string::npos;
        if (diese || valeurs[i].find_first_of("\r\n") != std::string::npos)
            throw ErreurExecution("Valeur " + Citer(valeurs[i]) +
                                  " impossible à enregistrer : elle contient un « # » ou "
                                  "un saut de ligne.");
    }
}

// A number in the invariant form: decimal point, leading space when not negative.
std::string FormeInvariante(const std::string& valeur) {
    std::string t = valeur;
    for (char& c : t) {
        if (c == '.')
            c = ',';
    }
    if (!EstNumerique(t))
        return valeur;
    double v = ValeurEnTete(t);
    if (v == 0)
        v = 0; // no "-0"
    return (v < 0 ? "" : " ") + EcrireGeneral(v, 15, '.');
}
} // namespace

std::string LigneEntree(const std::vector<std::string>& valeurs) {
    std::string ligne;
    for (std::size_t i = 1; i < valeurs.size(); ++i)
        ligne += FormeInvariante(valeurs[i]) + " ";
    return ligne + "#" + (valeurs.empty() ? std::string() : valeurs[0]);
}

bool EnregistrerEntree(const Table& table, const std::string& nomCourant,
                       const std::vector<std::string>& valeurs) {
    VerifierValeurs(valeurs);
    if (table.empty())
        return false;
    SablierActif sablier;
    const std::string chemin = table[0].Commentaire;
    const auto octets = LireOctets(chemin);
    if (!octets)
        return false;
    const std::string_view sansBom =
        octets->starts_with("\xEF\xBB\xBF") ? std::string_view(*octets).substr(3) : *octets;
    const bool utf8 = EstUtf8Multioctet(sansBom);
    const auto lignes = DecouperLignes(*octets);
    const auto i = TrouverEntree(*octets, lignes, utf8, nomCourant);
    if (!i)
        return false;
    const std::string nouvelle = LigneEntree(valeurs);
    std::string resultat = *octets;
    resultat.replace(lignes[*i].debut, lignes[*i].fin - lignes[*i].debut,
                     utf8 ? nouvelle : VersWindows1252(nouvelle));
    // A read-only install folder is copied to the user's data folder first.
    EcrireFichierAtomique(CheminPourEcriture(chemin), resultat);
    return true;
}

namespace {
// A data line as the table reader splits it; nullopt for a line without "#".
std::optional<TableLigne> EntreeDeLigne(const std::string& ligne) {
    const std::string t = Rogner(ligne);
    const std::size_t diese = t.find('#');
    if (diese == std::string::npos)
        return std::nullopt;
    TableLigne entree;
    entree.Texte = Rogner(t.substr(0, diese));
    entree.Commentaire = RognerFin(t.substr(diese + 1));
    return entree;
}
} // namespace

std::optional<ReecritureFichier> PreparerReecriture(const Table& table,
                                                    const RemplacementLigne& remplacer) {
    if (table.empty())
        return std::nullopt;
    const auto octets = LireOctets(table[0].Commentaire);
    if (!octets)
        return std::nullopt;
    const std::string_view sansBom =
        octets->starts_with("\xEF\xBB\xBF") ? std::string_view(*octets).substr(3) : *octets;
    const bool utf8 = EstUtf8Multioctet(sansBom);
    const auto lignes = DecouperLignes(*octets);
    ReecritureFichier r{&table, *octets, {}};
    std::size_t copie = 0; // the bytes before this one are already in r.apres
    bool remplacee = false;
    for (std::size_t i = 2; i < lignes.size(); ++i) {
        const std::string_view brut(octets->data() + lignes[i].debut,
                                    lignes[i].fin - lignes[i].debut);
        const auto entree = EntreeDeLigne(utf8 ? std::string(brut) : DepuisWindows1252(brut));
        if (!entree)
            continue;
        const auto nouvelles = remplacer(*entree);
        if (!nouvelles)
            continue;
        const std::size_t suivante = i + 1 < lignes.size() ? lignes[i + 1].debut : octets->size();
        const std::string finDeLigne = octets->substr(lignes[i].fin, suivante - lignes[i].fin);
        r.apres.append(*octets, copie, lignes[i].debut - copie);
        for (std::size_t k = 0; k < nouvelles->size(); ++k) {
            r.apres += utf8 ? (*nouvelles)[k] : VersWindows1252((*nouvelles)[k]);
            const bool derniere = k + 1 == nouvelles->size();
            r.apres += derniere || !finDeLigne.empty() ? finDeLigne : std::string(CRLF);
        }
        copie = suivante;
        remplacee = true;
    }
    if (!remplacee)
        return std::nullopt;
    r.apres.append(*octets, copie);
    return r;
}

void EcrireReecritures(const std::vector<ReecritureFichier>& reecritures) {
    SablierActif sablier;
    std::vector<std::pair<std::string, const std::string*>> ecrits;
    try {
        for (const ReecritureFichier& r : reecritures) {
            // Asked at each write: the first one may have moved the install folder to
            // the user's copy, and the tables' paths with it.
            const std::string chemin = CheminPourEcriture((*r.table)[0].Commentaire);
            EcrireFichierAtomique(chemin, r.apres);
            ecrits.emplace_back(chemin, &r.avant);
        }
    } catch (...) {
        for (const auto& [chemin, avant] : ecrits) {
            try {
                EcrireFichierAtomique(chemin, *avant);
            } catch (const std::exception&) {
                // The first error is the one to report.
            }
        }
        throw;
    }
}
