#include "data/modTables.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modMessages.h"
#include "data/modTexte.h"

#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

bool FichierExiste(const std::string& chemin) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer. A folder, a device or
    // a pipe opens but is no file to read.
    const int fd = ::open(Rogner(chemin).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat etat {};
    const bool fichier = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode);
    ::close(fd);
    return fichier;
}

void VerifierFichier(const std::string& chemin) {
    if (!FichierExiste(chemin))
        AfficherMessage(44, {chemin});
}

void LireTable(const std::string& chemin, Table& table) {
    table.assign(1, TableLigne{});
    table[0].Commentaire = chemin;
    VerifierFichier(chemin);
    LireTableDepuisTexte(LireFichierTexte(chemin, GenreFichier::Donnees), chemin, table);
}

void LireTableDepuisTexte(const std::string& contenu, const std::string& chemin, Table& table) {
    table.assign(1, TableLigne{});
    table[0].Commentaire = chemin;
    std::string_view tampon = contenu;
    LireLigneVue(tampon);
    LireLigneVue(tampon);
    int16_t compteur = 0;
    for (int numero = 3; !tampon.empty(); ++numero) {
        const std::string_view ligne = LireLigneVue(tampon);
        const std::size_t p = ligne.find('#');
        if (p == std::string::npos) {
            AfficherMessage(Messages[33], ParametresMessage);
            continue;
        }
        if (compteur == INT16_MAX)
            throw ErreurIndice("Trop de lignes dans le fichier " + CiterChemin(chemin) +
                               " (ligne " + std::to_string(numero) +
                               ") : une table compte au plus " + std::to_string(INT16_MAX) +
                               " entrées.");
        TableLigne entree;
        entree.Texte = Rogner(ligne.substr(0, p));
        entree.Commentaire = std::string(ligne.substr(p + 1));
        entree.Indice = ++compteur;
        table.push_back(std::move(entree));
    }
}

namespace {
void Distribuer(const TableLigne* entree, std::initializer_list<SortieTable> sorties) {
    std::string reste = entree ? Rogner(entree->Texte) : std::string();
    for (const SortieTable& sortie : sorties) {
        const std::string mot = entree ? LireMot(reste, " ") : std::string();
        std::visit(
            [&](auto* cible) {
                using T = std::remove_pointer_t<decltype(cible)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    *cible = mot;
                } else if constexpr (std::is_same_v<T, int16_t>) {
                    *cible = entree ? VersEntier16(ConvertirNombre(mot)) : 0;
                } else {
                    *cible = entree ? static_cast<T>(ConvertirNombre(mot)) : T{0};
                }
            },
            sortie);
    }
}
} // namespace

int IndiceEntree(const Table& table, const std::string& cle) {
    if (cle.empty())
        return 0;
    for (std::size_t i = table.size(); i-- > 1;) {
        if (RognerFin(table[i].Commentaire) == cle)
            return static_cast<int>(i);
    }
    return 0;
}

void LireValeursTable(const Table& table, int k, std::initializer_list<SortieTable> sorties) {
    const bool valide = k >= 1 && static_cast<std::size_t>(k) < table.size();
    Distribuer(valide ? &table[static_cast<std::size_t>(k)] : nullptr, sorties);
}

void LireValeursTable(const Table& table, const std::string& cle,
                      std::initializer_list<SortieTable> sorties) {
    const int i = IndiceEntree(table, cle);
    Distribuer(i > 0 ? &table[static_cast<std::size_t>(i)] : nullptr, sorties);
}
