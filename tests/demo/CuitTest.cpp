#include "Cuit.h"

#include <gtest/gtest.h>

TEST(Cuit, CheckDigitFollowsTheModulo11Rule)
{
    // Worked by hand: 2*5+0*4+1*3+2*2+3*7+4*6+5*5+6*4+7*3+8*2 = 148, 148 mod 11 = 5, 11-5 = 6.
    EXPECT_EQ(demo::Cuit::checkDigit("2012345678"), 6);
    EXPECT_EQ(demo::Cuit::format(20, 12345678), "20-12345678-6");
    EXPECT_TRUE(demo::Cuit::isValid("20-12345678-6"));
    EXPECT_TRUE(demo::Cuit::isValid("20123456786"));
}

TEST(Cuit, RejectsWrongDigitsLengthsAndLetters)
{
    EXPECT_FALSE(demo::Cuit::isValid("20-12345678-5"));
    EXPECT_FALSE(demo::Cuit::isValid("20-1234567-6"));
    EXPECT_FALSE(demo::Cuit::isValid("2O-12345678-6"));
    EXPECT_FALSE(demo::Cuit::isValid(""));
}

TEST(Cuit, RemainderZeroGivesZeroAndRemainderOneHasNoDigit)
{
    // 30-00000004: 3*5 + 4*2 = 23, remainder 1 -> 10: that number gets no valid digit.
    EXPECT_EQ(demo::Cuit::checkDigit("3000000004"), std::nullopt);
    EXPECT_EQ(demo::Cuit::format(30, 4), "");
    // 23-00000000: 2*5 + 3*4 = 22, remainder 0 -> digit 0.
    EXPECT_EQ(demo::Cuit::checkDigit("2300000000"), 0);
    // 30-00000002: 15 + 4 = 19, remainder 8 -> 3.
    EXPECT_EQ(demo::Cuit::format(30, 2), "30-00000002-3");
    // 27-00000000: 10 + 28 = 38, remainder 5 -> 6.
    EXPECT_EQ(demo::Cuit::checkDigit("2700000000"), 6);
}
