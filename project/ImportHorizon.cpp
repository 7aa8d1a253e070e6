#include "project/ImportHorizon.h"

#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {
std::string Rogne(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

// The fields of a line by its separator; trailing empty fields (a line ended by its
// separator, as spreadsheets write them) are dropped.
std::vector<std::string> Champs(const std::string& ligne) {
    const char separateur = ligne.find(';') != std::string::npos    ? ';'
                            : ligne.find('\t') != std::string::npos ? '\t'
                            : ligne.find(',') != std::string::npos  ? ','
                                                                    : ' ';
    std::vector<std::string> champs;
    std::istringstream flux(ligne);
    for (std::string champ; std::getline(flux, champ, separateur);) {
        if (separateur == ' ' && Rogne(champ).empty())
            continue;
        champs.push_back(Rogne(champ));
    }
    while (!champs.empty() && champs.back().empty())
        champs.pop_back();
    return champs;
}

bool Nombre(const std::string& texte, double& valeur) {
    const auto v = LireNombre(texte);
    if (!v || !std::isfinite(*v))
        return false;
    valeur = *v;
    return true;
}

std::string Nombre(double v) {
    return EcrireGeneral(v, 6);
}

[[noreturn]] void Refuser(int ligne, const std::string& raison) {
    throw ErreurExecution("Ligne " + std::to_string(ligne) + " : " + raison);
}

PointHorizon LirePoint(const std::string& ligne, int numero) {
    const std::vector<std::string> champs = Champs(ligne);
    PointHorizon p;
    if (champs.size() != 2 || !Nombre(champs[0], p.angle) || !Nombre(champs[1], p.hauteur))
        Refuser(numero, "« " + ligne +
                            " » n'est pas un angle et une hauteur en degrés (deux nombres "
                            "séparés par « ; », ou par « , » avec un point décimal).");
    if (p.angle < -180 || p.angle > 180)
        Refuser(numero, "l'angle " + Nombre(p.angle) + "° n'est pas compris entre -180 et 180°.");
    if (p.hauteur < 0 || p.hauteur > 90)
        Refuser(numero, "la hauteur " + Nombre(p.hauteur) + "° n'est pas comprise entre 0 et 90°.");
    return p;
}

// Twice the change of the area under the profile when point i goes: the triangle it
// makes with its neighbours.
double Aire(const std::vector<PointHorizon>& p, std::size_t i) {
    const PointHorizon& a = p[i - 1];
    const PointHorizon& b = p[i];
    const PointHorizon& c = p[i + 1];
    return std::fabs((b.angle - a.angle) * (c.hauteur - a.hauteur) -
                     (c.angle - a.angle) * (b.hauteur - a.hauteur));
}
} // namespace

std::vector<PointHorizon> LireReleveHorizon(const std::string& texte) {
    std::vector<PointHorizon> points;
    std::istringstream flux(texte);
    int numero = 0;
    for (std::string brute; std::getline(flux, brute);) {
        ++numero;
        const std::string ligne = Rogne(brute);
        if (ligne.empty() || ligne.front() == '#')
            continue;
        const bool chiffre = ligne.find_first_of("0123456789") != std::string::npos;
        if (points.empty() && !chiffre)
            continue;
        points.push_back(LirePoint(ligne, numero));
    }
    if (points.size() < 2)
        throw ErreurExecution("Le relevé ne contient pas au moins deux points (angle ; hauteur).");
    return points;
}

double HauteurHorizon(const std::vector<PointHorizon>& points, double angle) {
    if (points.empty())
        return 0;
    if (angle <= points.front().angle)
        return points.front().hauteur;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PointHorizon& a = points[i - 1];
        const PointHorizon& b = points[i];
        if (angle < b.angle)
            return a.hauteur + (b.hauteur - a.hauteur) * (angle - a.angle) / (b.angle - a.angle);
    }
    return points.back().hauteur;
}

std::vector<PointHorizon> ReduireHorizon(std::vector<PointHorizon> points, std::size_t n) {
    std::stable_sort(
        points.begin(), points.end(),
        [](const PointHorizon& a, const PointHorizon& b) { return a.angle < b.angle; });
    std::vector<PointHorizon> profil = {
        {-AngleExtremeMasque, HauteurHorizon(points, -AngleExtremeMasque)}};
    for (const PointHorizon& p : points) {
        if (p.angle > -AngleExtremeMasque && p.angle < AngleExtremeMasque)
            profil.push_back(p);
    }
    profil.push_back({AngleExtremeMasque, HauteurHorizon(points, AngleExtremeMasque)});
    while (profil.size() > std::max<std::size_t>(n, 2)) {
        std::size_t moindre = 1;
        for (std::size_t i = 2; i + 1 < profil.size(); ++i) {
            if (Aire(profil, i) < Aire(profil, moindre))
                moindre = i;
        }
        profil.erase(profil.begin() + static_cast<std::ptrdiff_t>(moindre));
    }
    return profil;
}

ImportHorizon ReduireReleve(const std::vector<PointHorizon>& releve, std::size_t n) {
    ImportHorizon import;
    import.lus = releve.size();
    import.points = ReduireHorizon(releve, n);
    std::size_t interieurs = 0, gauche = 0, droite = 0;
    for (const PointHorizon& p : releve) {
        if (std::fabs(p.angle) > AngleExtremeMasque)
            ++import.ecartes;
        else if (p.angle == -AngleExtremeMasque)
            ++gauche;
        else if (p.angle == AngleExtremeMasque)
            ++droite;
        else
            ++interieurs;
    }
    // A survey point right on an end becomes that end; the others there merge into it.
    import.ajoutes = (gauche == 0) + (droite == 0);
    import.fusionnes = interieurs + 2 - import.points.size() + (gauche > 1 ? gauche - 1 : 0) +
                       (droite > 1 ? droite - 1 : 0);
    return import;
}

std::string BilanImportHorizon(const ImportHorizon& import) {
    const auto compte = [](std::size_t n, const char* mot) {
        return std::to_string(n) + " " + mot + (n > 1 ? "s" : "");
    };
    const std::string bout = "±" + Nombre(AngleExtremeMasque) + "°";
    std::string texte = compte(import.lus, "point") + (import.lus > 1 ? " lus" : " lu");
    if (import.fusionnes > 0)
        texte += ", " + compte(import.fusionnes, "fusionné");
    if (import.ecartes > 0)
        texte += ", " + compte(import.ecartes, "écarté") + " au-delà de " + bout;
    texte += " : le profil garde " + compte(import.points.size(), "point");
    if (import.ajoutes == 2)
        texte += ", dont les deux extrémités à " + bout + " ajoutées d'après le relevé";
    else if (import.ajoutes == 1)
        texte += ", dont une extrémité à " + bout + " ajoutée d'après le relevé";
    return texte + ".";
}

ImportHorizon ImporterHorizon(const std::string& chemin) {
    const std::string texte = LireFichierTexte(chemin, GenreFichier::Donnees);
    try {
        return ReduireReleve(LireReleveHorizon(texte));
    } catch (const ErreurFichier&) {
        throw;
    } catch (const ErreurExecution& e) {
        throw ErreurExecution("Relevé d'horizon « " + chemin + " » : " + e.what());
    }
}
