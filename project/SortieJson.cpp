#include "project/SortieJson.h"

#include "common/Nombres.h"
#include "data/modTexte.h"
#include "engine/RapportCalcul.h"
#include "project/Reglages.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "project/modBalayage.h"
#include "project/modEconomie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
std::string NombreJson(const std::optional<double>& v) {
    return v ? FormatEntier(*v) : "null";
}

std::string DecimalJson(const std::optional<double>& v, int decimales) {
    if (!v || !std::isfinite(*v))
        return "null";
    std::string texte = decimales == 0 ? FormatEntier(*v) : FormatDecimales(*v, decimales);
    // The French text has a decimal comma where JSON wants a point.
    std::replace(texte.begin(), texte.end(), ',', '.');
    return texte;
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
    sortie << ", \"investissement_eur\": " << DecimalJson(etude.entrees.investissement, 0)
           << ", \"aides_eur\": " << DecimalJson(etude.entrees.aides, 0);
    for (const LigneEconomie& l : LignesEconomie(*etude.resultats))
        sortie << ",\n    " << ChaineJson(l.cle) << ": " << DecimalJson(l.valeur, l.decimales);
    sortie << "}";
}

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

TableauResultats SansCellules(TableauResultats t) {
    for (LigneResultats& l : t.lignes) {
        l.mois.fill(std::nullopt);
        l.annuel.reset();
    }
    return t;
}

void EcrirePointJson(std::ostream& s, const Balayage& b, std::size_t i) {
    const PointBalayage& p = b.points[i];
    s << "    {\"Nb_Capteurs\": " << p.nombre << ", \"a\": " << SimpleJson(p.surface)
      << ", \"ballon\": " << p.ballon << ", \"projet\": " << (i == b.projet ? "true" : "false")
      << ", \"calcule\": " << (p.calcule ? "true" : "false");
    if (!p.calcule)
        s << ", \"cause\": " << ChaineJson(p.cause);
    s << ",\n     \"Fecs_an\": " << SimpleJson(p.Fecs_an)
      << ", \"Productivite_an\": " << SimpleJson(p.Productivite_an)
      << ", \"Productivite_par_m2\": " << SimpleJson(p.Productivite_par_m2)
      << ", \"mois_surchauffe\": " << p.moisSurchauffe
      << ", \"Fecs_max\": " << SimpleJson(p.FecsMax) << ",\n     \"Fecs\": " << MoisJson(p.Fecs)
      << '}';
}

const char* Genre(GenreSaisie genre) {
    switch (genre) {
    case GenreSaisie::Entier:
        return "entier";
    case GenreSaisie::Mois:
        return "mois";
    case GenreSaisie::Points:
        return "points";
    case GenreSaisie::Liste:
        return "liste";
    case GenreSaisie::Catalogue:
        return "catalogue";
    case GenreSaisie::Choix:
        return "choix";
    case GenreSaisie::Texte:
        return "texte";
    default:
        return "nombre";
    }
}
} // namespace

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

std::string ListeJson(const std::vector<std::string>& textes) {
    std::string json = "[";
    for (std::size_t i = 0; i < textes.size(); ++i)
        json += (i ? ", " : "") + ChaineJson(textes[i]);
    return json + "]";
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

void EcrireJson(std::ostream& sortie, const EnTeteResultats& e, const TableauResultats& t,
                const std::function<void(std::ostream&)>& suite) {
    sortie << "{\n  \"projet\": " << ChaineJson(e.projet)
           << ",\n  \"fichier\": " << ChaineJson(e.fichier)
           << ",\n  \"station\": " << ChaineJson(e.station) << ",\n  \"mois\": [";
    for (int m = 1; m <= 12; ++m)
        sortie << (m > 1 ? ", " : "") << ChaineJson(NomsMoisAbreges[static_cast<std::size_t>(m)]);
    sortie << "],\n  \"lignes\": [\n";
    bool premiere = true;
    for (const LigneResultats& l : t.lignes) {
        if (!l.cle)
            continue; // no row to name
        sortie << (premiere ? "" : ",\n") << "    {\"cle\": " << ChaineJson(l.cle)
               << ", \"titre\": " << ChaineJson(l.titre) << ", \"mois\": [";
        for (std::size_t m = 0; m < l.mois.size(); ++m)
            sortie << (m > 0 ? ", " : "") << NombreJson(l.mois[m]);
        sortie << "], \"annuel\": " << NombreJson(l.annuel) << '}';
        premiere = false;
    }
    sortie << "\n  ]";
    if (suite) {
        sortie << ",\n";
        suite(sortie);
    }
    sortie << "\n}\n";
}

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

void EcrireResultatsJson(std::ostream& sortie, const clsprojet& projet,
                         const RapportCalcul& rapport) {
    const EnTeteResultats e{projet.Nom, projet.Fichier, projet.Meteo->station()};
    TableauResultats t = CalculerTableauResultats(projet);
    // A run that did not go through computed none of the values the record holds.
    if (!rapport.Complet())
        t = SansCellules(t);
    const EtudeEconomique etude = EvaluerEconomie(projet);
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
}

void EcrireRefusJson(std::ostream& sortie, const EnTeteResultats& e, const clsprojet& projet,
                     const std::string& refus) {
    // A project whose creation failed has no components to name the rows from.
    const bool cree = projet.Actif() && projet.Capteurs && projet.Systeme;
    EcrireJson(sortie, e,
               cree ? SansCellules(CalculerTableauResultats(projet)) : TableauResultats{},
               [&](std::ostream& s) {
                   s << "  \"valeurs\": null,\n  \"calcul_complet\": false,\n  \"messages\": [\n"
                     << "    {\"numero\": null, \"texte\": " << ChaineJson(refus) << "}\n  ],\n"
                     << "  \"economie\": null";
                   EcrireDossierJson(s, projet.Dossier);
               });
}

void EcrireEtudeJson(std::ostream& sortie, const clsprojet& projet,
                     const OuvertureProjet& ouverture, const std::string& fichier,
                     const RapportCalcul& rapport) {
    switch (ouverture.issue) {
    case OuvertureProjet::Issue::Ouvert:
        EcrireResultatsJson(sortie, projet, rapport);
        break;
    case OuvertureProjet::Issue::ReglageRefuse:
        EcrireRefusJson(sortie, {projet.Nom, projet.Fichier, projet.Meteo->station()}, projet,
                        ouverture.refus);
        break;
    default:
        // Nothing of the file was read: the new project it was read into is no answer.
        EcrireRefusJson(sortie, {"", fichier, ""}, projet, ouverture.refus);
    }
}

void EcrireBalayageJson(std::ostream& s, const clsprojet& projet, const Balayage& b) {
    s << "{\n  \"projet\": " << ChaineJson(projet.Nom)
      << ",\n  \"fichier\": " << ChaineJson(projet.Fichier)
      << ",\n  \"station\": " << ChaineJson(projet.Meteo->station())
      << ",\n  \"capteur\": " << ChaineJson(projet.Capteurs->strType())
      << ", \"Ac\": " << SimpleJson(projet.Capteurs->Ac())
      << ",\n  \"seuil_surchauffe\": " << SimpleJson(SeuilSurchauffe) << ",\n  \"nombres\": [";
    for (std::size_t n = 0; n < b.grille.nombres.size(); ++n)
        s << (n ? ", " : "") << b.grille.nombres[n];
    s << "],\n  \"ballons\": [";
    for (std::size_t j = 0; j < b.grille.ballons.size(); ++j) {
        const BallonBalayage& t = b.grille.ballons[j];
        s << (j ? "," : "") << "\n    {\"nom\": " << ChaineJson(t.nom)
          << ", \"Vn\": " << SimpleJson(t.Vn) << ", \"Vs\": " << SimpleJson(t.Vs)
          << ", \"cr\": " << SimpleJson(t.cr) << ", \"projet\": " << (t.projet ? "true" : "false")
          << '}';
    }
    s << "],\n  \"point_projet\": " << b.projet << ",\n  \"points\": [\n";
    for (std::size_t i = 0; i < b.points.size(); ++i) {
        EcrirePointJson(s, b, i);
        s << (i + 1 < b.points.size() ? ",\n" : "\n");
    }
    s << "  ],\n";
    EcrireMessages(s, b.rapportProjet);
    s << "\n}\n";
}

std::string ReglesJson() {
    std::string texte = "[";
    bool premiere = true;
    for (const RegleSaisie& r : ReglesSaisie()) {
        const auto chaine = [](std::string_view v) { return ChaineJson(std::string(v)); };
        texte += (premiere ? "\n  {" : ",\n  {");
        premiere = false;
        texte += "\"nom\": " + ChaineJson(r.Nom()) + ", \"section\": " + chaine(r.section) +
                 ", \"cle\": " + chaine(r.cle) + ", \"libelle\": " + chaine(r.libelle) +
                 ", \"unite\": " + chaine(r.unite) + ", \"genre\": " + ChaineJson(Genre(r.genre)) +
                 ", \"bornes\": ";
        texte += r.bornes ? "{\"minimum\": " + EcrireCourt(r.bornes->minimum) +
                                ", \"maximum\": " + EcrireCourt(r.bornes->maximum) + "}"
                          : "null";
        texte += ", \"decimales\": " + std::to_string(DecimalesAffichees(r)) +
                 ", \"partie\": " + ChaineJson(PartieFenetre(r)) +
                 ", \"facultative\": " + (r.facultative ? "true" : "false") +
                 ", \"admises\": " + ChaineJson(ValeursAdmises(r)) + "}";
    }
    return texte + "\n]\n";
}
