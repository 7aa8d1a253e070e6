// Damaged inputs by the thousand, mutated with a fixed seed from valid ones: project
// files opened and calculated through the lifecycle, data-folder tables read and
// loaded at start-up, weather files imported. Each is refused with a French message or
// gives results that make sense; nothing crashes, a refused file changes nothing, and
// no message carries a control character or an English word.
//
// A longer run by hand: VARQUIN_FUZZ_FACTEUR multiplies the counts, VARQUIN_FUZZ_GRAINE
// changes the seed:
//   VARQUIN_FUZZ_FACTEUR=40 VARQUIN_FUZZ_GRAINE=7 varquin_core_tests --gtest_filter='Fuzz*'

#include "ProjetTest.h"
#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "data/ImportEpw.h"
#include "data/modTables.h"
#include "tests/support/AnneeEpw.h"

#include <cfloat>
#include <cmath>
#include <iostream>
#include <regex>

using namespace essai;

namespace {
long Reglage(const char* variable, long defaut) {
    const char* v = std::getenv(variable);
    return v ? std::atol(v) : defaut;
}
int Nombre(int base) {
    return base * static_cast<int>(std::max(1L, Reglage("VARQUIN_FUZZ_FACTEUR", 1)));
}
unsigned Graine(unsigned decalage) {
    return decalage + static_cast<unsigned>(Reglage("VARQUIN_FUZZ_GRAINE", 20240611));
}

const std::string Extremes[] = {"-1",  "0",      "1e30",    "-1E+30", "NaN",
                                "inf", "1E-300", "3.4E+38", "40000",  "1,2,3",
                                "--1", "1e",     ",",       "",       std::string(400, '9')};
// What a damaged file may hold: terminal escapes, other controls, bytes that are not
// UTF-8, a C1 control, a bidirectional override, message place-holders.
const char* const Intrus[] = {"\x1b[2J\x1b[31m", "\x1b]0;x\x07", "\x08\x7f\x01", "\xc2\x9b",
                              "\xe2\x80\xae",    "\xff\xfe\xc3", "%s%s%n",       "#&*\t\t"};

class Mutateur {
public:
    explicit Mutateur(unsigned graine) : alea_(graine) {}

    // Mostly one mutation, so that many files still read and their values reach the run.
    std::string Muter(std::string t) {
        for (int i = 0, n = 1 + Entier(8) / 5 + Entier(8) / 7; i < n && !t.empty(); ++i)
            t = UneMutation(std::move(t));
        return t;
    }
    int Entier(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea_); }

private:
    std::string UneMutation(std::string t) {
        const auto position = [&] { return std::size_t(Entier(int(t.size()))); };
        // The line holding p, its end included: [d, f); the next one [f, f2).
        const auto fin = [&](std::size_t i) { return std::min(t.find('\n', i), t.size() - 1) + 1; };
        const std::size_t p = position(), d = t[p] == '\n' ? p + 1 : t.rfind('\n', p) + 1;
        const std::size_t f = std::min(fin(d), t.size()), f2 = std::min(fin(f), t.size());
        switch (Entier(12)) {
        case 0: // cut short
            return t.substr(0, p);
        case 1: // bytes changed
            for (int i = 0, n = 1 + Entier(8); i < n; ++i)
                t[position()] = static_cast<char>(Entier(256));
            return t;
        case 2:
        case 3:
        case 4: { // a value (not a digit of a key) replaced by an extreme
            std::size_t n = t.find_first_of("0123456789", p);
            while (n != std::string::npos && n > 0 &&
                   (std::isalpha(static_cast<unsigned char>(t[n - 1])) || t[n - 1] == '_'))
                n = t.find_first_of("0123456789", t.find_first_not_of("0123456789", n));
            if (n == std::string::npos)
                return t;
            n -= n > 0 && t[n - 1] == '-';
            const std::size_t fn = std::min(t.find_first_not_of("0123456789.,eE+-", n), t.size());
            return t.replace(n, fn - n, Extremes[Entier(std::size(Extremes))]);
        }
        case 5: // a line dropped
            return t.erase(d, f - d);
        case 6: // a line doubled
            return t.insert(d, t.substr(d, f - d));
        case 7: // two lines swapped
            return t.substr(0, d) + t.substr(f, f2 - f) + t.substr(d, f - d) + t.substr(f2);
        case 8: // separators changed on one line
            for (std::size_t i = d; i < f; ++i)
                t[i] = t[i] == '\t' ? ' ' : t[i] == ' ' ? '\t' : t[i] == ',' ? ';' : t[i];
            return t;
        case 9: // values beyond the twelve months and the 32 mask points
            return t.insert(
                std::min(t.find_first_of("\r\n", p), t.size()),
                "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t0\t1\t2\t3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0");
        case 10: // controls and stray bytes
            return t.insert(p, Intrus[Entier(std::size(Intrus))]);
        default: // a huge text, now and then beyond the size a file may have
            return t.insert(p, std::string(Entier(20) == 0 ? 2 << 20 : 100000, "9A"[Entier(2)]));
        }
    }

    std::mt19937 alea_;
};

// A message as the person reads it: French, bounded, valid UTF-8, and without a control
// character other than a line break.
testing::AssertionResult Lisible(const std::string& texte) {
    if (texte.size() > 6000)
        return testing::AssertionFailure() << texte.size() << " octets : " << texte.substr(0, 200);
    for (std::size_t i = 0; i < texte.size();) {
        char32_t c = 0;
        const std::size_t n = LongueurSequence(texte, i, c);
        const bool controle = (c < 0x20 && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F) ||
                              (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        if (n == 0 || controle)
            return testing::AssertionFailure() << "octet " << i << " : " << Citer(texte, 400);
        i += n;
    }
    static const std::regex anglais(R"(\b(error|failed|denied|exception|invalid|cannot|unknown|no )"
                                    R"(such)\b|what\(\)|std::|basic_string)",
                                    std::regex::icase);
    if (std::regex_search(texte, anglais))
        return testing::AssertionFailure() << "de l'anglais : " << texte;
    return testing::AssertionSuccess();
}

// A complete run: coverage 0 to 100 %, needs and productivity finite and not negative.
testing::AssertionResult ResultatsSenses(const EnregistrementCalcul& c) {
    const auto faux = [](float v, float max = FLT_MAX) { return !(v >= 0 && v <= max); };
    for (int m = 1; m <= 12; ++m) {
        if (faux(c.Fecs[m], 100) || faux(c.Becs[m]) || faux(c.Prod[m]))
            return testing::AssertionFailure() << "mois " << m << " : Fecs " << c.Fecs[m]
                                               << ", Becs " << c.Becs[m] << ", Prod " << c.Prod[m];
    }
    // A one-piece water heater's figure per m² is never calculated: what it holds is left over.
    const bool parM2 = c.Classe_Systeme != ClasseSysteme::ChauffeEauMonobloc;
    if (faux(c.Fecs_an, 100) || faux(c.Becs_an) || faux(c.Productivite_an) ||
        (parM2 && faux(c.Productivite_par_m2)))
        return testing::AssertionFailure()
               << "année : Fecs " << c.Fecs_an << ", Becs " << c.Becs_an << ", Prod "
               << c.Productivite_an << ", par m² " << c.Productivite_par_m2;
    return testing::AssertionSuccess();
}

struct Bilan {
    int refuses = 0, interrompus = 0, calcules = 0;
    // The counts, for a long run by hand.
    void Afficher(const char* quoi) const {
        std::cout << quoi << " : " << refuses << " refusés, " << interrompus << " interrompus, "
                  << calcules << " calculés\n";
    }
};

class Fuzz : public ProjetTest {
protected:
    void SetUp() override {
        ProjetTest::SetUp();
        AfficherMessages = true; // numbered messages, which quote files, are checked too
    }
    void VerifierNotifications(const std::string& quoi) {
        for (const std::string& boite : notif.messages)
            ASSERT_TRUE(Lisible(boite)) << quoi;
        notif.Effacer();
    }
    // One run through the lifecycle, its messages and its results checked.
    void CalculerEtVerifier(clsprojet& p, Bilan& bilan, const std::string& quoi) {
        const RapportCalcul rapport = p.Calculer();
        for (const MessageCalcul& m : rapport.Messages())
            ASSERT_TRUE(Lisible(m.texte)) << quoi;
        if (rapport.Complet() && p.ResultatsCalcules()) {
            ++bilan.calcules;
            ASSERT_TRUE(ResultatsSenses(p.Enregistrement().Calcul)) << quoi;
        } else {
            ++bilan.interrompus;
        }
        VerifierNotifications(quoi);
    }
    // The projects the mutations start from: both kinds of system, a mask, the values
    // of the file's extension section.
    std::vector<std::string> ProjetsDeDepart() {
        std::vector<std::string> textes;
        for (const auto& reglages :
             {std::vector<std::string>{"TypeSysteme=SYSTEME CAPTEUR BALLON", "a=6", "Conso=250",
                                       "Efficacité:TypeDeCalcul=Calc. détaillé", "NB points=3",
                                       "Masque_Existe=1", "Masque_Hauteur=10 20 5",
                                       "TLocalChauffe=21", "TypeDeCalculVs=Val. forcée"},
              {"TypeSysteme=CHAUFFE-EAU MONOBLOC", "Conso=120", "B_Situation.Indice=3",
               "Masque_Existe=1"}}) {
            clsprojet p;
            (void)p.Nouveau();
            for (const std::string& r : reglages)
                p.Appliquer(r.substr(0, r.find('=')), r.substr(r.find('=') + 1));
            EXPECT_TRUE(p.Calculer().Complet());
            textes.push_back(p.TexteFichier());
        }
        return textes;
    }
};
} // namespace

TEST_F(Fuzz, ProjetsAbimesRefusesOuCalculesJamaisAMoitieLus) {
    const std::vector<std::string> departs = ProjetsDeDepart();
    DossierTemporaire dossier;
    const std::string chemin = dossier / "essai.vqp", copie = dossier / "copie.vqp";
    Mutateur mutateur(Graine(0));
    Bilan bilan;
    for (int essai = 0, n = Nombre(600); essai < n; ++essai) {
        const std::string texte = mutateur.Muter(departs[essai % departs.size()]);
        EcrireOctets(chemin, mutateur.Entier(2) ? VersWindows1252(texte) : texte);
        const std::string quoi = "essai " + std::to_string(essai);
        clsprojet p;
        (void)p.Nouveau();
        const std::string avant = p.TexteFichier();
        try {
            p.Ouvrir(chemin);
        } catch (const ErreurFichier& e) {
            ++bilan.refuses;
            ASSERT_TRUE(Lisible(e.what())) << quoi;
            ASSERT_NE(std::string(e.what()).find("essai.vqp"), std::string::npos) << quoi;
            ASSERT_EQ(p.TexteFichier(), avant) << quoi;
            VerifierNotifications(quoi);
            continue;
        }
        VerifierNotifications(quoi);
        ASSERT_NO_FATAL_FAILURE(CalculerEtVerifier(p, bilan, quoi));
        // Whatever the run left, the project saved opens again to the same file.
        p.EnregistrerSous(copie);
        clsprojet relu;
        (void)relu.Nouveau();
        relu.Ouvrir(copie);
        // (Characters Windows-1252 has not, from a UTF-8 file, are saved as "?".)
        ASSERT_TRUE(VersWindows1252(relu.TexteFichier()) == VersWindows1252(p.TexteFichier()))
            << quoi;
    }
    bilan.Afficher("projets");
    // Each outcome must occur often for the test to mean anything.
    EXPECT_GT(bilan.refuses, Nombre(600) / 3);
    EXPECT_GT(bilan.calcules, Nombre(600) / 20);
    EXPECT_GT(bilan.interrompus, 0);
}

TEST_F(Fuzz, DossiersDeDonneesAbimesRefusesAuDemarrageOuCalcules) {
    CopieFixture copie;
    DossierTemporaire ailleurs;
    const std::string projet = ailleurs / "projet.vqp";
    EcrireOctets(projet, VersWindows1252(ProjetsDeDepart().front()));
    std::vector<std::string> fichiers;
    for (const auto& f : fs::recursive_directory_iterator(copie.chemin()))
        if (f.is_regular_file())
            fichiers.push_back(f.path().string());
    Mutateur mutateur(Graine(1));
    Bilan bilan;
    for (int essai = 0, n = Nombre(120); essai < n; ++essai) {
        const std::string& fichier =
            fichiers[static_cast<std::size_t>(mutateur.Entier(int(fichiers.size())))];
        const std::string quoi = "essai " + std::to_string(essai) + ", " + fichier;
        const std::string original = LireOctets(fichier), abime = mutateur.Muter(original);
        EcrireOctets(fichier, abime);
        // The table reader on its own, every entry taken as every kind of value.
        Table table;
        LireTableDepuisTexte(DecoderTexte(abime), fichier, table);
        for (int k = 1; k < int(table.size()); ++k) {
            std::string s;
            float f = 0;
            double d = 0;
            int16_t i = 0;
            try {
                LireValeursTable(table, k, {&s, &f, &d, &i, &s, &f, &d, &i});
            } catch (const ErreurExecution& e) { // a 16-bit overflow, as the method raises it
                ASSERT_TRUE(Lisible(e.what())) << quoi;
            }
        }
        VerifierNotifications(quoi);
        ReinitialiserDonnees();
        AfficherMessages = true;
        const bool charge = ChargementInitial(copie.chemin());
        ASSERT_TRUE(charge || !notif.messages.empty()) << quoi; // a refusal says why
        VerifierNotifications(quoi);
        bilan.refuses += !charge;
        if (!charge)
            Messages.fill(std::string()); // a refused folder's messages are not used
        if (charge) {
            clsprojet p;
            (void)p.Nouveau();
            try {
                p.Ouvrir(projet);
            } catch (const ErreurFichier& e) {
                ASSERT_TRUE(Lisible(e.what())) << quoi;
            }
            ASSERT_NO_FATAL_FAILURE(CalculerEtVerifier(p, bilan, quoi));
        }
        EcrireOctets(fichier, original);
    }
    bilan.Afficher("dossiers de données");
    EXPECT_GT(bilan.refuses, Nombre(120) / 4);
    EXPECT_GT(bilan.calcules, Nombre(120) / 10);
}

TEST_F(Fuzz, FichiersMeteoAbimesRefusesOuPlausibles) {
    const std::string annee = AnneeEpw().Texte();
    DossierTemporaire dossier;
    const std::string chemin = dossier / "essai.epw";
    Mutateur mutateur(Graine(2));
    Bilan bilan;
    for (int essai = 0, n = Nombre(60); essai < n; ++essai) {
        EcrireOctets(chemin, mutateur.Muter(annee));
        const std::string quoi = "essai " + std::to_string(essai);
        try {
            const StationEpw s = ImporterEpw(chemin);
            ++bilan.calcules;
            ASSERT_TRUE(s.heures == 8760 || s.heures == 8784) << quoi;
            ASSERT_TRUE(Lisible(s.nom)) << quoi;
            ASSERT_EQ(s.nom.find_first_of("#&*"), std::string::npos) << quoi;
            for (int m = 1; m <= 12; ++m) {
                ASSERT_TRUE(s.Gh[m] >= 0 && s.Gh[m] <= 1.4f * 24) << quoi << ", mois " << m;
                ASSERT_TRUE(s.Text[m] >= -60 && s.Text[m] <= 60) << quoi << ", mois " << m;
                ASSERT_TRUE(std::isfinite(s.Tef[m])) << quoi << ", mois " << m;
            }
        } catch (const ErreurFichier& e) {
            ++bilan.refuses;
            ASSERT_TRUE(Lisible(e.what())) << quoi;
            ASSERT_NE(std::string(e.what()).find("essai.epw"), std::string::npos) << quoi;
        }
    }
    bilan.Afficher("fichiers météo");
    EXPECT_GT(bilan.refuses, Nombre(60) / 4);
    EXPECT_GT(bilan.calcules, Nombre(60) / 25);
}
