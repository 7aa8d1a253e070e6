// The real reference data folder: its files, their encoding and layout, the messages and
// the catalogues, read through the system's own readers.

#include "ReferenceOutils.h"
#include "common/Texte.h"
#include "data/modMessages.h"
#include "data/modTables.h"
#include "data/modTexte.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;
using namespace reference;

namespace {

const std::vector<std::string> TablesTexte = {
    "\\Pays\\Pays.TXT",
    "\\Pays\\Depar_Fr.TXT",
    "\\Pays\\Ville_Fr.TXT",
    "\\Pays\\Stati_Fr.TXT",
    "\\Pays\\Stati_Fr2.TXT",
    "\\Systeme\\Capteurs\\Capteurs.txt",
    "\\Systeme\\Capteurs\\CategorieCapteurs.txt",
    "\\Systeme\\Capteurs\\INCLINAI.DON",
    "\\Systeme\\Capteurs\\CHAUFEAU.txt",
    "\\Systeme\\Capteurs\\ORIENTAN.DON",
    "\\Systeme\\Capteurs\\ORIENTAS.DON",
    "\\Systeme\\Ballons\\Ballons.TXT",
    "\\Systeme\\SITUATIO.TXT",
    "\\Systeme\\ALIM.DON",
    "\\Systeme\\ISBallon.DON",
    "\\Systeme\\ISTuyaux.txt",
    "\\Systeme\\Echange.TXT",
    "\\Systeme\\Energies.TXT",
    "\\Systeme\\CoutsSolaires.TXT",
    "\\Systeme\\Aides.TXT",
};

// The path under the folder, exactly as named (no case-insensitive look-up).
std::string Exact(const std::string& relatif) {
    std::string p = relatif;
    std::replace(p.begin(), p.end(), '\\', '/');
    return Dossier() + p;
}

Table Charger(const std::string& relatif) {
    Table t;
    LireTable(Exact(relatif), t);
    return t;
}

} // namespace

TEST(DossierReference, ChaqueFichierEstPresentSousSonNomExact) {
    std::vector<std::string> attendus = TablesTexte;
    for (const char* f :
         {"\\MESSAGES.TXT", "\\help\\index.htm", "\\Soleil\\Cs.Don", "\\Soleil\\alphaG.don",
          "\\Soleil\\delta.don", "\\Soleil\\Nj.don", "\\Soleil\\MatAlpha.don",
          "\\Communes\\Communes.TXT", "\\Communes\\Departements.TXT"})
        attendus.push_back(f);
    for (int bande = -90; bande <= 90; bande += 5) {
        for (const char* inclinaison : {"_30.don", "_60.don"})
            attendus.push_back("\\Soleil\\G_" + std::to_string(bande) + inclinaison);
    }
    for (const std::string& f : attendus)
        EXPECT_TRUE(fs::is_regular_file(Exact(f))) << f;
}

TEST(DossierReference, ToutEstEnWindows1252AvecDesFinsDeLigneCRLF) {
    int fichiers = 0;
    for (const auto& entree : fs::recursive_directory_iterator(Dossier())) {
        if (!entree.is_regular_file())
            continue;
        ++fichiers;
        const std::string nom = entree.path().string();
        const std::string octets = Octets(nom);
        EXPECT_FALSE(EstUtf8Multioctet(octets)) << nom << " is UTF-8";
        ASSERT_GE(octets.size(), 2u) << nom;
        EXPECT_EQ(octets.substr(octets.size() - 2), "\r\n") << nom;
        // An empty line inside a table is skipped with message 33.
        if (entree.path().parent_path() != fs::path(Dossier())) {
            EXPECT_EQ(octets.find("\r\n\r\n"), std::string::npos) << nom << " has an empty line";
        }
        for (std::size_t i = 0; i < octets.size(); ++i) {
            const bool crSeul =
                octets[i] == '\r' && (i + 1 == octets.size() || octets[i + 1] != '\n');
            const bool lfSeul = octets[i] == '\n' && (i == 0 || octets[i - 1] != '\r');
            if (crSeul || lfSeul) {
                ADD_FAILURE() << nom << ": bare line end at byte " << i;
                break;
            }
        }
    }
    EXPECT_GT(fichiers, 90);
}

TEST(DossierReference, LesTablesSeChargentSansAucunMessage) {
    NotificateurMemo memo;
    DossierInstallation installation;
    ChargerMessages();
    for (const std::string& f : TablesTexte) {
        Table t;
        LireTable(CheminInstall(f), t);
        const auto lignes = Lignes(Exact(f));
        ASSERT_GE(lignes.size(), 3u) << f;
        // Two heading lines, then only data lines: nothing is skipped or lost.
        EXPECT_EQ(t.size() - 1, lignes.size() - 2) << f;
        // The station collection takes every line with "#", headings included.
        EXPECT_EQ(lignes[0].find('#'), std::string::npos) << f;
        EXPECT_EQ(lignes[1].find('#'), std::string::npos) << f;
        for (std::size_t k = 1; k < t.size(); ++k)
            EXPECT_EQ(RognerFin(t[k].Commentaire), RognerDebut(t[k].Commentaire)) << f;
    }
    EXPECT_TRUE(memo.messages.empty()) << memo.messages.front();
}

TEST(DossierReference, MessagesDuSystemeEnFrancais) {
    DossierInstallation installation;
    Messages.fill("");
    ChargerMessages();
    std::vector<int> numeros = {33, 44, 135, 139, 300, 306, 307, 308, 309};
    for (int n = 149; n <= 168; ++n)
        numeros.push_back(n);
    for (int n : numeros) {
        EXPECT_GT(Rogner(Messages[n]).size(), 20u) << "message " << n;
        // Only the messages that receive a parameter may hold "%s".
        const bool parametre = n == 44 || n == 300;
        EXPECT_EQ(Messages[n].find("%s") != std::string::npos, parametre) << "message " << n;
    }
    ListeParametres p;
    p[1] = "/donnees/Soleil/Cs.Don";
    EXPECT_NE(TexteMessage(Messages[44], p).find("/donnees/Soleil/Cs.Don"), std::string::npos);
    p[1] = " 3";
    EXPECT_EQ(TexteMessage(Messages[300], p).rfind("Mois 3 :", 0), 0u);
    // "@" marks a line break and is never shown.
    EXPECT_NE(Messages[44].find('\r'), std::string::npos);
    for (const std::string& m : Messages)
        EXPECT_EQ(m.find('@'), std::string::npos);
}

TEST(CataloguesReference, CapteursDansLesPlagesDesProduitsCertifies) {
    NotificateurMemo memo;
    const Table t = Charger("\\Systeme\\Capteurs\\Capteurs.txt");
    std::set<int> familles;
    int catalogue = 0;
    for (std::size_t k = 1; k < t.size(); ++k) {
        float bc = 0, kc = 0, ac = 0;
        int16_t type = 0;
        LireValeursTable(t, static_cast<int>(k), {&bc, &kc, &ac, &type});
        const std::string nom = RognerFin(t[k].Commentaire);
        familles.insert(type);
        EXPECT_GE(ac, 1.0f) << nom;
        EXPECT_LE(ac, 15.0f) << nom;
        if (nom.back() == '*')
            continue;
        ++catalogue;
        switch (type) {
        case 1: // glazed flat plate, black paint
            EXPECT_TRUE(bc >= 0.70f && bc <= 0.82f && kc >= 5.0f && kc <= 8.0f) << nom;
            break;
        case 2: // glazed flat plate, selective absorber
            EXPECT_TRUE(bc >= 0.70f && bc <= 0.85f && kc >= 2.5f && kc <= 4.8f) << nom;
            break;
        case 3: // evacuated tubes
            EXPECT_TRUE(bc >= 0.55f && bc <= 0.80f && kc >= 0.8f && kc <= 2.0f) << nom;
            break;
        case 4: // unglazed
            EXPECT_TRUE(bc >= 0.80f && bc <= 0.95f && kc >= 8.0f && kc <= 25.0f) << nom;
            break;
        default:
            ADD_FAILURE() << nom << ": type code " << type;
        }
    }
    EXPECT_EQ(familles, (std::set<int>{1, 2, 3, 4}));
    EXPECT_GE(catalogue, 12);
    EXPECT_TRUE(memo.messages.empty());
}

TEST(CataloguesReference, ChauffeEauBallonsEtEchangeursRealistes) {
    NotificateurMemo memo;
    const Table ce = Charger("\\Systeme\\Capteurs\\CHAUFEAU.txt");
    EXPECT_GE(ce.size() - 1, 6u);
    for (std::size_t k = 1; k < ce.size(); ++k) {
        float abetap = 0, ksurb = 0, dn = 0, m = 0;
        LireValeursTable(ce, static_cast<int>(k), {&abetap, &ksurb, &dn, &m});
        EXPECT_TRUE(abetap > 0.8f && abetap < 4.0f && ksurb > 2.0f && ksurb < 12.0f && dn > 1.0f &&
                    dn < 6.0f && m >= 100.0f && m <= 400.0f)
            << ce[k].Commentaire;
    }
    const Table ballons = Charger("\\Systeme\\Ballons\\Ballons.TXT");
    float plusPetit = 1e9f, plusGrand = 0, crPrecedent = 1e9f;
    for (std::size_t k = 1; k < ballons.size(); ++k) {
        float vn = 0, vs = 0, cr = 0;
        LireValeursTable(ballons, static_cast<int>(k), {&vn, &vs, &cr});
        EXPECT_TRUE(vs > 0.5f * vn && vs <= vn && cr > 0.03f && cr < 0.4f)
            << ballons[k].Commentaire;
        plusPetit = std::min(plusPetit, vn);
        plusGrand = std::max(plusGrand, vn);
        // Loss per litre falls as the tank grows (surface over volume).
        if (ballons[k].Commentaire.rfind("Ballon solaire", 0) == 0) {
            EXPECT_LT(cr, crPrecedent) << ballons[k].Commentaire;
            crPrecedent = cr;
        }
    }
    EXPECT_EQ(plusPetit, 100.0f);
    EXPECT_EQ(plusGrand, 1000.0f);
    const Table echange = Charger("\\Systeme\\Echange.TXT");
    EXPECT_GE(echange.size() - 1, 3u);
    for (std::size_t k = 1; k < echange.size(); ++k) {
        int16_t coefficient = 0;
        LireValeursTable(echange, static_cast<int>(k), {&coefficient});
        EXPECT_TRUE(coefficient >= 50 && coefficient <= 5000) << echange[k].Commentaire;
    }
    const Table isolants = Charger("\\Systeme\\ISTuyaux.txt");
    for (std::size_t k = 1; k < isolants.size(); ++k) {
        float lambda = 0;
        LireValeursTable(isolants, static_cast<int>(k), {&lambda});
        EXPECT_TRUE(lambda >= 0.02f && lambda <= 0.06f) << isolants[k].Commentaire;
    }
    EXPECT_TRUE(memo.messages.empty());
}

TEST(CataloguesReference, EntreesUtilisateurEnFinDeCatalogueEtTrouveesSeules) {
    // Only names ending with "*" are editable, and a rewrite collects every line that
    // contains the name: a user name must not occur in any other line.
    for (const char* f : {"\\Systeme\\Capteurs\\Capteurs.txt", "\\Systeme\\Capteurs\\CHAUFEAU.txt",
                          "\\Systeme\\Ballons\\Ballons.TXT"}) {
        const Table t = Charger(f);
        const auto lignes = Lignes(Exact(f));
        std::size_t premier = 0;
        for (std::size_t k = 1; k < t.size(); ++k) {
            const std::string nom = RognerFin(t[k].Commentaire);
            if (nom.back() != '*')
                continue;
            if (premier == 0)
                premier = k;
            const auto n = std::count_if(lignes.begin(), lignes.end(), [&](const std::string& l) {
                return l.find(nom) != std::string::npos;
            });
            EXPECT_EQ(n, 1) << f << ": " << nom;
        }
        ASSERT_GT(premier, 0u) << f << " has no user entry";
        EXPECT_LE(t.size() - premier, 3u) << f;
        for (std::size_t k = premier; k < t.size(); ++k)
            EXPECT_EQ(RognerFin(t[k].Commentaire).back(), '*') << f << ": user entries come last";
    }
}

TEST(CataloguesReference, OrientationsInclinaisonsEtEmplacements) {
    const auto valeur = [](const Table& t, const std::string& libelle) {
        float v = -999;
        LireValeursTable(t, libelle, {&v});
        return v;
    };
    const Table nord = Charger("\\Systeme\\Capteurs\\ORIENTAN.DON");
    EXPECT_EQ(RognerFin(nord[1].Commentaire), "Sud");
    EXPECT_EQ(valeur(nord, "Sud"), 0.0f);
    EXPECT_EQ(valeur(nord, "Est"), -90.0f);
    EXPECT_EQ(valeur(nord, "Ouest"), 90.0f);
    EXPECT_EQ(valeur(nord, "Sud-Est"), -45.0f);
    const Table sud = Charger("\\Systeme\\Capteurs\\ORIENTAS.DON");
    EXPECT_EQ(RognerFin(sud[1].Commentaire), "Nord");
    EXPECT_EQ(valeur(sud, "Nord"), 180.0f);
    EXPECT_EQ(valeur(sud, "Est"), -90.0f);
    EXPECT_EQ(valeur(sud, "Nord-Ouest"), 135.0f);

    const Table inclinaisons = Charger("\\Systeme\\Capteurs\\INCLINAI.DON");
    float precedente = -1;
    for (std::size_t k = 1; k < inclinaisons.size(); ++k) {
        float v = 0;
        LireValeursTable(inclinaisons, static_cast<int>(k), {&v});
        EXPECT_GT(v, precedente);
        EXPECT_LE(v, 90.0f);
        precedente = v;
    }
    // The tank location index is the entry's position: 1 outdoors, 2 unheated, 3 heated.
    const Table situation = Charger("\\Systeme\\SITUATIO.TXT");
    ASSERT_EQ(situation.size(), 4u);
    EXPECT_EQ(RognerFin(situation[1].Commentaire), "Extérieur");
    EXPECT_EQ(RognerFin(situation[2].Commentaire), "Local non chauffé");
    EXPECT_EQ(RognerFin(situation[3].Commentaire), "Local chauffé");
}
