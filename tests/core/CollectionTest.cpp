// Keyed collections, the routines between collections and month arrays, and the
// loading of value-and-key files.

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/ModCollection.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
std::vector<double> Valeurs(const CollectionNombres& c) {
    return {c.begin(), c.end()};
}
} // namespace

TEST(Collection, OrdreDInsertionClesEtSuppression) {
    Collection<std::string> c;
    c.Add("un", "A");
    c.Add("deux");
    c.Add("trois", "Clé");
    EXPECT_EQ(c.Item("CLÉ"), "trois"); // keys ignore case, accents included
    EXPECT_THROW(c.Add("encore", "a"), ErreurExecution);
    EXPECT_EQ(c.Count(), 3);
    for (const auto& acces : std::initializer_list<std::function<void()>>{
             [&] { c.Item(0); }, [&] { c.Item(4); }, [&] { c.Item("absente"); }})
        EXPECT_THROW(acces(), ErreurIndice);
    c.Remove(1); // the others move down, and their keys follow them
    EXPECT_EQ(c.Item(1), "deux");
    EXPECT_EQ(c.Item("Clé"), "trois");
    c.Add("quatre", "A"); // a removed key is free again
    EXPECT_EQ(c.Item(3), "quatre");

    CollectionNombres source, copie;
    source.Add(1.5, "a");
    source.Add(2.5);
    RemplirCollection(copie, 0.0, 12);
    CopierCollection(source, copie);
    EXPECT_EQ(Valeurs(copie), (std::vector<double>{1.5, 2.5}));
    EXPECT_FALSE(copie.Contient("a")); // items are copied, keys are not
    CopierCollection(source, source);
    EXPECT_EQ(source.Count(), 2);
}

TEST(Collection, DouzeValeursMoisEtPointsDeMasque) {
    NotificateurEnregistreur notif;
    CollectionNombres c;
    RemplirCollection(c, 7.0, 3);
    ListeDouzeValeurs(" 1  2,5 3.5 ", c);
    std::vector<double> attendu(12, 0.0);
    attendu[0] = 1;
    attendu[1] = 2.5;
    attendu[2] = 3.5;
    EXPECT_EQ(Valeurs(c), attendu);
    ListeDouzeValeurs("1 2 3 4 5 6 7 8 9 10 11 12 13", c);
    EXPECT_EQ(Valeurs(c).back(), 12);
    EXPECT_TRUE(notif.messages.empty());
    ListeDouzeValeurs("1 x", c);
    EXPECT_EQ(c.Item(2), 0);
    EXPECT_TRUE(notif.Contient("Erreur de conversion de x."));

    std::array<float, 13> mois{};
    for (int m = 0; m <= 12; ++m)
        mois[m] = 0.1f * static_cast<float>(m) - 0.3f;
    MoisVersCollection(mois, c);
    std::array<float, 13> retour{};
    retour[0] = 42;
    CollectionVersMois(retour, c);
    mois[0] = 42; // index 0 untouched
    EXPECT_EQ(retour, mois);
    RemplirCollection(c, 5.0, 13);
    EXPECT_THROW(CollectionVersMois(mois, c), ErreurIndice);
    EXPECT_EQ(mois[12], 5); // months 1..12 were written before the fault
}

namespace {
const std::vector<std::string> kColonnes = {"Latitude", "Zone", "D1"};

// The message of the error loading the text throws, and what it loaded before.
std::string ErreurDe(const std::string& texte, int* charges = nullptr) {
    Collection<clsDonnees> c;
    try {
        ChargerCollectionDepuisTexte(texte, "Stati.TXT", c, kColonnes);
    } catch (const ErreurExecution& e) {
        if (charges)
            *charges = c.Count();
        return e.what();
    }
    return "(aucune erreur)";
}
} // namespace

TEST(ChargerCollection, GroupesDeLignesConsecutivesEtErreurs) {
    Collection<clsDonnees> c;
    ChargerCollectionDepuisTexte("Stations\r\nValeurs\r\n45,7°N #Lyon\r\nrien\r\nH1c #Lyon\r\n"
                                 "1 2 #Lyon\r\n  -21,1°S   # Saint-Denis\r\n",
                                 "Stati.TXT", c, kColonnes);
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item("Lyon").Colonne("Zone"), "H1c");
    EXPECT_EQ(c.Item("Lyon").Colonne("D1"), "1 2");
    // The key is the text after "#" as it stands; the value is trimmed.
    const clsDonnees& sud = c.Item(" Saint-Denis");
    EXPECT_EQ(sud.Colonne("Latitude"), "-21,1°S");
    EXPECT_THROW(sud.Colonne("Zone"), ErreurIndice);

    int charges = 0; // the groups read before the fault stay
    const std::string repetee = ErreurDe("a #Lyon\r\nb #Nice\r\nc #Lyon\r\n", &charges);
    EXPECT_NE(repetee.find("« Lyon »"), std::string::npos) << repetee;
    EXPECT_NE(repetee.find("Stati.TXT, ligne 3"), std::string::npos) << repetee;
    EXPECT_EQ(charges, 2);
    const std::string longue = ErreurDe("x\r\na #Lyon\r\nb #Lyon\r\nc #Lyon\r\nd #Lyon\r\n");
    EXPECT_NE(longue.find("Stati.TXT, ligne 5"), std::string::npos) << longue;
}
