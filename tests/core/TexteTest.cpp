// Tokenizing, trimming, number conversion and formatting of the shared text routines.

#include "common/Texte.h"

#include "NotificateurTest.h"
#include "data/modTexte.h"

#include <gtest/gtest.h>

TEST(LireMot, TabulationsEtEspaces) {
    std::string t = "a\tb\t";
    EXPECT_EQ(LireMot(t, "\t"), "a");
    EXPECT_EQ(t, "b\t");
    EXPECT_EQ(LireMot(t, "\t"), "b");
    EXPECT_EQ(t, "");
}

TEST(LireMot, SeparateursRepetesEtEspacesRognes) {
    std::string t = "   12    3,5 x  ";
    EXPECT_EQ(LireMot(t, " "), "12");
    EXPECT_EQ(t, "3,5 x");
    EXPECT_EQ(LireMot(t, " "), "3,5");
    EXPECT_EQ(LireMot(t, " "), "x");
    EXPECT_EQ(t, "");
    EXPECT_EQ(LireMot(t, " "), "");

    // A separator other than a space leaves empty tokens between repeats.
    std::string u = "a;;b";
    EXPECT_EQ(LireMot(u, ";"), "a");
    EXPECT_EQ(LireMot(u, ";"), "");
    EXPECT_EQ(LireMot(u, ";"), "b");
}

TEST(LireMot, RognerNeRetireQueLesEspaces) {
    EXPECT_EQ(Rogner(" \ta\t "), "\ta\t");
    std::string t = "\tx \ty";
    EXPECT_EQ(LireMot(t, " "), "\tx");
    EXPECT_EQ(t, "\ty");
}

TEST(LireLigne, LignesVidesEtFinDeTampon) {
    std::string tampon = "a\r\n\r\n  b  \r\nc";
    EXPECT_EQ(LireLigne(tampon), "a");
    EXPECT_EQ(LireLigne(tampon), "");
    EXPECT_EQ(LireLigne(tampon), "b");
    EXPECT_EQ(LireLigne(tampon), "c");
    EXPECT_TRUE(tampon.empty());
    EXPECT_EQ(LireLigne(tampon), "");
}

TEST(ConvertirNombre, VirguleEtPointDonnentLaMemeValeur) {
    RecordingNotificateur notif;
    std::string avecPoint = "12.5";
    EXPECT_DOUBLE_EQ(ConvertirNombre(avecPoint), 12.5);
    EXPECT_EQ(avecPoint, "12,5"); // the value passed is changed
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("-0,25")), -0.25);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("3.")), 3.0);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string(" 7 ")), 7.0);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("+2,5E2")), 250.0);
    EXPECT_TRUE(notif.messages.empty());
}

TEST(ConvertirNombre, HorsDesBornesDuFlottantDonneZero) {
    EXPECT_EQ(ValeurEnTete("1E999"), 0.0);
    EXPECT_EQ(ValeurEnTete("-1E999"), 0.0);
    EXPECT_DOUBLE_EQ(ValeurEnTete("1E-3 reste"), 0.001);
}

TEST(ConvertirNombre, VideDonneZeroSansMessage) {
    RecordingNotificateur notif;
    EXPECT_EQ(ConvertirNombre(std::string()), 0.0);
    EXPECT_TRUE(notif.messages.empty());
}

TEST(ConvertirNombre, TexteNonNumeriqueAfficheLeMessageEtRendLeNombreDeTete) {
    RecordingNotificateur notif;
    EXPECT_EQ(ConvertirNombre(std::string("abc")), 0.0);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("12.5kWh")), 12.5);
    ASSERT_EQ(notif.messages.size(), 2u);
    EXPECT_EQ(notif.messages[0].texte, "Erreur de conversion de abc.");
    EXPECT_EQ(notif.messages[0].titre, "VARQUIN");
    // The message shows the changed value, point turned into a comma.
    EXPECT_EQ(notif.messages[1].texte, "Erreur de conversion de 12,5kWh.");
}

TEST(Remplacer, CasParticuliers) {
    EXPECT_EQ(Remplacer("a %s b %s", "%s", "X"), "a X b X");
    EXPECT_EQ(Remplacer("aaa", "aa", "b"), "ba");       // resumes after the whole occurrence
    EXPECT_EQ(Remplacer("aa", "a", "aa"), "aaaa");      // never re-reads what it inserted
    EXPECT_EQ(Remplacer("x a y", " a ", "a"), "x a y"); // equal once trimmed: unchanged
    EXPECT_EQ(Remplacer("", "a", "b"), "");
}

TEST(LireDouzeValeurs, ValeursManquantesEtSurnumeraires) {
    std::array<float, 13> mois{};
    mois[0] = 99;
    LireDouzeValeurs(" 1 2,5  3.5 ", mois);
    EXPECT_EQ(mois[0], 99); // index 0 is never written
    EXPECT_FLOAT_EQ(mois[1], 1);
    EXPECT_FLOAT_EQ(mois[2], 2.5f);
    EXPECT_FLOAT_EQ(mois[3], 3.5f);
    for (int m = 4; m <= 12; ++m)
        EXPECT_EQ(mois[m], 0) << m;
    LireDouzeValeurs("1 2 3 4 5 6 7 8 9 10 11 12 13 14", mois);
    EXPECT_FLOAT_EQ(mois[12], 12);
}

TEST(CompacterEspaces, CourtEtLong) {
    EXPECT_EQ(CompacterEspaces("  a   b  c  "), "a b c");
    // Well past 255 characters.
    std::string long_;
    for (int i = 0; i < 400; ++i)
        long_ += "mot    ";
    const std::string r = CompacterEspaces(long_);
    EXPECT_EQ(r.size(), 400u * 4 - 1);
    EXPECT_EQ(r.find("  "), std::string::npos);
}

TEST(Format, DeuxDecimalesArrondiesCommeLeMotifDuProgramme) {
    EXPECT_EQ(FormatDeuxDecimales(std::string("12.5")), "12,50");
    EXPECT_EQ(FormatDeuxDecimales(2.675), "2,68"); // 2.67499999... in binary
    EXPECT_EQ(FormatDeuxDecimales(0.125), "0,13"); // halves away from zero
    EXPECT_EQ(FormatDeuxDecimales(-0.125), "-0,13");
    EXPECT_EQ(FormatDeuxDecimales(0.005), "0,01");
    EXPECT_EQ(FormatDeuxDecimales(0.0049), "0,00");
    EXPECT_EQ(FormatDeuxDecimales(-0.001), "0,00");
    EXPECT_EQ(FormatDeuxDecimales(99.999), "100,00");
    EXPECT_EQ(FormatDeuxDecimales(1234567.891), "1234567,89");
    EXPECT_EQ(FormatDeuxDecimales(1e20), "100000000000000000000,00");
    EXPECT_EQ(FormatDecimales(2.5, 0), "3");
    EXPECT_EQ(FormatDecimales(0.05, 1), "0,1");
}

TEST(Format, EntierEstLaPartieEntiereDeValeurPlusUnDemi) {
    EXPECT_EQ(FormatEntier(2.5), "3");
    EXPECT_EQ(FormatEntier(2.49), "2");
    EXPECT_EQ(FormatEntier(-2.5), "-2");
    EXPECT_EQ(FormatEntier(-0.2), "0");
}
