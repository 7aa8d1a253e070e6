#include "cli/SortieResultats.h"

#include "common/Nombres.h"
#include "common/Texte.h"
#include "data/modTexte.h"
#include "engine/RapportCalcul.h"
#include "project/clsprojet.h"
#include "project/modEconomie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
std::string Cellule(const std::optional<double>& v) {
    return v ? FormatEntier(*v) : "";
}

// Pads on the left to `largeur` characters (not bytes: the headings hold accents).
std::string ADroite(const std::string& texte, std::size_t largeur) {
    const std::size_t n = NbCaracteres(texte);
    return std::string(largeur > n ? largeur - n : 0, ' ') + texte;
}

std::string AGauche(const std::string& texte, std::size_t largeur) {
    const std::size_t n = NbCaracteres(texte);
    return texte + std::string(largeur > n ? largeur - n : 0, ' ');
}

std::string NombreJson(const std::optional<double>& v) {
    return v ? FormatEntier(*v) : "null";
}

// A value with its decimals; JSON wants a point where the French text has a comma.
std::string Decimal(const LigneEconomie& l, bool json) {
    if (!l.valeur || !std::isfinite(*l.valeur))
        return json ? "null" : "—";
    std::string texte =
        l.decimales == 0 ? FormatEntier(*l.valeur) : FormatDecimales(*l.valeur, l.decimales);
    if (json)
        std::replace(texte.begin(), texte.end(), ',', '.');
    return texte;
}

void EcrireEconomieTableau(std::ostream& sortie, const EtudeEconomique& etude) {
    sortie << "\nÉconomie : " << etude.energie << '\n';
    if (!etude.resultats) {
        sortie << etude.erreur << '\n';
        return;
    }
    const std::vector<LigneEconomie> lignes = LignesEconomie(*etude.resultats);
    std::size_t largeur = 0;
    for (const LigneEconomie& l : lignes)
        largeur = std::max(largeur, NbCaracteres(l.libelle));
    for (const LigneEconomie& l : lignes)
        sortie << AGauche(l.libelle, largeur) << "  " << Decimal(l, false) << '\n';
}

void EcrireDossierJson(std::ostream& sortie, const clsDossier& d) {
    const std::pair<const char*, const std::string*> champs[] = {
        {"client", &d.Client},       {"adresse", &d.Adresse},
        {"commune", &d.Commune},     {"installateur", &d.Installateur},
        {"contact", &d.Contact},     {"reference", &d.Reference},
        {"date_etude", &d.DateEtude}};
    sortie << ",\n  \"dossier\": {";
    bool premier = true;
    for (const auto& [cle, valeur] : champs) {
        sortie << (premier ? "" : ", ") << ChaineJson(cle) << ": " << ChaineJson(*valeur);
        premier = false;
    }
    sortie << '}';
}

void EcrireEconomieJson(std::ostream& sortie, const EtudeEconomique& etude) {
    sortie << ",\n  \"economie\": {\"energie\": " << ChaineJson(etude.energie);
    if (!etude.resultats) {
        sortie << ", \"erreur\": " << ChaineJson(etude.erreur) << "}";
        return;
    }
    const LigneEconomie investissement{"", "", 0, etude.entrees.investissement};
    const LigneEconomie aides{"", "", 0, etude.entrees.aides};
    sortie << ", \"investissement_eur\": " << Decimal(investissement, true)
           << ", \"aides_eur\": " << Decimal(aides, true);
    for (const LigneEconomie& l : LignesEconomie(*etude.resultats))
        sortie << ",\n    " << ChaineJson(l.cle) << ": " << Decimal(l, true);
    sortie << "}";
}
} // namespace

void EcrireTableau(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t) {
    sortie << "Projet : " << e.projet << "\nFichier : " << e.fichier << "\nStation : " << e.station
           << "\n\n";
    std::size_t titre = 0;
    for (const LigneResultats& l : t.lignes)
        titre = std::max(titre, NbCaracteres(l.titre));
    std::size_t largeur = 6;
    for (const LigneResultats& l : t.lignes) {
        for (const auto& v : l.mois)
            largeur = std::max(largeur, Cellule(v).size() + 1);
        largeur = std::max(largeur, Cellule(l.annuel).size() + 1);
    }
    sortie << AGauche("", titre);
    for (int m = 1; m <= 12; ++m)
        sortie << ADroite(NomsMoisAbreges[static_cast<std::size_t>(m)], largeur);
    sortie << ADroite("Annuel", largeur + 2) << '\n';
    for (const LigneResultats& l : t.lignes) {
        sortie << AGauche(l.titre, titre);
        for (const auto& v : l.mois)
            sortie << ADroite(Cellule(v), largeur);
        sortie << ADroite(Cellule(l.annuel), largeur + 2) << '\n';
    }
}

void EcrireCsv(std::ostream& sortie, const TableauResultats& t) {
    for (int m = 1; m <= 12; ++m)
        sortie << ';' << NomsMoisAbreges[static_cast<std::size_t>(m)];
    sortie << ";Annuel\n";
    for (const LigneResultats& l : t.lignes) {
        sortie << l.titre;
        for (const auto& v : l.mois)
            sortie << ';' << Cellule(v);
        sortie << ';' << Cellule(l.annuel) << '\n';
    }
}

void EcrireJson(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t,
                const std::function<void(std::ostream&)>& suite) {
    sortie << "{\n  \"projet\": " << ChaineJson(e.projet)
           << ",\n  \"fichier\": " << ChaineJson(e.fichier)
           << ",\n  \"station\": " << ChaineJson(e.station) << ",\n  \"mois\": [";
    for (int m = 1; m <= 12; ++m)
        sortie << (m > 1 ? ", " : "") << ChaineJson(NomsMoisAbreges[static_cast<std::size_t>(m)]);
    sortie << "],\n  \"lignes\": [\n";
    for (std::size_t i = 0; i < t.lignes.size(); ++i) {
        const LigneResultats& l = t.lignes[i];
        sortie << "    {\"cle\": " << ChaineJson(l.cle) << ", \"titre\": " << ChaineJson(l.titre)
               << ", \"mois\": [";
        for (std::size_t m = 0; m < l.mois.size(); ++m)
            sortie << (m > 0 ? ", " : "") << NombreJson(l.mois[m]);
        sortie << "], \"annuel\": " << NombreJson(l.annuel) << '}'
               << (i + 1 < t.lignes.size() ? "," : "") << '\n';
    }
    sortie << "  ]";
    if (suite) {
        sortie << ",\n";
        suite(sortie);
    }
    sortie << "\n}\n";
}

std::string ChaineJson(const std::string& texte) {
    std::string r = "\"";
    for (const char c : texte) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (u < 0x20) {
            char tampon[8];
            std::snprintf(tampon, sizeof tampon, "\\u%04x", u);
            r += tampon;
        } else {
            r += c; // UTF-8 passes through
        }
    }
    return r + "\"";
}

std::string SimpleJson(float v) {
    if (!std::isfinite(v))
        return "null";
    return EcrireCourt(v);
}

std::string MoisJson(const TableauMois& mois) {
    std::string texte = "[";
    for (int m = 1; m <= 12; ++m)
        texte += (m > 1 ? ", " : "") + SimpleJson(mois[static_cast<std::size_t>(m)]);
    return texte + "]";
}

namespace {
// The values the cells are made from, exactly as the record holds them.
void EcrireValeurs(std::ostream& sortie, const EnregistrementCalcul& c) {
    sortie << "  \"valeurs\": {\"Fecs\": " << MoisJson(c.Fecs) << ", \"Becs\": " << MoisJson(c.Becs)
           << ", \"Prod\": " << MoisJson(c.Prod) << ",\n    \"Fecs_an\": " << SimpleJson(c.Fecs_an)
           << ", \"Becs_an\": " << SimpleJson(c.Becs_an)
           << ", \"Productivite_an\": " << SimpleJson(c.Productivite_an)
           << ", \"Productivite_par_m2\": "
           // A one-piece water heater has no collector area: the run never sets its figure
           // per m², and what the record holds is left over, as the grid shows it.
           << (c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc
                   ? "null"
                   : SimpleJson(c.Productivite_par_m2))
           << "},\n";
}

} // namespace

void EcrireMessages(std::ostream& sortie, const RapportCalcul& rapport) {
    sortie << "  \"calcul_complet\": " << (rapport.Complet() ? "true" : "false")
           << ",\n  \"messages\": [";
    const auto& messages = rapport.Messages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const MessageCalcul& m = messages[i];
        sortie << (i > 0 ? "," : "")
               << "\n    {\"numero\": " << (m.Numerote() ? std::to_string(m.numero) : "null")
               << ", \"texte\": " << ChaineJson(m.texte) << '}';
    }
    sortie << (messages.empty() ? "]" : "\n  ]");
}

void EcrireResultats(std::ostream& sortie, const std::string& format, const clsprojet& projet,
                     const RapportCalcul& rapport) {
    const EnTeteResultats e{projet.Nom, projet.Fichier, projet.Meteo->station()};
    TableauResultats t = CalculerTableauResultats(projet);
    // A run that did not go through computed none of the values the record holds.
    if (!rapport.Complet()) {
        for (LigneResultats& l : t.lignes) {
            l.mois.fill(std::nullopt);
            l.annuel.reset();
        }
    }
    if (format == "csv") {
        EcrireCsv(sortie, t);
        return;
    }
    const EtudeEconomique etude = EvaluerEconomie(projet);
    if (format == "json") {
        // After the grid: the stored values behind it, the run's messages, the study.
        EcrireJson(sortie, e, t, [&](std::ostream& s) {
            if (rapport.Complet())
                EcrireValeurs(s, projet.Enregistrement().Calcul);
            else
                s << "  \"valeurs\": null,\n";
            EcrireMessages(s, rapport);
            EcrireEconomieJson(s, etude);
            EcrireDossierJson(s, projet.Dossier);
        });
    } else {
        EcrireTableau(sortie, e, t);
        EcrireEconomieTableau(sortie, etude);
    }
}
