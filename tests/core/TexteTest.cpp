#include "data/modTexte.h"

#include <gtest/gtest.h>

TEST(LireMot, TabulationsEtEspaces) {
    std::string t = "a\tb\t";
    EXPECT_EQ(LireMot(t, "\t"), "a");
    EXPECT_EQ(t, "b\t");
    EXPECT_EQ(LireMot(t, "\t"), "b");
    EXPECT_EQ(t, "");
}
