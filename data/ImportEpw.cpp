#include "data/ImportEpw.h"

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"
#include "common/Texte.h"
#include "data/modEauFroide.h"
#include "data/modStations.h"
#include "data/modTexte.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

// An EPW line is a few hundred characters; the header is eight lines.
constexpr std::size_t LongueurLigneMax = 64 * 1024;
constexpr std::size_t LignesEnTeteMax = 100;
// What the air and the sun can give: hourly global horizontal irradiation above the
// solar constant is impossible, and no weather station records air beyond ±60 °C.
constexpr double RayonnementMax = 1400; // Wh/m²
constexpr double TemperatureMin = -60, TemperatureMax = 60;

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

bool LireReel(std::string_view texte, double& valeur) {
    const auto v = LireNombre(SansEspaces(texte));
    if (!v || !std::isfinite(*v))
        return false;
    valeur = *v;
    return true;
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

bool EstBissextile(int annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

// The file is read one line at a time: only the line being read and the sums are kept,
// whatever the size of the file.
class LecteurEpw {
public:
    LecteurEpw(LecteurLignes& lignes, const std::string& chemin)
        : lignes_(lignes), chemin_(chemin) {}

    StationEpw Lire() {
        StationEpw s;
        std::string_view ligne;
        if (!lignes_.Suivante(ligne))
            ligne = {};
        LireLocation(DecoderTexte(ligne), s);
        LireEnTete();
        LireEnregistrements(s);
        for (int m = 1; m <= 12; ++m) {
            s.Gh[m] = static_cast<float>(SommeDesMoyennes(rayonnement_, m, "rayonnement") / 1000.0);
            s.Text[m] = static_cast<float>(SommeDesMoyennes(temperature_, m, "température") / 24.0);
        }
        s.Tef = TemperaturesEauFroide(s.Text);
        s.zone = ZoneDeClasseMer(s.classeMer);
        return s;
    }

private:
    [[noreturn]] void Echec(const std::string& raison) const {
        throw ErreurFichier("Fichier météo " + CiterChemin(chemin_) + ", ligne " +
                            std::to_string(std::max<std::size_t>(lignes_.Numero(), 1)) + " : " +
                            raison + ".");
    }

    double Valeur(const std::vector<std::string_view>& champs, std::size_t numero, const char* quoi,
                  double minimum = -HUGE_VAL, double maximum = HUGE_VAL) const {
        double v = 0;
        if (!LireReel(champs[numero - 1], v) || v < minimum || v > maximum)
            Echec(std::string(quoi) + " " + Citer(champs[numero - 1], 30) + " illisible (champ " +
                  std::to_string(numero) + ")");
        return v;
    }

    void LireLocation(const std::string& ligne, StationEpw& s) const {
        if (!CommencePar(ligne, "LOCATION"))
            Echec("un fichier météo EPW commence par la ligne « LOCATION », qui manque ici");
        const auto champs = Decouper(ligne, ',');
        if (champs.size() < 10)
            Echec("la ligne LOCATION a " + std::to_string(champs.size()) +
                  " champs ; 10 sont attendus (ville, région, pays, source, numéro OMM, "
                  "latitude, longitude, fuseau horaire, altitude)");
        s.nom = NomStationEpw(std::string(champs[1]));
        if (s.nom.find_first_not_of(" -'()/.,") == std::string::npos)
            s.nom = NomStationEpw(std::filesystem::path(chemin_).stem().string());
        s.source = Rogner(champs[4]);
        s.wmo = Rogner(champs[5]);
        s.latitude = static_cast<float>(Valeur(champs, 7, "latitude", -90, 90));
        s.longitude = static_cast<float>(Valeur(champs, 8, "longitude", -180, 180));
        Valeur(champs, 9, "fuseau horaire", -12, 14);
        s.altitude = static_cast<float>(Valeur(champs, 10, "altitude", -500, 9000));
        s.hemisphere = s.latitude < 0 ? "S" : "N";
    }

    // The header ends with the DATA PERIODS line (the eighth line of a standard file);
    // only one record per hour is read.
    void LireEnTete() const {
        std::string_view ligne;
        for (;;) {
            if (!lignes_.Suivante(ligne))
                Echec("le fichier s'arrête sans la ligne « DATA PERIODS » qui termine l'en-tête");
            if (CommencePar(ligne, "DATA PERIODS"))
                break;
            const std::string_view l = SansEspaces(ligne);
            if (!l.empty() && l.front() >= '0' && l.front() <= '9')
                Echec("enregistrement horaire avant la ligne « DATA PERIODS » qui termine "
                      "l'en-tête");
            if (lignes_.Numero() >= LignesEnTeteMax)
                Echec("pas de ligne « DATA PERIODS » dans les " + std::to_string(LignesEnTeteMax) +
                      " premières lignes : ce n'est pas l'en-tête d'un fichier EPW");
        }
        const auto champs = Decouper(ligne, ',');
        int parHeure = 0;
        if (champs.size() < 3 || !LireEntier(champs[2], parHeure) || parHeure != 1)
            Echec("seuls les fichiers horaires (un enregistrement par heure) sont acceptés");
    }

    void LireEnregistrements(StationEpw& s) {
        Instant attendu;
        bool bissextile = false;
        std::string_view ligne;
        while (lignes_.Suivante(ligne)) {
            if (SansEspaces(ligne).empty())
                continue;
            if (attendu.mois == 13)
                Echec("enregistrement au-delà du 31/12 à 24 h");
            const auto champs = Decouper(ligne, ',');
            const Instant t = LireInstant(champs);
            if (!(t == attendu)) {
                // One 29 February, between the 28th and the 1st of March.
                if (bissextile || !(attendu == Instant{3, 1, 1} && t == Instant{2, 29, 1}))
                    Echec("enregistrement " + TexteInstant(t) + " trouvé, celui " +
                          TexteInstant(attendu) + " était attendu");
                VerifierAnneeBissextile(champs);
                bissextile = true;
            }
            LireValeurs(s, champs, t);
            attendu = Suivant(t, bissextile);
            ++s.heures;
        }
        if (attendu.mois != 13)
            Echec("le fichier s'arrête après " + std::to_string(s.heures) +
                  " enregistrements horaires ; une année complète de 8760 heures "
                  "(8784 en année bissextile) est attendue");
    }

    void VerifierAnneeBissextile(const std::vector<std::string_view>& champs) const {
        int annee = 0;
        if (!LireEntier(champs[0], annee))
            Echec("année " + Citer(champs[0], 12) + " illisible pour un 29 février (champ 1)");
        if (!EstBissextile(annee))
            Echec("29 février d'une année qui n'est pas bissextile (" + std::to_string(annee) +
                  ")");
    }

    Instant LireInstant(const std::vector<std::string_view>& champs) const {
        if (champs.size() < ChampsMinimum || champs.size() > ChampsMaximum)
            Echec(std::to_string(champs.size()) + " champs au lieu de 35 dans un "
                                                  "enregistrement horaire");
        Instant t;
        if (!LireEntier(champs[ChampMois - 1], t.mois) ||
            !LireEntier(champs[ChampJour - 1], t.jour) ||
            !LireEntier(champs[ChampHeure - 1], t.heure))
            Echec("date « " + Echapper(champs[ChampJour - 1], 12) + "/" +
                  Echapper(champs[ChampMois - 1], 12) + " " + Echapper(champs[ChampHeure - 1], 12) +
                  " h » illisible (champs 2 à 4)");
        return t;
    }

    // The format's missing-value codes (99.9 °C, 9999 Wh/m²) and values beyond what
    // the air or the sun can give count as missing: an hour of 9998 Wh/m² or of 69.9 °C
    // is a damaged record, not weather. Text that is not a number is an error.
    void LireValeurs(StationEpw& s, const std::vector<std::string_view>& champs, const Instant& t) {
        const double temperature = Valeur(champs, ChampTemperature, "température sèche");
        const double rayonnement = Valeur(champs, ChampRayonnement, "rayonnement global");
        if (temperature >= TemperatureMin && temperature <= TemperatureMax)
            temperature_.Ajouter(t, temperature);
        else
            ++s.manquantesText;
        if (rayonnement >= 0 && rayonnement <= RayonnementMax)
            rayonnement_.Ajouter(t, rayonnement);
        else
            ++s.manquantesGh;
    }

    double SommeDesMoyennes(const Cumul& c, int mois, const char* quoi) const {
        double somme = 0;
        for (int h = 1; h <= 24; ++h) {
            if (c.nombre[mois][h] == 0)
                throw ErreurFichier("Fichier météo " + CiterChemin(chemin_) +
                                    " : aucune valeur de " + quoi + " en " + NomsMois[mois] +
                                    " à " + std::to_string(h) + " h.");
            somme += c.somme[mois][h] / c.nombre[mois][h];
        }
        return somme;
    }

    LecteurLignes& lignes_;
    std::string chemin_;
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
    LecteurLignes lignes(texte, chemin, LongueurLigneMax);
    return LecteurEpw(lignes, chemin).Lire();
}

StationEpw ImporterEpw(const std::string& chemin) {
    LecteurLignes lignes(chemin, GenreFichier::Meteo, LongueurLigneMax);
    return LecteurEpw(lignes, chemin).Lire();
}
