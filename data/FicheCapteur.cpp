#include "data/FicheCapteur.h"

#include "common/Texte.h"
#include "data/modTexte.h"

namespace {
void Refuser(const char* colonne, const std::string& quoi, double valeur,
             const std::string& attendu) {
    throw ErreurFicheCapteur(colonne, "Valeur refusée : " + quoi + " = " + FormatNombre(valeur) +
                                          " (attendu : " + attendu + ").");
}

void Fraction(const char* colonne, const char* quoi, double valeur, bool zeroAdmis) {
    if (valeur < 0 || valeur > 1 || (!zeroAdmis && valeur == 0))
        Refuser(colonne, quoi, valeur, zeroAdmis ? "entre 0 et 1" : "plus de 0 et au plus 1");
}

void Positif(const char* colonne, const char* quoi, double valeur, bool zeroAdmis) {
    if (valeur < 0 || (!zeroAdmis && valeur == 0))
        Refuser(colonne, quoi, valeur, zeroAdmis ? "0 ou plus" : "plus de 0");
}
} // namespace

void VerifierFiche(const FicheCapteur& f) {
    if (f.Eta0Hem) {
        Fraction("eta0_hem", "η0,hem", *f.Eta0Hem, false);
    } else if (f.Eta0b && f.Kd) {
        Fraction("eta0_b", "η0,b", *f.Eta0b, false);
        Fraction("kd", "Kd", *f.Kd, true);
    } else {
        throw ErreurFicheCapteur(f.Eta0b ? "kd" : "eta0_hem",
                                 "Rendement optique absent : donnez η0,hem, ou η0,b avec Kd.");
    }
    Positif("a1", "a1", f.a1, true);
    Positif("a2", "a2", f.a2, true);
    Fraction("k50", "K50", f.K50, true);
    Positif("surface_brute", "surface brute", f.SurfaceBrute, false);
    Positif("surface_ouverture", "surface d'ouverture", f.SurfaceOuverture, false);
    if (f.SurfaceOuverture > f.SurfaceBrute)
        Refuser("surface_ouverture", "surface d'ouverture", f.SurfaceOuverture,
                "au plus la surface brute, " + FormatNombre(f.SurfaceBrute) + " m²");
}

double Eta0Hemispherique(const FicheCapteur& f) {
    if (f.Eta0Hem)
        return *f.Eta0Hem;
    return f.Eta0b.value_or(0) * (0.85 + 0.15 * f.Kd.value_or(0));
}

ValeursMethodeCapteur ValeursMethode(const FicheCapteur& f) {
    VerifierFiche(f);
    ValeursMethodeCapteur v;
    v.Bc = static_cast<float>(Eta0Hemispherique(f));
    v.Kc = static_cast<float>(f.a1 + f.a2 * EcartReferenceKc);
    v.Ac = static_cast<float>(f.SurfaceBrute);
    return v;
}

std::string TexteGenre(GenreCapteur genre) {
    return genre == GenreCapteur::Plan ? "plan" : "tubes";
}

std::optional<GenreCapteur> GenreDepuisTexte(const std::string& texte) {
    const std::string t = EnMinuscules(Rogner(texte));
    if (t.starts_with("plan"))
        return GenreCapteur::Plan;
    if (t.starts_with("tube"))
        return GenreCapteur::TubesSousVide;
    return std::nullopt;
}
