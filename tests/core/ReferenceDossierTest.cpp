// The real reference data folder: its files, their encoding and layout, the messages and
// the catalogues, read through the system's own readers.

#include "ReferenceOutils.h"
#include "common/Texte.h"
#include "data/modMessages.h"
#include "data/modTables.h"
#include "data/modTexte.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;
using namespace reference;

namespace {
const std::vector<std::string> TablesTexte = {
    "Pays/Pays.TXT",
    "Pays/Depar_Fr.TXT",
    "Pays/Ville_Fr.TXT",
    "Pays/Stati_Fr.TXT",
    "Pays/Stati_Fr2.TXT",
    "Systeme/Capteurs/Capteurs.txt",
    "Systeme/Capteurs/CategorieCapteurs.txt",
    "Systeme/Capteurs/INCLINAI.DON",
    "Systeme/Capteurs/CHAUFEAU.txt",
    "Systeme/Capteurs/ORIENTAN.DON",
    "Systeme/Capteurs/ORIENTAS.DON",
    "Systeme/Ballons/Ballons.TXT",
    "Systeme/SITUATIO.TXT",
    "Systeme/ALIM.DON",
    "Systeme/ISBallon.DON",
    "Systeme/ISTuyaux.txt",
    "Systeme/Echange.TXT",
    "Systeme/Energies.TXT",
    "Systeme/CoutsSolaires.TXT",
    "Systeme/Aides.TXT",
};

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
                          "Soleil/delta.don", "Soleil/Nj.don", "Soleil/MatAlpha.don"})
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
