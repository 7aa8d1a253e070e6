#include "data/modTexte.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Nombres.h"
#include "common/Notificateur.h"
#include "common/Texte.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string LireLigne(std::string& tampon) {
    if (tampon.empty())
        return {};
    return LireMot(tampon, CRLF);
}

namespace {
std::string_view SansEspaces(std::string_view s) {
    const std::size_t debut = s.find_first_not_of(' ');
    if (debut == std::string_view::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
}
} // namespace

std::string_view LireLigneVue(std::string_view& tampon) {
    // LireMot's rules: the buffer trimmed, the line before the first CR LF trimmed, the
    // rest trimmed.
    tampon = SansEspaces(tampon);
    const std::size_t p = tampon.find(CRLF);
    std::string_view ligne = tampon.substr(0, p);
    tampon = p == std::string_view::npos ? std::string_view() : SansEspaces(tampon.substr(p + 2));
    return SansEspaces(ligne);
}

namespace {
// Trims spaces in place: readers call LireLigne on a whole file's buffer once per
// line, so the rest of the buffer is shifted rather than copied.
void RognerSurPlace(std::string& s) {
    const std::size_t fin = s.find_last_not_of(' ');
    s.erase(fin == std::string::npos ? 0 : fin + 1);
    s.erase(0, s.find_first_not_of(' '));
}
} // namespace

std::string LireMot(std::string& texte, const std::string& separateur) {
    RognerSurPlace(texte);
    if (texte.empty())
        return {};
    const std::size_t p = separateur.empty() ? std::string::npos : texte.find(separateur);
    if (p == std::string::npos) {
        std::string mot = std::move(texte);
        texte.clear();
        return mot;
    }
    std::string mot = Rogner(std::string_view(texte).substr(0, p));
    texte.erase(0, p + separateur.size());
    RognerSurPlace(texte);
    return mot;
}

bool EstNumerique(const std::string& texte) {
    const std::string t = Rogner(texte);
    return !t.empty() && LongueurNombre(t, 0, true) == t.size();
}

double ValeurEnTete(const std::string& texte) {
    return LireNombreEnTete(texte);
}

double ConvertirNombre(std::string& valeur) {
    std::string erreur;
    const double v = ConvertirNombre(valeur, erreur);
    if (!erreur.empty())
        notificateur().Message(erreur, TitreApplication);
    return v;
}

double ConvertirNombre(std::string& valeur, std::string& erreur) {
    erreur.clear();
    for (char& c : valeur) {
        if (c == '.')
            c = ',';
    }
    if (valeur.empty())
        return 0;
    if (!EstNumerique(valeur))
        erreur = "Erreur de conversion de " + Echapper(valeur) + ".";
    return ValeurEnTete(valeur);
}

double ConvertirNombre(const std::string& valeur) {
    std::string copie = valeur;
    return ConvertirNombre(copie);
}

std::string Remplacer(const std::string& source, const std::string& cherche,
                      const std::string& remplacement) {
    if (Rogner(cherche) == Rogner(remplacement) || cherche.empty())
        return source;
    std::string resultat;
    std::size_t position = 0;
    std::size_t remplacements = 0;
    const std::size_t limite = NbCaracteres(source);
    while (remplacements < limite) {
        const std::size_t p = source.find(cherche, position);
        if (p == std::string::npos)
            break;
        resultat.append(source, position, p - position);
        resultat += remplacement;
        position = p + cherche.size();
        ++remplacements;
    }
    resultat.append(source, position, std::string::npos);
    return resultat;
}

void LireDouzeValeurs(const std::string& texte, std::array<float, 13>& mois) {
    std::string reste = Rogner(texte);
    for (int m = 1; m <= 12; ++m) {
        std::string mot = LireMot(reste, " ");
        mois[m] = static_cast<float>(ConvertirNombre(mot));
    }
}

std::string CompacterEspaces(const std::string& texte) {
    // The method bounds its buffer at 255 characters; a longer text is compacted in
    // full here rather than overflowing.
    const std::string t = Rogner(texte);
    std::string r;
    r.reserve(t.size());
    for (char c : t) {
        if (c == ' ' && !r.empty() && r.back() == ' ')
            continue;
        r += c;
    }
    return r;
}

std::string MotNumero(const std::string& texte, int n, const std::string& separateur) {
    std::string copie = texte;
    std::string mot;
    for (int i = 0; i < n; ++i)
        mot = LireMot(copie, separateur);
    return mot;
}

namespace {
// Adds one to a string of decimal digits ("" counts as 0).
std::string PlusUn(std::string chiffres) {
    for (std::size_t i = chiffres.size(); i-- > 0;) {
        if (chiffres[i] != '9') {
            ++chiffres[i];
            return chiffres;
        }
        chiffres[i] = '0';
    }
    return "1" + chiffres;
}

// |valeur| x 10^decimales rounded half away from zero, as decimal digits, computed on
// the value's 15 significant digits so that 2.675 (stored as 2.67499999...) gives 268.
std::string DigitsArrondis(double valeur, int decimales) {
    const ChiffresSignificatifs c = EnChiffresSignificatifs(std::fabs(valeur), 15);
    const std::string& chiffres = c.chiffres;
    const int garder = c.exposant + 1 + decimales;
    if (garder < 0)
        return "0";
    if (garder >= static_cast<int>(chiffres.size()))
        return chiffres + std::string(static_cast<std::size_t>(garder) - chiffres.size(), '0');
    const auto k = static_cast<std::size_t>(garder);
    const std::string tete = chiffres.substr(0, k);
    return chiffres[k] >= '5' ? PlusUn(tete) : (tete.empty() ? "0" : tete);
}
} // namespace

std::string FormatDecimales(double valeur, int decimales) {
    if (!std::isfinite(valeur))
        return FormatNombre(valeur);
    std::string n = DigitsArrondis(valeur, decimales);
    n.erase(0, std::min(n.find_first_not_of('0'), n.size() - 1));
    const bool nul = n == "0";
    if (n.size() < static_cast<std::size_t>(decimales) + 1)
        n.insert(0, static_cast<std::size_t>(decimales) + 1 - n.size(), '0');
    if (decimales > 0)
        n.insert(n.size() - static_cast<std::size_t>(decimales), ",");
    return (valeur < 0 && !nul ? "-" : "") + n;
}

std::string FormatDeuxDecimales(double valeur) {
    return FormatDecimales(valeur, 2);
}

std::string FormatDeuxDecimales(const std::string& valeur) {
    return FormatDeuxDecimales(ConvertirNombre(valeur));
}

std::string FormatEntier(double valeur) {
    const double v = std::floor(valeur + 0.5);
    if (!std::isfinite(v))
        return {};
    const std::string t = EcrireFixe(v, 0);
    return t == "-0" ? "0" : t;
}

int16_t CodeTypeDeCalcul(const std::string& libelle) {
    if (libelle == "Calc. simple")
        return 0;
    if (libelle == "Calc. détaillé")
        return 1;
    if (libelle == "Val. forcée")
        return 2;
    return 0;
}

std::string LibelleTypeDeCalcul(int code) {
    switch (code) {
    case 0:
        return "Calc. simple";
    case 1:
        return "Calc. détaillé";
    case 2:
        return "Val. forcée";
    default:
        return {};
    }
}

int16_t VersEntier16(double valeur) {
    const double arrondi = std::nearbyint(valeur); // halves to even (default rounding)
    if (!(arrondi >= -32768.0 && arrondi <= 32767.0))
        throw ErreurExecution("Dépassement de capacité : " + FormatNombre(valeur) +
                              " ne tient pas dans un entier.");
    return static_cast<int16_t>(arrondi);
}

std::string FormatNombre(double valeur) {
    if (!std::isfinite(valeur))
        return std::isnan(valeur) ? "NaN" : (valeur > 0 ? "+Inf" : "-Inf");
    return EcrireGeneral(valeur, 7);
}
