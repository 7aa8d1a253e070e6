#pragma once
// A solar collector as its certified test report describes it: the parameters of the
// EN ISO 9806 test published on Solar Keymark datasheets, referred to the gross area
// as current datasheets give them. The monthly method describes a collector by a
// straight efficiency line on one area; its three values come from the datasheet as
//
//   η0,hem = η0,b × (0,85 + 0,15 × Kd)   when only the beam value is published
//                                         (a sky of 85 % beam, 15 % diffuse light)
//   Bc     = η0,hem
//   Kc     = a1 + a2 × 40 K               the quadratic loss curve's secant at a 40 K
//                                         difference, typical of hot-water use
//   Ac     = the gross area
//
// K50 has no place in the method; it is kept for the engineer's review.

#include "common/Erreurs.h"

#include <optional>
#include <string>
#include <utility>

enum class GenreCapteur { Plan, TubesSousVide };

struct FicheCapteur {
    std::string Nom;
    GenreCapteur Genre = GenreCapteur::Plan;
    std::optional<double> Eta0Hem; // hemispherical zero-loss efficiency, when published
    std::optional<double> Eta0b;   // beam zero-loss efficiency, with
    std::optional<double> Kd;      // the diffuse incidence-angle modifier
    double a1 = 0;                 // [W/(m².K)]
    double a2 = 0;                 // [W/(m².K²)]
    double K50 = 0;                // incidence-angle modifier at 50°
    double SurfaceBrute = 0;       // [m²]
    double SurfaceOuverture = 0;   // [m²]
};

// The datasheet temperature difference at which Kc is taken [K].
inline constexpr double EcartReferenceKc = 40.0;

struct ValeursMethodeCapteur {
    float Bc = 0;
    float Kc = 0; // [W/(m².K)]
    float Ac = 0; // [m²]
};

// A datasheet value refused: the message names it, the column is its name in the
// library file (see modBibliothequeCapteurs.h).
class ErreurFicheCapteur : public ErreurExecution {
public:
    ErreurFicheCapteur(std::string colonne, const std::string& message)
        : ErreurExecution(message), colonne_(std::move(colonne)) {}
    const std::string& Colonne() const { return colonne_; }

private:
    std::string colonne_;
};

// Throws ErreurFicheCapteur for the first value outside its bounds: η0,hem, η0,b, Kd
// and K50 outside 0 to 1 (η0 above 0), a1 or a2 negative, an area not positive, an
// aperture larger than the gross area, or no η0 at all.
void VerifierFiche(const FicheCapteur& fiche);

// η0,hem as published, else from η0,b and Kd. The datasheet must have been checked.
double Eta0Hemispherique(const FicheCapteur& fiche);

// Bc, Kc and Ac of the checked datasheet (VerifierFiche runs first).
ValeursMethodeCapteur ValeursMethode(const FicheCapteur& fiche);

// "plan" or "tubes"; a text beginning with either (any case: "Plan vitré", "Tubes sous
// vide") reads back, anything else gives nullopt.
std::string TexteGenre(GenreCapteur genre);
std::optional<GenreCapteur> GenreDepuisTexte(const std::string& texte);
