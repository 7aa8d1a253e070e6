// Keyed collections, the routines between collections and month arrays, and the
// loading of value-and-key files.

#include "NotificateurTest.h"
#include "common/Erreurs.h"
#include "data/ModCollection.h"

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
    ASSERT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(2), "deux");
    EXPECT_EQ(c.Item("clé"), "trois"); // keys ignore case
    EXPECT_EQ(c.Item("CLÉ"), "trois");
    EXPECT_THROW(c.Add("encore", "a"), ErreurExecution);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_THROW(c.Item(0), ErreurIndice);
    EXPECT_THROW(c.Item(4), ErreurIndice);
    EXPECT_THROW(c.Item("absente"), ErreurIndice);

    c.Remove(1); // the others move down, and their keys follow them
    EXPECT_EQ(c.Item(1), "deux");
    EXPECT_EQ(c.Item("Clé"), "trois");
    EXPECT_FALSE(c.Contient("A"));
    c.Add("quatre", "A"); // a removed key is free again
    EXPECT_EQ(c.Item(3), "quatre");
    ViderCollection(c);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.Contient("Clé"));
}

TEST(ModCollection, RemplirEtCopier) {
    CollectionNombres zeros;
    RemplirCollection(zeros, 0.0, 12);
    EXPECT_EQ(Valeurs(zeros), std::vector<double>(12, 0.0));

    CollectionNombres source;
    source.Add(1.5, "a");
    source.Add(2.5);
    CopierCollection(source, zeros);
    EXPECT_EQ(Valeurs(zeros), (std::vector<double>{1.5, 2.5}));
    EXPECT_FALSE(zeros.Contient("a")); // items are copied, keys are not
    CopierCollection(source, source);
    EXPECT_EQ(source.Count(), 2);
}

TEST(ModCollection, ListeDouzeValeurs) {
    RecordingNotificateur notif;
    CollectionNombres c;
    RemplirCollection(c, 7.0, 3);
    ListeDouzeValeurs(" 1  2,5 3.5 ", c);
    std::vector<double> attendu(12, 0.0);
    attendu[0] = 1;
    attendu[1] = 2.5;
    attendu[2] = 3.5;
    EXPECT_EQ(Valeurs(c), attendu);
    EXPECT_TRUE(notif.messages.empty());

    ListeDouzeValeurs("1 2 3 4 5 6 7 8 9 10 11 12 13", c);
    EXPECT_EQ(c.Count(), 12);
    EXPECT_EQ(c.Item(12), 12);
    ListeDouzeValeurs("1 x", c);
    EXPECT_EQ(c.Item(2), 0);
    EXPECT_TRUE(notif.AMessageContenant("Erreur de conversion de x."));
}

TEST(ModCollection, MoisAllerRetour) {
    std::array<float, 13> mois{};
    for (int m = 0; m <= 12; ++m)
        mois[m] = 0.1f * static_cast<float>(m) - 0.3f;
    CollectionNombres c;
    MoisVersCollection(mois, c);
    ASSERT_EQ(c.Count(), 12);
    std::array<float, 13> retour{};
    retour[0] = 42;
    CollectionVersMois(retour, c);
    EXPECT_EQ(retour[0], 42); // index 0 untouched
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(retour[m], mois[m]) << m;
}

TEST(ModCollection, TreizeElementsDebordentAuTreizieme) {
    CollectionNombres c;
    RemplirCollection(c, 5.0, 13);
    std::array<float, 13> mois{};
    EXPECT_THROW(CollectionVersMois(mois, c), ErreurIndice);
    EXPECT_EQ(mois[12], 5); // months 1..12 were written before the fault
}

TEST(ModCollection, TableauxDePointsDeMasque) {
    std::array<float, 33> points{};
    for (std::size_t i = 1; i < points.size(); ++i)
        points[i] = static_cast<float>(i) * 2;
    CollectionNombres c;
    TableauVersCollection(points, c);
    ASSERT_EQ(c.Count(), 32);
    EXPECT_EQ(c.Item(32), 64);
    std::array<float, 33> retour{};
    c.Remove(32);
    CollectionVersTableau(retour, c);
    EXPECT_EQ(retour[31], 62);
    EXPECT_EQ(retour[32], 0); // fewer items: the rest is left as it was
}

TEST(ModCollection, Statistiques) {
    CollectionNombres c;
    for (double v : {4.0, -2.0, 10.0, 0.0})
        c.Add(v);
    float mini = 0, moy = 0, maxi = 0;
    Statistiques(c, mini, moy, maxi);
    EXPECT_EQ(mini, -2);
    EXPECT_EQ(moy, 3);
    EXPECT_EQ(maxi, 10);

    CollectionNombres vide;
    mini = moy = maxi = 9;
    EXPECT_THROW(Statistiques(vide, mini, moy, maxi), ErreurArithmetique);
    EXPECT_EQ(moy, 9);
}

namespace {
const std::vector<std::string> kColonnes = {"Latitude", "Zone", "D1"};

Collection<clsDonnees> Charger(const std::string& texte) {
    Collection<clsDonnees> c;
    ChargerCollectionDepuisTexte(texte, "Stati.TXT", c, kColonnes);
    return c;
}

// The message of the error that loading the text throws.
template <typename E> std::string ErreurDe(const std::string& texte) {
    try {
        Charger(texte);
    } catch (const E& e) {
        return e.what();
    }
    return "(aucune erreur)";
}
} // namespace

TEST(ChargerCollection, GroupesDeLignesConsecutives) {
    const auto c = Charger("Stations\r\nValeurs\r\n45,7°N #Lyon\r\nH1c #Lyon\r\n1 2 #Lyon\r\n"
                           "  -21,1°S   # Saint-Denis\r\n");
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Cle(1), "Lyon");
    EXPECT_EQ(c.Item("Lyon").Colonne("Zone"), "H1c");
    EXPECT_EQ(c.Item("Lyon").Colonne("D1"), "1 2");
    // The key is the text after "#" as it stands; the value is trimmed.
    const clsDonnees& sud = c.Item(" Saint-Denis");
    EXPECT_EQ(sud.Colonne("Latitude"), "-21,1°S");
    EXPECT_EQ(sud.donnees.Count(), 1);
    EXPECT_THROW(sud.Colonne("Zone"), ErreurIndice);
}

TEST(ChargerCollection, CleQuiRevientNommeFichierEtLigne) {
    const std::string texte = "a #Lyon\r\nb #Nice\r\nc #Lyon\r\n";
    const std::string message = ErreurDe<ErreurExecution>(texte);
    EXPECT_NE(message.find("Lyon"), std::string::npos) << message;
    EXPECT_NE(message.find("Stati.TXT, ligne 3"), std::string::npos) << message;
    // The groups read before the fault stay.
    Collection<clsDonnees> c;
    EXPECT_ANY_THROW(ChargerCollectionDepuisTexte(texte, "Stati.TXT", c, kColonnes));
    EXPECT_EQ(c.Count(), 2);
}

TEST(ChargerCollection, GroupeTropLongNommeFichierEtLigne) {
    const std::string message =
        ErreurDe<ErreurIndice>("x\r\na #Lyon\r\nb #Lyon\r\nc #Lyon\r\nd #Lyon\r\n");
    EXPECT_NE(message.find("Stati.TXT, ligne 5"), std::string::npos) << message;
}

TEST(ChargerCollection, LignesSansDiese) {
    EXPECT_EQ(Charger("").Count(), 1); // one empty object under the empty key
    const auto c = Charger("Titre\r\n\r\n1 #A\r\nrien\r\n2 #A\r\n");
    ASSERT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item("A").Colonne("Zone"), "2");
}
