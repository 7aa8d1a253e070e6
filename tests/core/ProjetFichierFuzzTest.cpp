// Thousands of damaged project files: the reader must refuse them or read them whole,
// never crash, and never leave a half-read record behind.

#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "project/ProjetFichier.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

// The extension values read back; the files of these tests hold none.
static Extension extensionLue;

namespace {
EnregistrementProjet ProjetDeDepart() {
    EnregistrementProjet p;
    p.Entrees.Pays = "France";
    p.Entrees.Station = "Nîmes";
    p.Entrees.NB_points = 2;
    p.Entrees.Masque_Angle[1] = -130;
    p.Entrees.Masque_Angle[2] = 130;
    for (int m = 1; m <= 12; ++m) {
        p.Calcul.Conso[m] = 1000;
        p.Calcul.Tref[m] = 50;
        p.Calcul.Fecs[m] = 3.5f * static_cast<float>(m);
    }
    p.Calcul.Categorie_Systeme = "CA_BA_SASEC";
    p.Calcul.Efficacite.R = 0.9f;
    return p;
}

class Mutateur {
public:
    explicit Mutateur(unsigned graine) : alea_(graine) {}

    std::string Muter(std::string texte) {
        const int n = 1 + Entier(3);
        for (int i = 0; i < n && !texte.empty(); ++i)
            texte = UneMutation(texte);
        return texte;
    }

private:
    int Entier(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea_); }
    std::size_t Position(const std::string& t) {
        return std::uniform_int_distribution<std::size_t>(0, t.size() - 1)(alea_);
    }
    // Start of the line holding position p.
    static std::size_t DebutLigne(const std::string& t, std::size_t p) {
        const std::size_t d = t.rfind('\n', p);
        return d == std::string::npos ? 0 : d + 1;
    }

    std::string UneMutation(std::string t) {
        const std::size_t p = Position(t);
        switch (Entier(8)) {
        case 0: // truncated file
            return t.substr(0, p);
        case 1: // random bytes over the text
            for (int i = 0, n = 1 + Entier(8); i < n; ++i)
                t[Position(t)] = static_cast<char>(Entier(256));
            return t;
        case 2: { // a huge or odd number instead of a value
            static const char* nombres[] = {"1E+300", "-99999999", "40000", "1,2,3",   "NaN",
                                            "1e",     "--1",       ",",     "3.4E+38", "1E-300"};
            const std::size_t tab = t.find('\t', DebutLigne(t, p));
            if (tab == std::string::npos)
                return t;
            const std::size_t fin = std::min(t.find('\r', tab), t.size());
            return t.substr(0, tab + 1) + nombres[Entier(10)] + t.substr(fin);
        }
        case 3: { // TABs lost on one line
            const std::size_t d = DebutLigne(t, p);
            const std::size_t f = t.find('\r', d);
            for (std::size_t i = d; i < f && i < t.size(); ++i) {
                if (t[i] == '\t')
                    t[i] = ' ';
            }
            return t;
        }
        case 4: { // a line removed
            const std::size_t d = DebutLigne(t, p);
            const std::size_t f = t.find('\n', p);
            return t.substr(0, d) + (f == std::string::npos ? "" : t.substr(f + 1));
        }
        case 5: { // a line doubled
            const std::size_t d = DebutLigne(t, p);
            const std::size_t f = t.find('\n', p);
            const std::string ligne = t.substr(d, f == std::string::npos ? f : f + 1 - d);
            return t.insert(d, ligne);
        }
        case 6: // extra values at the end of an array line
            return t.insert(t.find('\r', p) == std::string::npos ? t.size() : t.find('\r', p),
                            "\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7\t7");
        default: // line ends lost
            return t.erase(p, 1);
        }
    }

    std::mt19937 alea_;
};
} // namespace

TEST(ProjetFichierFuzz, DamagedFilesAreRefusedOrReadWholeNeverHalfRead) {
    const EnregistrementProjet depart = ProjetDeDepart();
    const std::string reference = TexteProjet(depart, "depart.vqp");
    const std::string original = TexteProjet(depart, "origine.vqp");
    Mutateur mutateur(20240611u); // fixed seed: the same files on every run
    int refuses = 0, lus = 0;
    for (int essai = 0; essai < 2000; ++essai) {
        const std::string octets = VersWindows1252(mutateur.Muter(original));
        EnregistrementProjet p = depart;
        std::string fichier = "depart.vqp";
        try {
            LireTexteProjet(DecoderTexte(octets), "essai.vqp", p, fichier, extensionLue);
            ++lus;
            // What was read can be written and read again to the same text.
            const std::string ecrit = TexteProjet(p, fichier);
            EnregistrementProjet relu;
            std::string fichierRelu;
            LireTexteProjet(ecrit, "relu.vqp", relu, fichierRelu, extensionLue);
            ASSERT_EQ(TexteProjet(relu, fichierRelu), ecrit) << "essai " << essai;
        } catch (const ErreurFichier& e) {
            ++refuses;
            ASSERT_NE(std::string(e.what()).find("ligne"), std::string::npos);
            ASSERT_EQ(fichier, "depart.vqp") << "essai " << essai;
            ASSERT_EQ(TexteProjet(p, fichier), reference) << "essai " << essai;
        }
    }
    // Both outcomes must actually occur for the test to mean anything.
    EXPECT_GT(refuses, 200);
    EXPECT_GT(lus, 100);
}
