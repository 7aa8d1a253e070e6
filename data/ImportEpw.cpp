#include "data/ImportEpw.h"

#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modEauFroide.h"
#include "data/modStations.h"
#include "data/modTexte.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

// An hourly EPW year is about 1.6 MB; anything much larger is not one.
constexpr std::uintmax_t TailleMaximale = 64u << 20;

// Fields of an hourly record (1-based, as the format numbers them).
constexpr std::size_t ChampMois = 2, ChampJour = 3, ChampHeure = 4;
constexpr std::size_t ChampTemperature = 7, ChampRayonnement = 14;
// Records have 35 fields; files written before the last three were added have 32.
constexpr std::size_t ChampsMinimum = 32, ChampsMaximum = 35;

const char* const NomsMois[13] = {"",        "janvier",  "février", "mars", "avril",
                                  "mai",     "juin",     "juillet", "août", "septembre",
                                  "octobre", "novembre", "décembre"};

std::string_view SansEspaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Decouper(std::string_view texte, char separateur) {
    std::vector<std::string_view> parties;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find(separateur, debut);
        parties.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string_view::npos)
            return parties;
        debut = fin + 1;
    }
}

bool LireNombre(std::string_view texte, double& valeur) {
    texte = SansEspaces(texte);
    if (!texte.empty() && texte.front() == '+')
        texte.remove_prefix(1);
    const char* fin = texte.data() + texte.size();
    const auto [p, ec] = std::from_chars(texte.data(), fin, valeur);
    return !texte.empty() && ec == std::errc() && p == fin && std::isfinite(valeur);
}

bool LireEntier(std::string_view texte, int& valeur) {
    texte = SansEspaces(texte);
    const char* fin = texte.data() + texte.size();
    const auto [p, ec] = std::from_chars(texte.data(), fin, valeur);
    return !texte.empty() && ec == std::errc() && p == fin;
}

bool CommencePar(std::string_view ligne, std::string_view motCle) {
    ligne = SansEspaces(ligne);
    return ligne.size() >= motCle.size() && EgalSansCasse(ligne.substr(0, motCle.size()), motCle);
}

// The hour an hourly record stands for; hour h covers (h-1, h].
struct Instant {
    int mois = 1, jour = 1, heure = 1;
    bool operator==(const Instant&) const = default;
};

int JoursDuMois(int mois, bool bissextile) {
    static const int jours[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 && bissextile ? 29 : jours[mois];
}

Instant Suivant(Instant t, bool bissextile) {
    if (++t.heure <= 24)
        return t;
    t.heure = 1;
    if (++t.jour <= JoursDuMois(t.mois, bissextile))
        return t;
    t.jour = 1;
    ++t.mois; // 13 once the year is complete
    return t;
}

std::string TexteInstant(const Instant& t) {
    return "du " + std::to_string(t.jour) + "/" + std::to_string(t.mois) + " à " +
           std::to_string(t.heure) + " h";
}

// Sums per month and hour of the day, so that a missing hour is filled with the mean
// of the same hour on the month's other days rather than biasing the month.
struct Cumul {
    double somme[13][25] = {};
    int nombre[13][25] = {};

    void Ajouter(const Instant& t, double valeur) {
        somme[t.mois][t.heure] += valeur;
        ++nombre[t.mois][t.heure];
    }
};

class LecteurEpw {
public:
    // CR LF or LF line ends (the file reader turns lone CRs into CR LF).
    LecteurEpw(std::string_view texte, const std::string& chemin)
        : chemin_(chemin), lignes_(Decouper(texte, '\n')) {
        for (std::string_view& l : lignes_) {
            if (!l.empty() && l.back() == '\r')
                l.remove_suffix(1);
        }
    }

    StationEpw Lire() {
        StationEpw s;
        LireLocation(s);
        LireEnregistrements(s, LigneDesPeriodes() + 1);
        for (int m = 1; m <= 12; ++m) {
            s.Gh[m] = static_cast<float>(SommeDesMoyennes(rayonnement_, m, "rayonnement") / 1000.0);
            s.Text[m] = static_cast<float>(SommeDesMoyennes(temperature_, m, "température") / 24.0);
        }
        s.Tef = TemperaturesEauFroide(s.Text);
        s.zone = ZoneDeClasseMer(s.classeMer);
        return s;
    }

private:
    [[noreturn]] void Echec(std::size_t indice, const std::string& raison) const {
        throw ErreurFichier("Fichier météo « " + chemin_ + " », ligne " +
                            std::to_string(indice + 1) + " : " + raison + ".");
    }

    double Valeur(const std::vector<std::string_view>& champs, std::size_t numero, const char* quoi,
                  std::size_t indice, double minimum = -HUGE_VAL, double maximum = HUGE_VAL) const {
        double v = 0;
        if (!LireNombre(champs[numero - 1], v) || v < minimum || v > maximum)
            Echec(indice, std::string(quoi) + " « " + SousTexte(champs[numero - 1], 0, 30) +
                              " » illisible (champ " + std::to_string(numero) + ")");
        return v;
    }

    void LireLocation(StationEpw& s) const {
        if (!CommencePar(lignes_[0], "LOCATION"))
            Echec(0, "un fichier météo EPW commence par la ligne « LOCATION », qui manque ici");
        const auto champs = Decouper(lignes_[0], ',');
        if (champs.size() < 10)
            Echec(0, "la ligne LOCATION a " + std::to_string(champs.size()) +
                         " champs ; 10 sont attendus (ville, région, pays, source, numéro OMM, "
                         "latitude, longitude, fuseau horaire, altitude)");
        s.nom = NomStationEpw(std::string(champs[1]));
        if (s.nom.find_first_not_of(" -'()/.,") == std::string::npos)
            s.nom = NomStationEpw(std::filesystem::path(chemin_).stem().string());
        s.source = Rogner(champs[4]);
        s.wmo = Rogner(champs[5]);
        s.latitude = static_cast<float>(Valeur(champs, 7, "latitude", 0, -90, 90));
        s.longitude = static_cast<float>(Valeur(champs, 8, "longitude", 0, -180, 180));
        Valeur(champs, 9, "fuseau horaire", 0, -12, 14);
        s.altitude = static_cast<float>(Valeur(champs, 10, "altitude", 0, -500, 9000));
        s.hemisphere = s.latitude < 0 ? "S" : "N";
    }

    // The header ends with the DATA PERIODS line (the eighth line of a standard file);
    // only one record per hour is read.
    std::size_t LigneDesPeriodes() const {
        std::size_t i = 1;
        for (; i < lignes_.size() && !CommencePar(lignes_[i], "DATA PERIODS"); ++i) {
            const std::string_view l = SansEspaces(lignes_[i]);
            if (!l.empty() && l.front() >= '0' && l.front() <= '9')
                Echec(i, "enregistrement horaire avant la ligne « DATA PERIODS » qui termine "
                         "l'en-tête");
        }
        if (i == lignes_.size())
            Echec(i - 1,
                  "le fichier s'arrête sans la ligne « DATA PERIODS » qui termine l'en-tête");
        const auto champs = Decouper(lignes_[i], ',');
        int parHeure = 0;
        if (champs.size() < 3 || !LireEntier(champs[2], parHeure) || parHeure != 1)
            Echec(i, "seuls les fichiers horaires (un enregistrement par heure) sont acceptés");
        return i;
    }

    void LireEnregistrements(StationEpw& s, std::size_t premiere) {
        Instant attendu;
        bool bissextile = false;
        std::size_t derniere = premiere - 1;
        for (std::size_t i = premiere; i < lignes_.size(); ++i) {
            if (SansEspaces(lignes_[i]).empty())
                continue;
            if (attendu.mois == 13)
                Echec(i, "enregistrement au-delà du 31/12 à 24 h");
            const auto champs = Decouper(lignes_[i], ',');
            const Instant t = LireInstant(champs, i);
            if (!(t == attendu)) {
                if (!(attendu == Instant{3, 1, 1} && t == Instant{2, 29, 1}))
                    Echec(i, "enregistrement " + TexteInstant(t) + " trouvé, celui " +
                                 TexteInstant(attendu) + " était attendu");
                bissextile = true;
            }
            LireValeurs(s, champs, t, i);
            attendu = Suivant(t, bissextile);
            derniere = i;
            ++s.heures;
        }
        if (attendu.mois != 13)
            Echec(derniere, "le fichier s'arrête après " + std::to_string(s.heures) +
                                " enregistrements horaires ; une année complète de 8760 heures "
                                "(8784 en année bissextile) est attendue");
    }

    Instant LireInstant(const std::vector<std::string_view>& champs, std::size_t i) const {
        if (champs.size() < ChampsMinimum || champs.size() > ChampsMaximum)
            Echec(i, std::to_string(champs.size()) + " champs au lieu de 35 dans un "
                                                     "enregistrement horaire");
        Instant t;
        if (!LireEntier(champs[ChampMois - 1], t.mois) ||
            !LireEntier(champs[ChampJour - 1], t.jour) ||
            !LireEntier(champs[ChampHeure - 1], t.heure))
            Echec(i, "date « " + SousTexte(champs[ChampJour - 1], 0, 12) + "/" +
                         SousTexte(champs[ChampMois - 1], 0, 12) + " " +
                         SousTexte(champs[ChampHeure - 1], 0, 12) +
                         " h » illisible (champs 2 à 4)");
        return t;
    }

    // The format's missing-value codes (99.9 °C, 9999 Wh/m²) and values outside its
    // ranges count as missing; text that is not a number is an error.
    void LireValeurs(StationEpw& s, const std::vector<std::string_view>& champs, const Instant& t,
                     std::size_t i) {
        const double temperature = Valeur(champs, ChampTemperature, "température sèche", i);
        const double rayonnement = Valeur(champs, ChampRayonnement, "rayonnement global", i);
        if (temperature > -70 && temperature < 70)
            temperature_.Ajouter(t, temperature);
        else
            ++s.manquantesText;
        if (rayonnement >= 0 && rayonnement < 9999)
            rayonnement_.Ajouter(t, rayonnement);
        else
            ++s.manquantesGh;
    }

    double SommeDesMoyennes(const Cumul& c, int mois, const char* quoi) const {
        double somme = 0;
        for (int h = 1; h <= 24; ++h) {
            if (c.nombre[mois][h] == 0)
                throw ErreurFichier("Fichier météo « " + chemin_ + " » : aucune valeur de " + quoi +
                                    " en " + NomsMois[mois] + " à " + std::to_string(h) + " h.");
            somme += c.somme[mois][h] / c.nombre[mois][h];
        }
        return somme;
    }

    std::string chemin_;
    std::vector<std::string_view> lignes_; // into the caller's text
    Cumul rayonnement_, temperature_;
};

// Words written in capitals only ("LYON", "SAINT-ETIENNE") become "Lyon", "Saint-Etienne".
std::string CasseDeNom(const std::string& nom) {
    if (EnMajuscules(nom) != nom)
        return nom;
    const std::string minuscules = EnMinuscules(nom);
    std::string resultat;
    bool debutDeMot = true;
    for (std::size_t i = 0, n = NbCaracteres(minuscules); i < n; ++i) {
        const std::string c = SousTexte(minuscules, i, 1);
        resultat += debutDeMot ? EnMajuscules(c) : c;
        debutDeMot = c == " " || c == "-" || c == "'";
    }
    return resultat;
}

} // namespace

std::string NomStationEpw(const std::string& ville) {
    std::string nom;
    for (std::size_t i = 0; i < ville.size(); ++i) {
        const char c = ville[i];
        const bool joint = c == '.' && i + 1 < ville.size() && ville[i + 1] != ' ';
        if (c == '_' || joint || c == '\t')
            nom += ' ';
        else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F &&
                 std::string_view("#&*\"").find(c) == std::string_view::npos)
            nom += c;
    }
    return RognerFin(SousTexte(CasseDeNom(CompacterEspaces(nom)), 0, 49));
}

StationEpw ImporterEpwTexte(const std::string& texte, const std::string& chemin) {
    return LecteurEpw(texte, chemin).Lire();
}

StationEpw ImporterEpw(const std::string& chemin) {
    std::error_code ec;
    const std::uintmax_t taille = std::filesystem::file_size(chemin, ec);
    if (!ec && taille > TailleMaximale)
        throw ErreurFichier("Le fichier « " + chemin + " » (" + std::to_string(taille >> 20) +
                            " Mo) est trop grand pour une année météo horaire au format EPW.");
    return ImporterEpwTexte(LireFichierTexte(chemin), chemin);
}
