// The stations of the real reference data folder: every one parses, every department
// offers some, the look-ups by name find the right one, and each reproduces the climate
// table it was generated from.

#include "ReferenceOutils.h"
#include "common/Texte.h"
#include "data/modTables.h"
#include "data/modTexte.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace reference;

namespace {

// Documented in the data README: grid temperatures + 0.7 K, and the cold-water model
// Tef = Ta + 0.91 + 0.81 ((T(m) + T(m-1)) / 2 - Ta).
constexpr double DecalageGrille = 0.7;
constexpr double EauFroideA = 0.91;
constexpr double EauFroideC = 0.81;

struct StationLue {
    std::vector<std::string> valeurs; // the five column texts
    double latitude = 0;
    std::string hemisphere;
    std::array<float, 13> gh{}, text{}, tef{};
};

Table Charger(const std::string& relatif) {
    Table t;
    LireTable(Dossier() + relatif, t);
    return t;
}

int NombreMots(const std::string& texte) {
    std::string reste = texte;
    int n = 0;
    while (!LireMot(reste, " ").empty())
        ++n;
    return n;
}

// The station collection as the system builds it: every line with "#", grouped by the
// untrimmed name after it while the name stays the same.
std::map<std::string, StationLue> LireStations() {
    std::map<std::string, StationLue> stations;
    std::string precedent;
    for (const std::string& brute : Lignes(Dossier() + "/Pays/Stati_Fr.TXT")) {
        const std::string ligne = Rogner(brute);
        const std::size_t p = ligne.find('#');
        if (p == std::string::npos)
            continue;
        const std::string nom = ligne.substr(p + 1);
        if (nom != precedent && stations.count(nom))
            ADD_FAILURE() << nom << " appears in two separate groups";
        precedent = nom;
        stations[nom].valeurs.push_back(Rogner(ligne.substr(0, p)));
    }
    for (auto& [nom, s] : stations) {
        if (s.valeurs.size() != 5)
            continue;
        const std::string& lat = s.valeurs[0];
        s.latitude = ConvertirNombre(SousTexte(lat, 0, NbCaracteres(lat) - 2));
        s.hemisphere = lat.find('N') != std::string::npos ? "N" : "S";
        LireDouzeValeurs(s.valeurs[2], s.gh);
        LireDouzeValeurs(s.valeurs[3], s.text);
        LireDouzeValeurs(s.valeurs[4], s.tef);
    }
    return stations;
}

// Departments of a country: every entry whose "before" text contains the country name.
std::vector<std::string> DepartementsDe(const Table& depar, const std::string& pays) {
    std::vector<std::string> liste;
    for (std::size_t k = 1; k < depar.size(); ++k) {
        if (depar[k].Texte.find(pays) != std::string::npos)
            liste.push_back(depar[k].Commentaire);
    }
    return liste;
}

// Stations offered for a department: its own, then those of the "&" departments (one
// level only).
std::vector<std::string> StationsDe(const Table& villes, const std::string& dep, bool haut) {
    std::vector<std::string> liste;
    for (std::size_t k = 1; k < villes.size(); ++k) {
        if (villes[k].Commentaire == dep && villes[k].Texte.find('&') == std::string::npos)
            liste.push_back(villes[k].Texte);
    }
    for (std::size_t k = 1; haut && k < villes.size(); ++k) {
        if (villes[k].Commentaire == dep && villes[k].Texte.find('&') != std::string::npos) {
            const auto autres = StationsDe(villes, SousTexte(villes[k].Texte, 1), false);
            liste.insert(liste.end(), autres.begin(), autres.end());
        }
    }
    return liste;
}

// The department the system derives from a station name: the first town entry whose
// text contains the name.
std::string DepartementDeStation(const Table& villes, const std::string& station) {
    for (std::size_t k = 1; k < villes.size(); ++k) {
        if (villes[k].Texte.find(station) != std::string::npos)
            return villes[k].Commentaire;
    }
    return "";
}

double Moyenne(const std::array<double, 12>& m) {
    double s = 0;
    for (double v : m)
        s += v;
    return s / 12;
}

std::array<double, 12> EauFroide(const std::array<double, 12>& t) {
    const double ta = Moyenne(t);
    std::array<double, 12> tef{};
    for (std::size_t k = 0; k < 12; ++k)
        tef[k] = ta + EauFroideA + EauFroideC * ((t[k] + t[(k + 11) % 12]) / 2 - ta);
    return tef;
}

// Each month written with the given resolution reproduces the expected value.
void VerifierSerie(const std::array<float, 13>& lue, const std::array<double, 12>& attendue,
                   double resolution, const std::string& quoi) {
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_NEAR(lue[k + 1], attendue[k], resolution / 2 + 1e-4) << quoi << " month " << k + 1;
}

bool Livrable(const std::string& classe) {
    return classe == "open" || classe == "open-public-regulatory" ||
           classe == "open-with-ASHRAE-notice" || classe == "open-unclear-origin";
}

class StationsSources : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(DossierClimat() + "/stations_monthly.csv"))
            GTEST_SKIP() << "climate tables not found beside the repository";
    }
};

} // namespace

TEST(StationsReference, ChaqueStationDonneLatitudeHemisphereEtTroisSeries) {
    NotificateurMemo memo;
    const auto stations = LireStations();
    const Table stati2 = Charger("/Pays/Stati_Fr2.TXT");
    EXPECT_GE(stations.size(), 101u + 13u);
    for (const auto& [nom, s] : stations) {
        ASSERT_EQ(s.valeurs.size(), 5u) << nom;
        EXPECT_TRUE(s.latitude >= -90 && s.latitude <= 90 && s.latitude != 0) << nom;
        EXPECT_EQ(s.hemisphere == "S", s.latitude < 0) << nom << ": " << s.valeurs[0];
        EXPECT_TRUE(s.valeurs[1] == "Zone maritime" || s.valeurs[1] == "Zone continentale") << nom;
        for (int c = 2; c <= 4; ++c)
            EXPECT_EQ(NombreMots(s.valeurs[c]), 12) << nom;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_TRUE(s.gh[m] > 0.3f && s.gh[m] < 9.0f) << nom;
            EXPECT_TRUE(s.text[m] > -15.0f && s.text[m] < 35.0f) << nom;
            EXPECT_TRUE(s.tef[m] > 0.0f && s.tef[m] < 32.0f) << nom;
        }
        float altitude = -1;
        int16_t mer = 0, population = 0;
        ASSERT_GT(IndiceEntree(stati2, nom), 0) << nom << " has no site data";
        LireValeursTable(stati2, nom, {&altitude, &mer, &population});
        EXPECT_TRUE(altitude >= 0 && altitude < 2000) << nom;
        EXPECT_TRUE(mer >= 1 && mer <= 4 && population >= 1 && population <= 3) << nom;
        EXPECT_EQ(s.valeurs[1] == "Zone maritime", mer <= 3) << nom;
    }
    EXPECT_TRUE(memo.messages.empty()) << memo.messages.front();
}

TEST(StationsReference, ChaqueDepartementOffreAuMoinsUneStation) {
    const Table pays = Charger("/Pays/Pays.TXT");
    const Table depar = Charger("/Pays/Depar_Fr.TXT");
    const Table villes = Charger("/Pays/Ville_Fr.TXT");
    const auto stations = LireStations();
    ASSERT_EQ(pays.size(), 3u);
    const std::string metropole = RognerFin(pays[1].Commentaire);
    const std::string outremer = RognerFin(pays[2].Commentaire);
    // Every department belongs to exactly one real country, the user pseudo-department
    // to both.
    std::map<std::string, int> appartenances;
    const auto deps1 = DepartementsDe(depar, metropole);
    const auto deps2 = DepartementsDe(depar, outremer);
    for (const auto& d : deps1)
        ++appartenances[d];
    for (const auto& d : deps2)
        ++appartenances[d];
    EXPECT_EQ(deps1.size(), 96u + 1u);
    EXPECT_EQ(deps2.size(), 5u + 1u);
    EXPECT_EQ(appartenances.size(), 102u);
    for (const auto& [d, n] : appartenances)
        EXPECT_EQ(n, d == "Stations utilisateur" ? 2 : 1) << d;
    EXPECT_EQ(deps1.front(), "Ain");
    EXPECT_EQ(deps2.front(), "Guadeloupe");

    for (const auto& [dep, n] : appartenances) {
        const auto propres = StationsDe(villes, dep, false);
        EXPECT_FALSE(propres.empty()) << dep << " offers no station of its own";
        for (const std::string& s : StationsDe(villes, dep, true))
            EXPECT_EQ(stations.count(s), 1u) << dep << " offers unknown station " << s;
    }
    // Every station is offered by some department.
    std::set<std::string> offertes;
    for (std::size_t k = 1; k < villes.size(); ++k)
        offertes.insert(villes[k].Texte);
    for (const auto& [nom, s] : stations)
        EXPECT_EQ(offertes.count(nom), 1u) << nom;
}

TEST(StationsReference, LeDepartementRetrouveDepuisLaStationEstLeSien) {
    // A station name found inside another entry (a longer name, a neighbour's name after
    // "&") earlier in the towns file would move the project to the wrong department.
    const Table villes = Charger("/Pays/Ville_Fr.TXT");
    for (std::size_t k = 1; k < villes.size(); ++k) {
        if (villes[k].Texte.find('&') != std::string::npos)
            continue;
        EXPECT_EQ(DepartementDeStation(villes, villes[k].Texte), villes[k].Commentaire)
            << villes[k].Texte;
    }
}

TEST(StationsReference, StationsUtilisateurModifiablesEtIsolees) {
    const Table villes = Charger("/Pays/Ville_Fr.TXT");
    const auto utilisateur = StationsDe(villes, "Stations utilisateur", true);
    EXPECT_GE(utilisateur.size(), 3u);
    std::vector<std::string> toutes;
    for (const char* f : {"/Pays/Ville_Fr.TXT", "/Pays/Stati_Fr.TXT", "/Pays/Stati_Fr2.TXT"}) {
        const auto lignes = Lignes(Dossier() + f);
        toutes.insert(toutes.end(), lignes.begin(), lignes.end());
    }
    for (const std::string& nom : utilisateur) {
        EXPECT_EQ(nom.back(), '*') << nom;
        // The station dialog rewrites every line holding the name, as one block.
        const auto n = std::count_if(toutes.begin(), toutes.end(), [&](const std::string& l) {
            return l.find(nom) != std::string::npos;
        });
        EXPECT_EQ(n, 1 + 5 + 1) << nom;
    }
    for (std::size_t k = 1; k < villes.size(); ++k) {
        if (villes[k].Commentaire != "Stations utilisateur") {
            EXPECT_NE(villes[k].Texte.back(), '*') << villes[k].Texte;
        }
    }
}

TEST_F(StationsSources, StationsDeReferenceReproduisentLaGrille) {
    const Csv deps(DossierClimat() + "/departments_monthly.csv");
    const auto stations = LireStations();
    const Table stati2 = Charger("/Pays/Stati_Fr2.TXT");
    ASSERT_EQ(deps.Taille(), 101u);
    for (std::size_t i = 0; i < deps.Taille(); ++i) {
        const std::string nom = deps(i, "prefecture");
        const auto s = stations.find(nom);
        ASSERT_NE(s, stations.end()) << nom;
        EXPECT_NEAR(s->second.latitude, deps.Nombre(i, "latitude"), 0.05 + 1e-6) << nom;
        VerifierSerie(s->second.gh, deps.Mois(i, "Gh_"), 0.01, nom + " Gh");
        auto tair = deps.Mois(i, "Tair_");
        for (double& t : tair)
            t += DecalageGrille;
        VerifierSerie(s->second.text, tair, 0.1, nom + " Text");
        VerifierSerie(s->second.tef, EauFroide(tair), 0.1, nom + " Tef");
        float altitude = 0;
        LireValeursTable(stati2, nom, {&altitude});
        EXPECT_NEAR(altitude, deps.Nombre(i, "altitude_m"), 0.5) << nom;
    }
}

TEST_F(StationsSources, LeDecalageDesTemperaturesEstCeluiDesStationsReglementaires) {
    const Csv controle(DossierClimat() + "/grid/crosscheck_stations.csv");
    double somme = 0;
    int n = 0;
    for (std::size_t i = 0; i < controle.Taille(); ++i) {
        if (controle(i, "licence_class") == "open-public-regulatory") {
            somme -= controle.Nombre(i, "dT_K_at_station");
            ++n;
        }
    }
    ASSERT_EQ(n, 8);
    EXPECT_NEAR(somme / n, DecalageGrille, 0.05);
}

TEST_F(StationsSources, StationsMesureesLivrablesSeulementEtFideles) {
    const Csv mesures(DossierClimat() + "/stations_monthly.csv");
    const Csv faits(Dossier() + "/../tools/stations/faits_stations.csv");
    std::map<std::string, std::string> noms;
    for (std::size_t i = 0; i < faits.Taille(); ++i)
        noms[faits(i, "identifiant")] = faits(i, "nom");
    const auto stations = LireStations();
    const Table stati2 = Charger("/Pays/Stati_Fr2.TXT");
    int livrees = 0;
    double ecarts2 = 0;
    int mois = 0;
    for (std::size_t i = 0; i < mesures.Taille(); ++i) {
        const std::string id = mesures(i, "id");
        const auto gh = mesures.Mois(i, "Gh_");
        if (!Livrable(mesures(i, "licence_class"))) {
            // Restricted data never ship, under any name.
            EXPECT_EQ(noms.count(id), 0u) << id;
            for (const auto& [nom, s] : stations) {
                int egaux = 0;
                for (std::size_t k = 0; k < 12; ++k)
                    egaux += std::abs(s.gh[k + 1] - gh[k]) < 0.006;
                EXPECT_LT(egaux, 12) << nom << " carries the irradiation of " << id;
            }
            continue;
        }
        ++livrees;
        ASSERT_EQ(noms.count(id), 1u) << id;
        const auto s = stations.find(noms[id]);
        ASSERT_NE(s, stations.end()) << noms[id];
        EXPECT_NEAR(s->second.latitude, mesures.Nombre(i, "latitude"), 0.05 + 1e-6) << id;
        VerifierSerie(s->second.gh, gh, 0.01, id + " Gh");
        const auto tair = mesures.Mois(i, "Tair_");
        VerifierSerie(s->second.text, tair, 0.1, id + " Text");
        float altitude = -1;
        LireValeursTable(stati2, noms[id], {&altitude});
        EXPECT_NEAR(altitude, mesures.Nombre(i, "altitude_m"), 0.5) << id;
        if (mesures(i, "Tcold_RT2012_1").empty()) {
            VerifierSerie(s->second.tef, EauFroide(tair), 0.1, id + " Tef");
            continue;
        }
        // Regulatory cold water as given; the model's residuals on it are those reported.
        const auto froide = mesures.Mois(i, "Tcold_RT2012_");
        VerifierSerie(s->second.tef, froide, 0.1, id + " Tef");
        const auto modele = EauFroide(tair);
        for (std::size_t k = 0; k < 12; ++k, ++mois)
            ecarts2 += (modele[k] - froide[k]) * (modele[k] - froide[k]);
    }
    EXPECT_EQ(livrees, 13);
    ASSERT_EQ(mois, 96);
    EXPECT_NEAR(std::sqrt(ecarts2 / mois), 1.07, 0.01);
}
