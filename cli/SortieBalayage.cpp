#include "cli/SortieBalayage.h"

#include "common/Texte.h"
#include "data/modTexte.h"
#include "project/SortieJson.h"
#include "project/TableauResultats.h"
#include "project/clsprojet.h"

#include <cmath>

namespace {
std::string ADroite(const std::string& texte, std::size_t largeur) {
    const std::size_t n = NbCaracteres(texte);
    return std::string(largeur > n ? largeur - n : 0, ' ') + texte;
}

std::string Volume(const BallonBalayage& b) {
    return FormatNombre(b.Vn) + " l";
}

// A CSV field: quoted when it holds the separator or a quote.
std::string ChampCsv(const std::string& texte) {
    if (texte.find_first_of(";\"\n") == std::string::npos)
        return texte;
    return "\"" + Remplacer(texte, "\"", "\"\"") + "\"";
}

std::string Decimal(const PointBalayage& p, float valeur) {
    return p.calcule && std::isfinite(valeur) ? FormatDecimales(valeur, 2) : "";
}

// The annual coverage as the results grid rounds it, the project's point marked "*"
// and a point with a month at or above the stagnation threshold "!".
std::string Cellule(const Balayage& b, std::size_t i) {
    const PointBalayage& p = b.points[i];
    const std::string valeur =
        p.calcule && std::isfinite(p.Fecs_an) ? FormatEntier(p.Fecs_an) : "—";
    std::string marques = i == b.projet ? "*" : "";
    marques += p.moisSurchauffe > 0 ? "!" : "";
    return ADroite(valeur, 5) + marques + std::string(2 - marques.size(), ' ');
}

void EcrireTableau(std::ostream& s, const clsprojet& projet, const Balayage& b) {
    const auto& ballons = b.grille.ballons;
    s << "Projet : " << projet.Nom << "\nFichier : " << projet.Fichier
      << "\nStation : " << projet.Meteo->station() << "\nCapteur : " << projet.Capteurs->strType()
      << ", " << FormatNombre(projet.Capteurs->Ac()) << " m² par capteur\n\n"
      << "Couverture solaire annuelle [%]\nCapteurs  Surface [m²]";
    for (const BallonBalayage& ballon : ballons)
        s << ADroite(Volume(ballon), 9);
    s << '\n';
    for (std::size_t n = 0; n < b.grille.nombres.size(); ++n) {
        const PointBalayage& premier = b.Point(n, 0);
        s << ADroite(std::to_string(premier.nombre), 8)
          << ADroite(FormatDecimales(premier.surface, 2), 14);
        for (std::size_t j = 0; j < ballons.size(); ++j)
            s << "  " << Cellule(b, n * ballons.size() + j);
        s << '\n';
    }
    const PointBalayage& p = b.points[b.projet];
    s << "\n* : le point du projet (" << p.nombre << " capteurs, " << FormatDecimales(p.surface, 2)
      << " m², " << ballons[p.ballon].nom << ", " << Volume(ballons[p.ballon])
      << ")\n! : au moins un mois couvert à " << FormatNombre(SeuilSurchauffe)
      << " % ou plus : stagnation probable en été\n";
}

void EcrireCsv(std::ostream& s, const Balayage& b) {
    s << "Capteurs;Surface [m²];Ballon;Vn [l];Couverture [%];Productivité [kWh];"
         "Productivité [kWh/m²]";
    for (int m = 1; m <= 12; ++m)
        s << ';' << NomsMoisAbreges[static_cast<std::size_t>(m)] << " [%]";
    s << ";Mois à " << FormatNombre(SeuilSurchauffe)
      << " % ou plus;Couverture mensuelle maximale [%];Projet\n";
    for (std::size_t i = 0; i < b.points.size(); ++i) {
        const PointBalayage& p = b.points[i];
        const BallonBalayage& ballon = b.grille.ballons[p.ballon];
        s << p.nombre << ';' << FormatDecimales(p.surface, 2) << ';' << ChampCsv(ballon.nom) << ';'
          << FormatNombre(ballon.Vn) << ';' << Decimal(p, p.Fecs_an) << ';'
          << Decimal(p, p.Productivite_an) << ';' << Decimal(p, p.Productivite_par_m2);
        for (int m = 1; m <= 12; ++m)
            s << ';' << Decimal(p, p.Fecs[static_cast<std::size_t>(m)]);
        s << ';' << (p.calcule ? std::to_string(p.moisSurchauffe) : "") << ';'
          << Decimal(p, p.FecsMax) << ';' << (i == b.projet ? "oui" : "") << '\n';
    }
}

} // namespace

void EcrireBalayage(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                    const Balayage& b) {
    if (format == "csv")
        EcrireCsv(sortie, b);
    else if (format == "json")
        EcrireBalayageJson(sortie, projet, b);
    else
        EcrireTableau(sortie, projet, b);
}
