#include "Stations.h"

#include "Csv.h"
#include "data/modEauFroide.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace stations {

int ClasseMer(double distanceKm) {
    if (distanceKm < 1.0)
        return 1;
    if (distanceKm < 5.0)
        return 2;
    if (distanceKm < 10.0)
        return 3;
    return 4;
}

int ClassePopulation(double millions) {
    if (millions < 0.5)
        return 1;
    if (millions < 1.0)
        return 2;
    return 3;
}

namespace {

double Moyenne(const Mois& m) {
    double s = 0;
    for (double v : m)
        s += v;
    return s / 12.0;
}

double ArrondiDixieme(double v) {
    return std::round(v * 10.0) / 10.0;
}
double ArrondiCentieme(double v) {
    return std::round(v * 100.0) / 100.0;
}

// The lagged seasonal term of the cold-water model for month i (0..11).
double Saison(const Mois& tair, std::size_t i, double ta) {
    return (tair[i] + tair[(i + 11) % 12]) / 2.0 - ta;
}

Mois Serie(const TableCsv& t, std::size_t i, const std::string& prefixe) {
    Mois m{};
    for (std::size_t k = 0; k < 12; ++k)
        m[k] = t.Nombre(i, prefixe + std::to_string(k + 1));
    return m;
}

bool Livrable(const std::string& classeLicence) {
    static const std::set<std::string> livrables = {
        "open", "open-public-regulatory", "open-with-ASHRAE-notice", "open-unclear-origin"};
    return livrables.count(classeLicence) > 0;
}

// Departments in the usual order of their numbers: Corsica (2A, 2B) in place of 20.
double RangDepartement(const std::string& code) {
    if (code == "2A")
        return 20.1;
    if (code == "2B")
        return 20.2;
    return std::stod(code);
}

struct Fait {
    std::string nom;
    double distanceMerKm = 0;
    double populationMillions = 0;
    bool utilise = false;
};

std::map<std::string, Fait> LireFaits(const std::string& chemin) {
    const TableCsv t = TableCsv::Lire(chemin);
    std::map<std::string, Fait> faits;
    for (std::size_t i = 0; i < t.NombreLignes(); ++i) {
        Fait f;
        f.nom = t.Champ(i, "nom");
        f.distanceMerKm = t.Nombre(i, "distance_mer_km");
        f.populationMillions = t.Nombre(i, "population_millions");
        if (!faits.emplace(t.Champ(i, "identifiant"), f).second)
            throw std::runtime_error(chemin + " : identifiant en double " +
                                     t.Champ(i, "identifiant"));
    }
    return faits;
}

void AppliquerFaits(Station& s, std::map<std::string, Fait>& faits) {
    const auto f = faits.find(s.identifiant);
    if (f == faits.end())
        throw std::runtime_error("pas de faits pour la station " + s.identifiant);
    f->second.utilise = true;
    if (!f->second.nom.empty())
        s.nom = f->second.nom;
    s.classeMer = ClasseMer(f->second.distanceMerKm);
    s.classePopulation = ClassePopulation(f->second.populationMillions);
}

// The gridded climatology runs on 1961-90 normals; its temperatures are brought to the
// 1994-2008 period of the regulatory typical years by the mean difference at those
// stations, rounded to 0.1 K.
double CalibrerDecalage(const TableCsv& controle, std::ostream& journal) {
    double somme = 0;
    int n = 0;
    journal << "Décalage des températures de la grille (observé - grille, moyenne annuelle) :\n";
    for (std::size_t i = 0; i < controle.NombreLignes(); ++i) {
        if (controle.Champ(i, "licence_class") != "open-public-regulatory")
            continue;
        const double ecart = -controle.Nombre(i, "dT_K_at_station");
        journal << "  " << std::left << std::setw(22) << controle.Champ(i, "id") << std::right
                << std::showpos << std::fixed << std::setprecision(2) << ecart << std::noshowpos
                << " K\n";
        somme += ecart;
        ++n;
    }
    if (n == 0)
        throw std::runtime_error("aucune station réglementaire pour caler le décalage");
    const double decalage = ArrondiDixieme(somme / n);
    journal << "  moyenne " << std::setprecision(3) << somme / n << " K sur " << n
            << " stations ; décalage retenu " << std::setprecision(1) << decalage << " K\n";
    return decalage;
}

struct ModeleEauFroide {
    double a = 0;
    double c = 0;
};

// Least squares of (Tef - Ta) = a + c x over every month of every station that carries
// a regulatory cold-water series, rounded to hundredths.
ModeleEauFroide CalibrerEauFroide(const TableCsv& t, std::ostream& journal) {
    std::vector<std::pair<double, double>> points;
    for (std::size_t i = 0; i < t.NombreLignes(); ++i) {
        if (t.Champ(i, "Tcold_RT2012_1").empty())
            continue;
        const Mois tair = Serie(t, i, "Tair_");
        const Mois tef = Serie(t, i, "Tcold_RT2012_");
        const double ta = Moyenne(tair);
        for (std::size_t k = 0; k < 12; ++k)
            points.emplace_back(Saison(tair, k, ta), tef[k] - ta);
    }
    if (points.size() < 24)
        throw std::runtime_error("trop peu de séries d'eau froide pour caler le modèle");
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const auto& [x, y] : points) {
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double n = static_cast<double>(points.size());
    ModeleEauFroide m;
    m.c = ArrondiCentieme((n * sxy - sx * sy) / (n * sxx - sx * sx));
    m.a = ArrondiCentieme((sy - m.c * sx) / n);
    journal << "Eau froide : Tef = Ta + " << std::fixed << std::setprecision(2) << m.a << " + "
            << m.c << " x ((T(m) + T(m-1))/2 - Ta), calé sur " << points.size() << " mois\n";
    return m;
}

// The program applies fixed coefficients; a change of the regulatory series that moves
// the fit must be carried into the program, not only into the station files.
void VerifierCalage(const ModeleEauFroide& m) {
    if (std::abs(m.a - EauFroideEcart) > 1e-9 || std::abs(m.c - EauFroideAmortissement) > 1e-9) {
        std::ostringstream texte;
        texte << std::fixed << std::setprecision(2) << "le calage de l'eau froide (a = " << m.a
              << ", c = " << m.c << ") diffère des coefficients du programme (data/modEauFroide.h)";
        throw std::runtime_error(texte.str());
    }
}

void JournalResidus(const TableCsv& t, std::ostream& journal) {
    double s2 = 0, maximum = 0;
    int n = 0;
    for (std::size_t i = 0; i < t.NombreLignes(); ++i) {
        if (t.Champ(i, "Tcold_RT2012_1").empty())
            continue;
        const Mois modele = EauFroide(Serie(t, i, "Tair_"));
        const Mois mesure = Serie(t, i, "Tcold_RT2012_");
        double biais = 0, q = 0;
        for (std::size_t k = 0; k < 12; ++k) {
            const double r = modele[k] - mesure[k];
            biais += r / 12.0;
            q += r * r / 12.0;
            s2 += r * r;
            maximum = std::max(maximum, std::abs(r));
            ++n;
        }
        journal << "  " << std::left << std::setw(22) << t.Champ(i, "id") << std::right << " biais "
                << std::showpos << std::setprecision(2) << biais << std::noshowpos
                << " K, écart quadratique " << std::sqrt(q) << " K\n";
    }
    journal << "  ensemble : écart quadratique " << std::sqrt(s2 / n) << " K, écart maximal "
            << maximum << " K\n";
}

std::vector<Departement> LireDepartements(const TableCsv& t, const std::string& cheminVoisins) {
    std::vector<Departement> deps;
    for (std::size_t i = 0; i < t.NombreLignes(); ++i) {
        Departement d;
        d.code = t.Champ(i, "dept_code");
        d.nom = t.Champ(i, "dept_name");
        d.outremer = d.code.size() == 3;
        deps.push_back(d);
    }
    std::stable_sort(deps.begin(), deps.end(), [](const Departement& a, const Departement& b) {
        return RangDepartement(a.code) < RangDepartement(b.code);
    });
    const TableCsv v = TableCsv::Lire(cheminVoisins);
    for (std::size_t i = 0; i < v.NombreLignes(); ++i) {
        const auto d = std::find_if(deps.begin(), deps.end(), [&](const Departement& x) {
            return x.code == v.Champ(i, "departement");
        });
        if (d == deps.end())
            throw std::runtime_error("voisinage : département inconnu " +
                                     v.Champ(i, "departement"));
        d->voisins.push_back(v.Champ(i, "voisin"));
    }
    return deps;
}

Station StationReference(const TableCsv& t, std::size_t i, double decalage) {
    Station s;
    s.departement = t.Champ(i, "dept_code");
    s.identifiant = "PREF-" + s.departement;
    s.nom = t.Champ(i, "prefecture");
    s.latitude = t.Nombre(i, "latitude");
    s.altitude = t.Nombre(i, "altitude_m");
    s.gh = Serie(t, i, "Gh_");
    s.tair = Serie(t, i, "Tair_");
    for (double& v : s.tair)
        v += decalage;
    s.tef = EauFroide(s.tair);
    return s;
}

Station StationMesuree(const TableCsv& t, std::size_t i) {
    Station s;
    s.identifiant = t.Champ(i, "id");
    s.departement = t.Champ(i, "department_code");
    s.nom = t.Champ(i, "name");
    s.latitude = t.Nombre(i, "latitude");
    s.altitude = t.Nombre(i, "altitude_m");
    s.gh = Serie(t, i, "Gh_");
    s.tair = Serie(t, i, "Tair_");
    s.tef = t.Champ(i, "Tcold_RT2012_1").empty() ? EauFroide(s.tair) : Serie(t, i, "Tcold_RT2012_");
    return s;
}

void VerifierVoisins(const std::vector<Departement>& deps, const std::vector<Station>& liste) {
    for (const Departement& d : deps) {
        for (const std::string& v : d.voisins) {
            const bool mesure = std::any_of(liste.begin(), liste.end(), [&](const Station& s) {
                return s.departement == v && s.identifiant.rfind("PREF-", 0) != 0;
            });
            if (!mesure)
                throw std::runtime_error("voisinage " + d.code + " -> " + v +
                                         " : le voisin n'a pas de station mesurée");
        }
    }
}

// User slots: editable copies of the Rhône reference station, so that a project run on
// a slot not yet edited still computes.
void AjouterStationsUtilisateur(Referentiel& r) {
    const auto modele = std::find_if(r.stations.begin(), r.stations.end(),
                                     [](const Station& s) { return s.identifiant == "PREF-69"; });
    if (modele == r.stations.end())
        throw std::runtime_error("pas de station de référence pour le Rhône");
    const Station copie = *modele;
    for (int k = 1; k <= NombreStationsUtilisateur; ++k) {
        Station s = copie;
        s.identifiant = "UTIL-" + std::to_string(k);
        s.nom = "Station utilisateur " + std::to_string(k) + "*";
        s.departement.clear();
        r.stations.push_back(s);
    }
}

} // namespace

Mois EauFroide(const Mois& tair) {
    std::array<float, 13> text{};
    for (std::size_t k = 0; k < 12; ++k)
        text[k + 1] = static_cast<float>(tair[k]);
    const std::array<float, 13> tef = TemperaturesEauFroide(text);
    Mois m{};
    for (std::size_t k = 0; k < 12; ++k)
        m[k] = tef[k + 1];
    return m;
}

Referentiel Construire(const std::string& dossierClimat, const std::string& dossierFaits,
                       std::ostream& journal) {
    namespace fs = std::filesystem;
    const fs::path climat = dossierClimat;
    const fs::path faitsDir = dossierFaits;
    const TableCsv deps = TableCsv::Lire((climat / "departments_monthly.csv").string());
    const TableCsv mesures = TableCsv::Lire((climat / "stations_monthly.csv").string());
    const TableCsv controle =
        TableCsv::Lire((climat / "grid" / "crosscheck_stations.csv").string());
    auto faits = LireFaits((faitsDir / "faits_stations.csv").string());

    const double decalage = CalibrerDecalage(controle, journal);
    VerifierCalage(CalibrerEauFroide(mesures, journal));
    JournalResidus(mesures, journal);

    Referentiel r;
    r.departements = LireDepartements(deps, (faitsDir / "voisinages.csv").string());
    for (const Departement& d : r.departements) {
        for (std::size_t i = 0; i < deps.NombreLignes(); ++i) {
            if (deps.Champ(i, "dept_code") == d.code)
                r.stations.push_back(StationReference(deps, i, decalage));
        }
        for (std::size_t i = 0; i < mesures.NombreLignes(); ++i) {
            if (mesures.Champ(i, "department_code") == d.code &&
                Livrable(mesures.Champ(i, "licence_class")))
                r.stations.push_back(StationMesuree(mesures, i));
        }
    }
    for (Station& s : r.stations)
        AppliquerFaits(s, faits);
    for (const auto& [id, f] : faits) {
        if (!f.utilise)
            throw std::runtime_error("faits pour une station non livrée : " + id);
    }
    VerifierVoisins(r.departements, r.stations);

    AjouterStationsUtilisateur(r);
    return r;
}

} // namespace stations
