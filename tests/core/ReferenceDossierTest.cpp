// The real reference data folder: its files, their encoding and layout, the messages and
// the catalogues read through the system's own readers, and the solar tables checked
// against sun geometry computed here by closed forms.

#include "ReferenceOutils.h"
#include "common/Texte.h"
#include "data/modMessages.h"
#include "data/modTables.h"
#include "data/modTexte.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;
using namespace reference;

namespace {
// The text tables of the folder, by their exact names.
const std::vector<std::string> TablesTexte = [] {
    std::string noms =
        "Pays/Pays.TXT Pays/Depar_Fr.TXT Pays/Ville_Fr.TXT Pays/Stati_Fr.TXT Pays/Stati_Fr2.TXT "
        "Systeme/Capteurs/Capteurs.txt Systeme/Capteurs/CategorieCapteurs.txt "
        "Systeme/Capteurs/INCLINAI.DON Systeme/Capteurs/CHAUFEAU.txt "
        "Systeme/Capteurs/ORIENTAN.DON Systeme/Capteurs/ORIENTAS.DON Systeme/Ballons/Ballons.TXT "
        "Systeme/SITUATIO.TXT Systeme/ALIM.DON Systeme/ISBallon.DON Systeme/ISTuyaux.txt "
        "Systeme/Echange.TXT Systeme/Energies.TXT Systeme/CoutsSolaires.TXT Systeme/Aides.TXT";
    std::vector<std::string> tables;
    for (std::string nom; !(nom = LireMot(noms, " ")).empty();)
        tables.push_back(nom);
    return tables;
}();

// The table under its exact name (no case-insensitive look-up), with no message.
Table Charger(const std::string& relatif) {
    NotificateurEnregistreur notif;
    AfficherMessages = true;
    Table t;
    LireTable(Dossier() + "/" + relatif, t);
    AfficherMessages = false;
    EXPECT_TRUE(notif.messages.empty()) << relatif << " : " << notif.messages.front();
    return t;
}

// Entry k's values and trimmed name.
template <typename... T> std::string Entree(const Table& t, std::size_t k, T*... valeurs) {
    LireValeursTable(t, static_cast<int>(k), {valeurs...});
    return RognerFin(t[k].Commentaire);
}
} // namespace

TEST(DossierReference, FichiersEnWindows1252CRLFSousLeurNomExact) {
    std::vector<std::string> attendus = TablesTexte;
    for (const char* f : {"MESSAGES.TXT", "help/index.htm", "Soleil/Cs.Don", "Soleil/alphaG.don",
                          "Soleil/delta.don", "Soleil/Nj.don", "Soleil/MatAlpha.don",
                          "Communes/Communes.TXT", "Communes/Departements.TXT"})
        attendus.push_back(f);
    for (int bande = -90; bande <= 90; bande += 5)
        for (const char* inclinaison : {"_30.don", "_60.don"})
            attendus.push_back("Soleil/G_" + std::to_string(bande) + inclinaison);
    for (const std::string& f : attendus)
        EXPECT_TRUE(fs::is_regular_file(Dossier() + "/" + f)) << f;

    for (const auto& entree : fs::recursive_directory_iterator(Dossier())) {
        if (!entree.is_regular_file())
            continue;
        const std::string nom = entree.path().string();
        const std::string octets = essai::LireOctets(nom);
        EXPECT_FALSE(EstUtf8Multioctet(octets)) << nom << " is UTF-8";
        // CR LF only, and no empty line inside a table (skipped with message 33).
        const std::string sansCrlf = Remplacer(octets, "\r\n", "");
        EXPECT_EQ(sansCrlf.find_first_of("\r\n"), std::string::npos) << nom << ": bare line end";
        EXPECT_EQ(octets.substr(octets.size() - 2), "\r\n") << nom;
        if (entree.path().parent_path() != fs::path(Dossier())) {
            EXPECT_EQ(octets.find("\r\n\r\n"), std::string::npos) << nom << " has an empty line";
        }
    }
}

TEST(DossierReference, TablesEtMessagesLusSansAucunMessage) {
    for (const std::string& f : TablesTexte) {
        const Table t = Charger(f);
        const auto lignes = Lignes(Dossier() + "/" + f);
        // Two heading lines without "#" (the station collection takes every line with
        // one), then only data lines: nothing is skipped or lost.
        ASSERT_GE(lignes.size(), 3u) << f;
        EXPECT_EQ((lignes[0] + lignes[1]).find('#'), std::string::npos) << f;
        EXPECT_EQ(t.size() - 1, lignes.size() - 2) << f;
    }
    Messages.fill("");
    const std::string avant = InstallDir;
    InstallDir = Dossier();
    ChargerMessages();
    InstallDir = avant;
    std::vector<int> numeros = {33, 44, 135, 139, 300, 306, 307, 308, 309};
    for (int n = 149; n <= 168; ++n)
        numeros.push_back(n);
    for (int n : numeros) {
        EXPECT_GT(Rogner(Messages[n]).size(), 20u) << "message " << n;
        // Only the messages that receive a parameter may hold "%s".
        EXPECT_EQ(Messages[n].find("%s") != std::string::npos, n == 44 || n == 300) << n;
    }
    ListeParametres p;
    p[1] = " 3";
    EXPECT_EQ(TexteMessage(Messages[300], p).rfind("Mois 3 :", 0), 0u);
    for (const std::string& m : Messages)
        EXPECT_EQ(m.find('@'), std::string::npos); // a line break, never shown
    Messages.fill("");
}

TEST(CataloguesReference, ValeursDansLesPlagesDesProduitsCertifies) {
    // Collectors per type code: Bc and Kc ranges.
    const std::map<int, std::array<float, 4>> familles = {
        {1, {0.70f, 0.82f, 5.0f, 8.0f}},   // glazed flat plate, black paint
        {2, {0.70f, 0.85f, 2.5f, 4.8f}},   // glazed flat plate, selective absorber
        {3, {0.55f, 0.80f, 0.8f, 2.0f}},   // evacuated tubes
        {4, {0.80f, 0.95f, 8.0f, 25.0f}}}; // unglazed
    const Table capteurs = Charger("Systeme/Capteurs/Capteurs.txt");
    std::set<int> vus;
    for (std::size_t k = 1; k < capteurs.size(); ++k) {
        float bc = 0, kc = 0, ac = 0;
        int16_t type = 0;
        const std::string nom = Entree(capteurs, k, &bc, &kc, &ac, &type);
        EXPECT_TRUE(ac >= 1 && ac <= 15) << nom;
        ASSERT_EQ(familles.count(type), 1u) << nom;
        const auto& f = familles.at(type);
        EXPECT_TRUE(nom.back() == '*' || (bc >= f[0] && bc <= f[1] && kc >= f[2] && kc <= f[3]))
            << nom;
        vus.insert(type);
    }
    EXPECT_EQ(vus.size(), 4u);
    using Valeurs = std::array<float, 4>;
    const std::pair<const char*, std::function<bool(const Valeurs&)>> catalogues[] = {
        {"Systeme/Capteurs/CHAUFEAU.txt", // ABEtap, K/B, Dn, M
         [](const Valeurs& v) {
             return v[0] > 0.8f && v[0] < 4 && v[1] > 2 && v[1] < 12 && v[2] > 1 && v[2] < 6 &&
                    v[3] >= 100 && v[3] <= 400;
         }},
        {"Systeme/Ballons/Ballons.TXT", // Vn, Vs, cr
         [](const Valeurs& v) {
             return v[0] >= 100 && v[0] <= 1000 && v[1] > 0.5f * v[0] && v[1] <= v[0] &&
                    v[2] > 0.03f && v[2] < 0.4f;
         }},
        {"Systeme/Echange.TXT", [](const Valeurs& v) { return v[0] >= 50 && v[0] <= 5000; }},
        {"Systeme/ISTuyaux.txt", [](const Valeurs& v) { return v[0] >= 0.02f && v[0] <= 0.06f; }}};
    for (const auto& [fichier, plausible] : catalogues) {
        const Table t = Charger(fichier);
        float crPrecedent = 1;
        for (std::size_t k = 1; k < t.size(); ++k) {
            Valeurs v{};
            const std::string nom = Entree(t, k, &v[0], &v[1], &v[2], &v[3]);
            EXPECT_TRUE(plausible(v)) << fichier << " : " << nom;
            if (nom.rfind("Ballon solaire", 0) == 0) { // loss per litre falls with size
                EXPECT_LT(v[2], crPrecedent) << nom;
                crPrecedent = v[2];
            }
        }
    }
}

TEST(CataloguesReference, EntreesUtilisateurEtConventionsDesListes) {
    // Only names ending with "*" are editable, they come last, and a rewrite collects
    // every line that contains the name: a user name must not occur in any other line.
    for (const char* f : {"Systeme/Capteurs/Capteurs.txt", "Systeme/Capteurs/CHAUFEAU.txt",
                          "Systeme/Ballons/Ballons.TXT"}) {
        const Table t = Charger(f);
        const auto lignes = Lignes(Dossier() + "/" + f);
        std::size_t utilisateur = 0;
        for (std::size_t k = 1; k < t.size(); ++k) {
            const std::string nom = RognerFin(t[k].Commentaire);
            if (nom.back() != '*') {
                EXPECT_EQ(utilisateur, 0u) << f << ": user entries come last";
                continue;
            }
            utilisateur = utilisateur ? utilisateur : k;
            EXPECT_EQ(std::count_if(
                          lignes.begin(), lignes.end(),
                          [&](const std::string& l) { return l.find(nom) != std::string::npos; }),
                      1)
                << f << ": " << nom;
        }
        EXPECT_TRUE(utilisateur > 0 && t.size() - utilisateur <= 3) << f;
    }
    // South 0, east negative; in the southern file north (180) first. The tank location
    // is the entry's position: 1 outdoors, 2 unheated, 3 heated.
    const std::tuple<const char*, const char*, float> valeurs[] = {
        {"Systeme/Capteurs/ORIENTAN.DON", "Sud", 0},
        {"Systeme/Capteurs/ORIENTAN.DON", "Est", -90},
        {"Systeme/Capteurs/ORIENTAN.DON", "Sud-Est", -45},
        {"Systeme/Capteurs/ORIENTAS.DON", "Nord", 180},
        {"Systeme/Capteurs/ORIENTAS.DON", "Nord-Ouest", 135}};
    for (const auto& [f, libelle, angle] : valeurs) {
        float v = -999;
        LireValeursTable(Charger(f), std::string(libelle), {&v});
        EXPECT_EQ(v, angle) << libelle;
    }
    EXPECT_EQ(RognerFin(Charger("Systeme/Capteurs/ORIENTAS.DON")[1].Commentaire), "Nord");
    const Table situation = Charger("Systeme/SITUATIO.TXT");
    ASSERT_EQ(situation.size(), 4u);
    for (const auto& [k, nom] :
         {std::pair{1, "Extérieur"}, {2, "Local non chauffé"}, {3, "Local chauffé"}})
        EXPECT_EQ(RognerFin(situation[static_cast<std::size_t>(k)].Commentaire), nom);
}

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr std::array<int, 12> JourMoyen = {17, 47, 75, 105, 135, 162, 198, 228, 258, 288, 318, 344};
constexpr std::array<int, 12> Jours = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

double Rad(double d) {
    return d * Pi / 180;
}

std::array<float, 13> Serie(const std::string& fichier) {
    std::array<float, 13> v{};
    LireDouzeValeurs(CompacterEspaces(Lignes(Dossier() + "/Soleil/" + fichier).at(0)), v);
    return v;
}

// Rows 1..18 of blocks A and B of a G_ file; row r is the clearness 0.36 + 0.02 r.
struct TableG {
    std::array<std::array<float, 13>, 19> a{}, b{};
};

TableG LireG(int bande, int inclinaison) {
    const std::string nom =
        "G_" + std::to_string(bande) + "_" + std::to_string(inclinaison) + ".don";
    const auto lignes = Lignes(Dossier() + "/Soleil/" + nom);
    EXPECT_EQ(lignes.size(), 42u) << nom;
    TableG t;
    const auto lire = [&](std::size_t premiere, std::array<std::array<float, 13>, 19>& bloc) {
        for (int r = 1; r <= 18; ++r) {
            const std::string& brute = lignes.at(premiere + static_cast<std::size_t>(r) - 1);
            EXPECT_LE(NbCaracteres(brute), 60u) << nom << " row " << r;
            const std::string ligne = CompacterEspaces(brute);
            EXPECT_NEAR(ConvertirNombre(MotNumero(ligne, 1, " ")), 0.36 + 0.02 * r, 1e-9) << nom;
            EXPECT_TRUE(MotNumero(ligne, 14, " ").empty()) << nom << " row " << r;
            for (int m = 1; m <= 12; ++m)
                bloc[r][m] = static_cast<float>(ConvertirNombre(MotNumero(ligne, m + 1, " ")));
        }
    };
    lire(3, t.a);
    lire(24, t.b);
    return t;
}

// Mean daily extraterrestrial irradiation on the horizontal [kWh/(m².day)].
double H0(double cs, double phi, double delta) {
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    return cs * 24 / (Pi * 1000) *
           (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
}

// Liu & Jordan / Klein monthly estimate for a plane facing the equator at tilt beta in
// the northern hemisphere: closed-form beam ratio, Erbs diffuse, isotropic sky.
double RapportPlanSud(double kt, double phi, double delta, double beta) {
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    const double wsp =
        std::min(ws, std::acos(std::clamp(-std::tan(phi - beta) * std::tan(delta), -1.0, 1.0)));
    const double rb =
        (std::cos(phi - beta) * std::cos(delta) * std::sin(wsp) +
         wsp * std::sin(phi - beta) * std::sin(delta)) /
        (std::cos(phi) * std::cos(delta) * std::sin(ws) + ws * std::sin(phi) * std::sin(delta));
    const double fd = ws <= Rad(81.4) ? 1.391 - 3.560 * kt + 4.189 * kt * kt - 2.137 * kt * kt * kt
                                      : 1.311 - 3.022 * kt + 3.427 * kt * kt - 1.821 * kt * kt * kt;
    return (1 - fd) * rb + fd * (1 + std::cos(beta)) / 2 + 0.2 * (1 - std::cos(beta)) / 2;
}

} // namespace

TEST(SoleilReference, SeriesMensuellesDuJourMoyen) {
    const auto cs = Serie("Cs.Don");
    const auto delta = Serie("delta.don");
    const auto nj = Serie("Nj.don");
    const auto alphag = Serie("alphaG.don");
    float jours = 0;
    for (int m = 1; m <= 12; ++m) {
        // The sun's position by the Astronomical Almanac's low-precision formulas, at
        // noon UT of the mean day in 2022.
        const double d = 8036.0 + JourMoyen[m - 1] - 1;
        const double g = Rad(357.528 + 0.9856003 * d);
        const double lambda =
            Rad(280.460 + 0.9856474 * d) + Rad(1.915) * std::sin(g) + Rad(0.020) * std::sin(2 * g);
        const double declinaison = std::asin(std::sin(Rad(23.44)) * std::sin(lambda)) * 180 / Pi;
        const double distance = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2 * g);
        EXPECT_NEAR(delta[m], declinaison, 0.5) << "month " << m;
        EXPECT_LE(std::abs(delta[m]), 23.45f);
        EXPECT_NEAR(cs[m], 1367 / (distance * distance), 3.0) << "month " << m;
        EXPECT_EQ(nj[m], Jours[m - 1]);
        EXPECT_EQ(alphag[m], 1.0f);
        jours += nj[m];
    }
    EXPECT_EQ(jours, 365.0f);
    EXPECT_GT(delta[6], 23.0f);   // June: the sun near its northern solstice
    EXPECT_LT(delta[12], -22.5f); // December: near its southern solstice
}

// Every G_ file in its layout; at bands 20 to 60 (where the sun is in front of the
// plane all year), block A within 1 % of the closed-form estimate, block B (45° off
// south) below it in winter, and both growing with the clearness.
TEST(SoleilReference, TablesGConformesAuCalculDeLiuJordan) {
    const auto cs = Serie("Cs.Don");
    const auto delta = Serie("delta.don");
    for (int bande = -90; bande <= 90; bande += 5) {
        for (int inclinaison : {30, 60}) {
            const TableG g = LireG(bande, inclinaison);
            if (bande < 20 || bande > 60)
                continue;
            for (int r = 1; r <= 18; ++r) {
                const double kt = 0.36 + 0.02 * r;
                for (int m = 1; m <= 12; ++m) {
                    const double phi = Rad(bande), d = Rad(delta[m]);
                    const double attendu = kt * H0(cs[m], phi, d) *
                                           RapportPlanSud(kt, phi, d, Rad(inclinaison)) * 0.88 *
                                           Jours[m - 1];
                    EXPECT_NEAR(g.a[r][m], attendu, 0.01 * attendu + 0.5)
                        << "band " << bande << " tilt " << inclinaison << " KT " << kt << " " << m;
                    EXPECT_TRUE((m > 1 && m < 11) || g.b[r][m] < g.a[r][m]) << bande << " " << m;
                    EXPECT_TRUE(r == 18 ||
                                (g.a[r + 1][m] >= g.a[r][m] && g.b[r + 1][m] >= g.b[r][m]))
                        << bande << " " << m;
                }
            }
        }
    }
}

// MatAlpha: latitudes 60, 45, 0 (three rows each: tilts 0, 45, 90) from line 4.
TEST(SoleilReference, FacteurAngulaireDesCapteursVitres) {
    const auto lignes = Lignes(Dossier() + "/Soleil/MatAlpha.don");
    ASSERT_EQ(lignes.size(), 16u);
    const auto r = [&](std::size_t l, std::size_t t) {
        std::array<float, 13> v{};
        LireDouzeValeurs(lignes[3 + 5 * l + t], v);
        for (int m = 1; m <= 12; ++m)
            EXPECT_TRUE(v[m] > 0.4f && v[m] <= 1.0f) << l << "/" << t;
        return v;
    };
    // A horizontal plane at 60° N sees the low winter sun at grazing incidence; one
    // tilted near the latitude faces it all year; a south wall at the equator sees no
    // beam from April to September, only the same diffuse and reflected light.
    EXPECT_LT(r(0, 0)[12], r(0, 0)[6] - 0.2f);
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(r(1, 1)[m] > 0.9f && r(1, 1)[m] < 0.97f) << m;
    const auto mur = r(2, 2);
    EXPECT_TRUE(mur[5] == mur[4] && mur[8] == mur[4] && mur[12] != mur[4]);
}
