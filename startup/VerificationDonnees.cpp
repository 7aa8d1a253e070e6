#include "startup/VerificationDonnees.h"

#include "common/Chemins.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modStations.h"
#include "data/modTexte.h"
#include "engine/modCalculMeteo.h"
#include "engine/modSoleil.h"
#include "project/DonneesEconomie.h"

#include <cmath>
#include <optional>
#include <set>
#include <string_view>

namespace {
constexpr int LignesParStation = 5; // Latitude, Zone, D1, D2, D3
constexpr std::size_t DefautsAffiches = 10;
constexpr std::size_t LongueurMessageMax = 1000;

// A table of the data folder: how many numbers a look-up reads before each line's "#"
// (-1: the station lines of Stati_Fr), whether its names fill a choice list, and which
// of its numbers go to 16-bit integers (bit n-1 for the n-th).
struct TableVerifiee {
    const char* chemin;
    int nombres;
    bool liste;
    unsigned entiers = 0;
};

const TableVerifiee kTables[] = {
    {fichier::Pays, 0, true},
    {fichier::Departements, 0, false},
    {fichier::Villes, 0, false},
    {fichier::Stations, -1, false},
    {fichier::Stations2, 3, false, 0b110}, // distance and town classes
    {fichier::Capteurs, 4, true, 0b1000},  // collector type code
    {fichier::CategorieCapteurs, 4, true, 0b1000},
    {fichier::Inclinaisons, 1, true},
    {fichier::ChauffeEau, 4, true},
    {fichier::Ballons, 3, true},
    {fichier::Situations, 1, true},
    {fichier::Alim, 1, false},
    {fichier::ISBallon, 1, false},
    {fichier::ISTuyaux, 1, true},
    {fichier::Echange, 1, true, 0b1}, // Kech_Type
    {fichier::OrientationsNord, 1, true},
    {fichier::OrientationsSud, 1, true},
};

// The monthly series of the Soleil folder and the values that keep the method
// meaningful: an irradiance and a factor on it not negative, a declination an angle
// of latitude, a month of 1 to 31 days (fewer than none would be negative needs).
const struct {
    const char* nom;
    double minimum, maximum;
} SeriesSoleil[] = {{"Cs.Don", 0, HUGE_VAL},
                    {"alphaG.don", 0, HUGE_VAL},
                    {"delta.don", -90, 90},
                    {"Nj.don", 1, 31}};

bool EstNombre(std::string mot) {
    for (char& c : mot) {
        if (c == '.')
            c = ',';
    }
    return EstNumerique(mot);
}

// "" when the text holds the n values that a look-up reads, else what is wrong. A
// look-up reads a missing value as 0, so a short line passes when it holds at least
// one value; a value present must be a number, and fit its field.
std::string Valeurs(const std::string& texte, int n, unsigned entiers) {
    std::string reste = texte;
    for (int i = 1; i <= n; ++i) {
        const std::string mot = LireMot(reste, " ");
        if (mot.empty() && i == 1)
            return "aucune valeur avant « # »";
        if (!mot.empty() && !EstNombre(mot))
            return "la valeur " + Citer(mot) + " n'est pas un nombre";
        try {
            if (!mot.empty() && (entiers >> (i - 1) & 1u))
                VersEntier16(ConvertirNombre(mot));
        } catch (const ErreurExecution&) {
            return "la valeur " + Citer(mot) + " ne tient pas dans un entier (-32768 à 32767)";
        }
    }
    return {};
}

// "" when the text holds twelve monthly numbers.
std::string DouzeNombres(const std::string& texte) {
    std::string reste = texte;
    for (int i = 1; i <= 12; ++i) {
        const std::string mot = LireMot(reste, " ");
        if (mot.empty())
            return "12 valeurs mensuelles attendues, " + std::to_string(i - 1) + " trouvées";
        if (!EstNombre(mot))
            return "la valeur " + Citer(mot) + " n'est pas un nombre";
    }
    return {};
}

class Verification {
public:
    std::vector<std::string> defauts;

    void Defaut(const std::string& chemin, int ligne, const std::string& raison) {
        defauts.push_back("Fichier " + CiterChemin(chemin) +
                          (ligne > 0 ? ", ligne " + std::to_string(ligne) : "") + " : " + raison +
                          ".");
    }

    // Messages reach the screen as they are written: no control character (a terminal
    // would obey it), and none longer than a message box can show.
    void Messages() {
        const std::string chemin = CheminInstall("\\MESSAGES.TXT");
        const auto texte = Lire(chemin);
        std::string_view reste = texte ? *texte : std::string_view();
        if (texte && !LireLigneVue(reste).starts_with("#"))
            return Defaut(chemin, 1, "un fichier de messages commence par un en-tête « #nnn »");
        std::size_t longueur = 0;
        for (int numero = 2; !reste.empty(); ++numero) {
            const std::string_view ligne = LireLigneVue(reste);
            longueur = ligne.starts_with("#") ? 0 : longueur + NbCaracteres(ligne) + 1;
            if (Echapper(ligne, std::string::npos - 1) != ligne)
                return Defaut(chemin, numero, "caractère de contrôle " + Citer(ligne));
            if (longueur > LongueurMessageMax)
                return Defaut(chemin, numero,
                              "un message compte au plus " + std::to_string(LongueurMessageMax) +
                                  " caractères");
        }
    }

    void Table(const TableVerifiee& t) {
        const std::string chemin = CheminInstall(t.chemin);
        const auto texte = Lire(chemin);
        if (!texte)
            return;
        std::string_view reste = *texte;
        LireLigneVue(reste);
        LireLigneVue(reste);
        int entrees = 0;
        station_ = {};
        for (int numero = 3; !reste.empty(); ++numero) {
            const std::string_view ligne = LireLigneVue(reste);
            if (ligne.empty())
                continue;
            const std::size_t diese = ligne.find('#');
            if (diese == std::string_view::npos)
                return Defaut(chemin, numero, "ligne sans « # » entre les valeurs et le nom");
            ++entrees;
            const std::string avant = Rogner(ligne.substr(0, diese));
            int ligneDefaut = numero;
            const std::string raison =
                t.nombres >= 0 ? Valeurs(avant, t.nombres, t.entiers)
                               : LigneStation(avant, ligne.substr(diese + 1), ligneDefaut);
            if (!raison.empty())
                return Defaut(chemin, ligneDefaut, raison);
        }
        if (entrees == 0)
            return Defaut(chemin, 0, "aucune ligne de données après les deux lignes d'en-tête");
        if (t.nombres < 0 && station_.lignes != LignesParStation)
            return Defaut(chemin, station_.debut, RaisonTailleStation());
        if (t.liste && entrees > LibelleItemMax + 1)
            Defaut(chemin, 0,
                   std::to_string(entrees) + " entrées, et une liste de choix en compte au plus " +
                       std::to_string(LibelleItemMax + 1));
    }

    // Every department of every country and every station of every department fit
    // their lists, and every station offered is in the station collection.
    void Cascade() {
        const ListeLibelles departements = Libelles[1], stations = Libelles[2];
        std::set<std::string> vus;
        try {
            for (std::size_t i = 1; i < TablePays.size(); ++i)
                RemplirDepartements(RognerFin(TablePays[i].Commentaire));
            for (std::size_t i = 1; i < TableDepartements.size(); ++i) {
                if (vus.insert(TableDepartements[i].Commentaire).second)
                    RemplirStations(TableDepartements[i].Commentaire);
            }
        } catch (const ErreurExecution& e) {
            defauts.push_back(e.what());
        }
        Libelles[1] = departements;
        Libelles[2] = stations;
        for (std::size_t i = 1; i < TableVilles.size(); ++i) {
            const TableLigne& e = TableVilles[i];
            if (e.Texte.find('&') == std::string::npos && !Stations.Contient(e.Texte))
                return Defaut(TableVilles[0].Commentaire, 0,
                              "la station " + Citer(e.Texte) + " (département " +
                                  Citer(e.Commentaire) + ") n'est pas dans Stati_Fr.TXT");
        }
    }

    void Soleil() {
        for (const auto& [nom, minimum, maximum] : SeriesSoleil) {
            if (const SerieSoleil* s = Ouvrir(nom, LireSerieSoleil))
                Rangees(TrouverFichierSoleil(nom).chemin, {&s->ligne}, minimum, maximum);
        }
        if (const MatriceAlpha* m = Ouvrir("MatAlpha.don", LireMatriceAlpha)) {
            std::vector<const ValeursLues*> rangees;
            for (const auto& latitude : m->rangees)
                for (const auto& r : latitude)
                    rangees.push_back(&r);
            Rangees(TrouverFichierSoleil("MatAlpha.don").chemin, rangees);
        }
        for (int bande : BandesDesStations()) {
            for (const char* plan : {"_30.don", "_60.don"}) {
                const std::string nom = "G_" + std::to_string(bande) + plan;
                if (const FichierG* g = Ouvrir(nom, LireFichierG)) {
                    std::vector<const ValeursLues*> rangees;
                    for (const auto& bloc : g->blocs)
                        for (std::size_t r = 1; r < bloc.size(); ++r)
                            rangees.push_back(&bloc[r]);
                    Rangees(TrouverFichierSoleil(nom).chemin, rangees);
                }
            }
        }
    }

private:
    struct GroupeStation {
        std::string nom;
        int lignes = 0;
        int debut = 0;
    };
    GroupeStation station_;

    // The file's text; nullopt, after its fault, when it cannot be read or is empty.
    std::optional<std::string> Lire(const std::string& chemin) {
        try {
            std::string texte = LireFichierTexte(chemin, GenreFichier::Donnees);
            if (texte.find_first_not_of(" \r\n") != std::string::npos)
                return texte;
            Defaut(chemin, 0, "le fichier est vide");
        } catch (const ErreurFichier& e) {
            defauts.push_back(e.what());
        }
        return std::nullopt;
    }

    std::string RaisonTailleStation() const {
        return "la station " + Citer(station_.nom) + " a " + std::to_string(station_.lignes) +
               " lignes au lieu de " + std::to_string(LignesParStation) +
               " (latitude, zone, D1, D2, D3)";
    }

    // Line n of a station (from 0): latitude ("45,7°N"), zone, then three series of
    // twelve monthly values. A station of the wrong length is named at its first line.
    std::string LigneStation(const std::string& avant, std::string_view nom, int& numero) {
        if (station_.lignes > 0 && nom != station_.nom) {
            if (station_.lignes != LignesParStation) {
                numero = station_.debut;
                return RaisonTailleStation();
            }
            station_ = {};
        }
        if (station_.lignes == 0)
            station_ = {std::string(nom), 0, numero};
        const int colonne = station_.lignes++;
        const std::size_t n = NbCaracteres(avant);
        if (colonne == 0 && (n < 3 || !EstNombre(SousTexte(avant, 0, n - 2))))
            return "latitude " + Citer(avant) + " illisible (attendue sous la forme 45,7°N)";
        return colonne >= 2 && colonne < LignesParStation ? DouzeNombres(avant) : "";
    }

    template <class T>
    const T* Ouvrir(const std::string& nom, const T* (*lire)(const FichierSoleil&)) {
        const FichierSoleil f = TrouverFichierSoleil(nom);
        try {
            if (const T* t = lire(f))
                return t;
            LireOctetsFichier(f.chemin, GenreFichier::Donnees); // says why it is not a file
            Defaut(f.chemin, 0, "le fichier est introuvable");
        } catch (const ErreurFichier& e) {
            defauts.push_back(e.what());
        }
        return nullptr;
    }

    void Rangees(const std::string& chemin, const std::vector<const ValeursLues*>& rangees,
                 double minimum = -HUGE_VAL, double maximum = HUGE_VAL) {
        for (const ValeursLues* r : rangees) {
            if (!r->conversions.empty())
                return Defaut(chemin, r->ligne,
                              "la valeur du mois " + std::to_string(r->conversions[0].first) +
                                  " n'est pas un nombre");
            if (r->presentes < 12)
                return Defaut(chemin, r->ligne,
                              "12 valeurs mensuelles attendues, " + std::to_string(r->presentes) +
                                  " trouvées");
            const std::string plage =
                std::isinf(maximum) ? "au moins " + FormatNombre(minimum)
                                    : "de " + FormatNombre(minimum) + " à " + FormatNombre(maximum);
            for (int m = 1; m <= 12; ++m) {
                if (!(r->valeurs[m] >= minimum && r->valeurs[m] <= maximum))
                    return Defaut(chemin, r->ligne,
                                  "la valeur du mois " + std::to_string(m) + " (" +
                                      FormatNombre(r->valeurs[m]) + ") doit être " + plage);
            }
        }
    }

    // The latitude bands of the G_ tables that a calculation on each station reads.
    static std::set<int> BandesDesStations() {
        std::set<int> bandes;
        for (int i = 1; i <= Stations.Count(); ++i) {
            const std::string* latitude = Stations.Item(i).donnees.Chercher("Latitude");
            const std::size_t n = latitude ? NbCaracteres(*latitude) : 0;
            if (n < 3)
                continue;
            const auto valeur = static_cast<float>(ValeurEnTete(SousTexte(*latitude, 0, n - 2)));
            bandes.insert(BandeLatitude(valeur));
            bandes.insert(BandeLatitude(valeur) + 5);
        }
        return bandes;
    }
};
} // namespace

std::vector<std::string> VerifierDossierDonnees() {
    Verification v;
    v.Messages();
    for (const TableVerifiee& t : kTables)
        v.Table(t);
    // The economic tables are read by their own reader, which names the line it stops at.
    for (std::string& defaut : VerifierDonneesEconomie())
        v.defauts.push_back(std::move(defaut));
    v.Cascade();
    v.Soleil();
    return v.defauts;
}

std::string TexteVerification(const std::vector<std::string>& defauts) {
    std::string texte =
        "Le dossier des données " + CiterChemin(InstallDir) + " ne permet pas de calculer :";
    for (std::size_t i = 0; i < defauts.size() && i < DefautsAffiches; ++i)
        texte += "\n- " + defauts[i];
    if (defauts.size() > DefautsAffiches)
        texte += "\n- et " + std::to_string(defauts.size() - DefautsAffiches) + " autres défauts.";
    return texte;
}
