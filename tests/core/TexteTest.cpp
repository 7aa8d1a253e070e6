// Tokenizing, trimming, number conversion and formatting of the shared text routines.

#include "common/Texte.h"

#include "DonneesTest.h"
#include "data/modTexte.h"

#include <gtest/gtest.h>

TEST(Texte, MotsLignesEtEspaces) {
    std::string t = "   12    3,5 x  ";
    for (const char* mot : {"12", "3,5", "x", ""})
        EXPECT_EQ(LireMot(t, " "), mot);
    EXPECT_EQ(t, "");
    // A separator other than a space leaves empty tokens between repeats.
    std::string u = "a;;b\t";
    for (const char* mot : {"a", "", "b\t"})
        EXPECT_EQ(LireMot(u, ";"), mot);
    // Trimming takes spaces only.
    EXPECT_EQ(Rogner(" \ta\t "), "\ta\t");
    std::string v = "\tx \ty";
    EXPECT_EQ(LireMot(v, " "), "\tx");

    std::string tampon = "a\r\n\r\n  b  \r\nc";
    for (const char* ligne : {"a", "", "b", "c", ""})
        EXPECT_EQ(LireLigne(tampon), ligne);

    EXPECT_EQ(Remplacer("a %s b %s", "%s", "X"), "a X b X");
    EXPECT_EQ(Remplacer("aaa", "aa", "b"), "ba");       // resumes after the whole occurrence
    EXPECT_EQ(Remplacer("aa", "a", "aa"), "aaaa");      // never re-reads what it inserted
    EXPECT_EQ(Remplacer("x a y", " a ", "a"), "x a y"); // equal once trimmed: unchanged

    std::string long_;
    for (int i = 0; i < 400; ++i) // well past 255 characters
        long_ += "mot    ";
    EXPECT_EQ(CompacterEspaces("  a   b  c  "), "a b c");
    EXPECT_EQ(CompacterEspaces(long_).size(), 400u * 4 - 1);
}

TEST(Texte, ConversionDesNombres) {
    NotificateurEnregistreur notif;
    std::string avecPoint = "12.5";
    EXPECT_DOUBLE_EQ(ConvertirNombre(avecPoint), 12.5);
    EXPECT_EQ(avecPoint, "12,5"); // the value passed is changed
    const std::pair<const char*, double> nombres[] = {
        {"-0,25", -0.25}, {"3.", 3}, {" 7 ", 7}, {"+2,5E2", 250}, {"", 0}};
    for (const auto& [texte, valeur] : nombres)
        EXPECT_DOUBLE_EQ(ConvertirNombre(std::string(texte)), valeur) << texte;
    EXPECT_TRUE(notif.messages.empty());
    // Not a number: the message, and the leading number.
    EXPECT_EQ(ConvertirNombre(std::string("abc")), 0.0);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("12.5kWh")), 12.5);
    EXPECT_EQ(notif.messages, (std::vector<std::string>{"Erreur de conversion de abc.",
                                                        "Erreur de conversion de 12,5kWh."}));
    EXPECT_EQ(notif.titres.front(), "VARQUIN");
    EXPECT_EQ(ValeurEnTete("1E999"), 0.0); // beyond a double
    EXPECT_DOUBLE_EQ(ValeurEnTete("1E-3 reste"), 0.001);

    std::array<float, 13> mois{};
    mois[0] = 99;
    LireDouzeValeurs(" 1 2,5  3.5 ", mois);
    EXPECT_EQ(mois, (std::array<float, 13>{99, 1, 2.5f, 3.5f})); // index 0 is never written
    LireDouzeValeurs("1 2 3 4 5 6 7 8 9 10 11 12 13 14", mois);
    EXPECT_FLOAT_EQ(mois[12], 12);
}

TEST(Texte, FormatsArrondisAuDemiLoinDeZero) {
    const std::pair<double, const char*> deux[] = {{2.675, "2,68"}, // 2.67499999... in binary
                                                   {0.125, "0,13"},
                                                   {-0.125, "-0,13"},
                                                   {0.005, "0,01"},
                                                   {0.0049, "0,00"},
                                                   {-0.001, "0,00"},
                                                   {99.999, "100,00"},
                                                   {1234567.891, "1234567,89"},
                                                   {1e20, "100000000000000000000,00"}};
    for (const auto& [valeur, texte] : deux)
        EXPECT_EQ(FormatDeuxDecimales(valeur), texte) << valeur;
    EXPECT_EQ(FormatDeuxDecimales(std::string("12.5")), "12,50");
    EXPECT_EQ(FormatDecimales(0.05, 1), "0,1");
    // Whole numbers: the integer part of the value plus a half.
    const std::pair<double, const char*> entiers[] = {
        {2.5, "3"}, {2.49, "2"}, {-2.5, "-2"}, {-0.2, "0"}};
    for (const auto& [valeur, texte] : entiers)
        EXPECT_EQ(FormatEntier(valeur), texte) << valeur;
}
