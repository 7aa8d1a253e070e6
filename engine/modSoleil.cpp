#include "engine/modSoleil.h"

#include "common/Chemins.h"
#include "common/Texte.h"
#include "data/modTexte.h"

namespace {
long analyses = 0;

// The lines of a file's text, counted.
class Lignes {
public:
    explicit Lignes(const std::string& contenu) : reste_(contenu) {}
    std::string Prendre() {
        ++numero_;
        return std::string(LireLigneVue(reste_));
    }
    void Sauter(int n) {
        for (int i = 0; i < n; ++i)
            Prendre();
    }
    int Numero() const { return numero_; }

private:
    std::string_view reste_;
    int numero_ = 0;
};

// Tokens premier..premier+11 of the line (LireMot with " "), as LireDouzeValeurs
// takes them, each converted by ConvertirNombre.
ValeursLues LireValeurs(const std::string& ligne, int premier, int numero) {
    ValeursLues lues;
    lues.ligne = numero;
    std::string reste = Rogner(ligne);
    for (int i = 1; i < premier; ++i)
        LireMot(reste, " ");
    for (int m = 1; m <= 12; ++m) {
        std::string mot = LireMot(reste, " ");
        lues.presentes += mot.empty() ? 0 : 1;
        std::string erreur;
        lues.valeurs[m] = static_cast<float>(ConvertirNombre(mot, erreur));
        if (!erreur.empty())
            lues.conversions.emplace_back(m, erreur);
    }
    return lues;
}

// A G_ row is held as a text of 60 characters: a longer line loses its end.
ValeursLues LireRangeeG(Lignes& lignes) {
    const std::string ligne = lignes.Prendre();
    return LireValeurs(CompacterEspaces(TexteFixe(ligne, 60)), 2, lignes.Numero());
}
} // namespace

long AnalysesSoleil() {
    return analyses;
}

SerieSoleil AnalyserSerieSoleil(const std::string& contenu) {
    ++analyses;
    Lignes lignes(contenu);
    const std::string ligne = lignes.Prendre();
    SerieSoleil serie;
    serie.premiereLigneVide = ligne.empty();
    serie.ligne = LireValeurs(CompacterEspaces(ligne), 1, 1);
    return serie;
}

FichierG AnalyserFichierG(const std::string& contenu) {
    ++analyses;
    Lignes lignes(contenu);
    FichierG fichier;
    for (auto& bloc : fichier.blocs) {
        lignes.Sauter(3);
        for (std::size_t r = 1; r <= 18; ++r)
            bloc[r] = LireRangeeG(lignes);
    }
    return fichier;
}

MatriceAlpha AnalyserMatriceAlpha(const std::string& contenu) {
    ++analyses;
    Lignes lignes(contenu);
    MatriceAlpha matrice;
    lignes.Sauter(3);
    for (std::size_t l = 0; l < 3; ++l) {
        if (l > 0)
            lignes.Sauter(2);
        for (auto& rangee : matrice.rangees[l]) {
            const std::string ligne = lignes.Prendre();
            rangee = LireValeurs(ligne, 1, lignes.Numero());
        }
    }
    return matrice;
}

FichierSoleil TrouverFichierSoleil(const std::string& nom) {
    // The exact name first: resolving the case costs a look-up per path component.
    std::string base = InstallDir;
    while (!base.empty() && (base.back() == '/' || base.back() == '\\'))
        base.pop_back();
    FichierSoleil f;
    f.chemin = base + "/Soleil/" + nom;
    f.signature = LireSignature(f.chemin);
    if (!f.signature.existe) {
        f.chemin = CheminInstall("\\Soleil\\" + nom);
        f.signature = LireSignature(f.chemin);
    }
    return f;
}

const SerieSoleil* LireSerieSoleil(const FichierSoleil& fichier) {
    static CacheFichiers<SerieSoleil> cache(AnalyserSerieSoleil);
    return cache.Obtenir(fichier.chemin, fichier.signature);
}

const FichierG* LireFichierG(const FichierSoleil& fichier) {
    static CacheFichiers<FichierG> cache(AnalyserFichierG);
    return cache.Obtenir(fichier.chemin, fichier.signature);
}

const MatriceAlpha* LireMatriceAlpha(const FichierSoleil& fichier) {
    static CacheFichiers<MatriceAlpha> cache(AnalyserMatriceAlpha);
    return cache.Obtenir(fichier.chemin, fichier.signature);
}

void MontrerConversions(const ValeursLues& ligne, RapportCalcul& rapport) {
    for (const auto& [m, texte] : ligne.conversions)
        rapport.Direct(texte);
}

void MontrerConversion(const ValeursLues& ligne, int m, RapportCalcul& rapport) {
    for (const auto& [mois, texte] : ligne.conversions) {
        if (mois == m)
            rapport.Direct(texte);
    }
}
