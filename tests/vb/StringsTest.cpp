#include "vb/Strings.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

using namespace vb;
using vbtest::errorOf;

TEST(Strings, LeftMidRight)
{
    EXPECT_EQ(Left("abcdef", 3), "abc");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Right("abcdef", 2), "ef");
    EXPECT_EQ(Right("abc", 10), "abc");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 4), "def");
    EXPECT_EQ(Mid("abcdef", 7), "");
    EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(errorOf([] { Left("abc", -1); }), 5);
    EXPECT_EQ(errorOf([] { Right("abc", -1); }), 5);
    EXPECT_EQ(errorOf([] { Mid("abc", 0); }), 5);
    EXPECT_EQ(errorOf([] { Mid("abc", 1, -2); }), 5);
    QString s = "abcdef";
    MidAssign(s, 2, "XYZW", 2);
    EXPECT_EQ(s, "aXYdef");
    MidAssign(s, 5, "123456");
    EXPECT_EQ(s, "aXYd12");
    EXPECT_EQ(Len("ñandú"), 5);
}

TEST(Strings, InStrAndInStrRev)
{
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr("abcabc", "C"), 0);
    EXPECT_EQ(InStr("abcabc", "C", CompareMethod::Text), 3);
    EXPECT_EQ(InStr("PEÑA", "ña", CompareMethod::Text), 3);
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr("", ""), 0);
    EXPECT_EQ(InStr(10, "abc", "a"), 0);
    EXPECT_EQ(errorOf([] { InStr(0, "abc", "a"); }), 5);
    EXPECT_EQ(InStrRev("a\\b\\c.txt", "\\"), 4);
    EXPECT_EQ(InStrRev("abcabc", "bc", 4), 2);
    EXPECT_EQ(InStrRev("abcabc", "BC", -1, CompareMethod::Text), 5);
    EXPECT_EQ(InStrRev("abc", "x"), 0);
    EXPECT_EQ(errorOf([] { InStrRev("abc", "a", 0); }), 5);
}

TEST(Strings, Replace)
{
    EXPECT_EQ(Replace("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(Replace("a-b-c", "-", "+", 1, 1), "a+b-c");
    EXPECT_EQ(Replace("a-b-c", "-", "+", 3), "b+c");     // the result starts at `start`
    EXPECT_EQ(Replace("aXbxc", "x", "_"), "aXb_c");
    EXPECT_EQ(Replace("aXbxc", "x", "_", 1, -1, CompareMethod::Text), "a_b_c");
    EXPECT_EQ(Replace("O'Brien", "'", "''"), "O''Brien");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(errorOf([] { Replace("abc", "a", "b", 0); }), 5);
}

TEST(Strings, TrimRemovesBlanksOnly)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim(" \r\n"), "\r\n");
}

TEST(Strings, CaseAndComparison)
{
    EXPECT_EQ(UCase("ñandú, árbol"), "ÑANDÚ, ÁRBOL");
    EXPECT_EQ(LCase("ÑANDÚ Ü"), "ñandú ü");
    EXPECT_EQ(StrComp("a", "b"), -1);
    EXPECT_EQ(StrComp("a", "A"), 1);
    EXPECT_EQ(StrComp("a", "A", CompareMethod::Text), 0);
    EXPECT_EQ(StrComp("Ñ", "ñ", CompareMethod::Text), 0);
    EXPECT_EQ(StrComp("b", "A", CompareMethod::Text), 1);
    EXPECT_EQ(StrComp("n", "ñ", CompareMethod::Text), -1);
    EXPECT_EQ(StrComp("ñ", "o", CompareMethod::Text), -1);     // ñ between n and o
    EXPECT_EQ(StrComp("", "a"), -1);
    EXPECT_TRUE(textEqualsAny("v_ta_rubros", {"V_TA_Bancos", "V_TA_Rubros"}));
    EXPECT_FALSE(textEqualsAny("V_TA_Rubros ", {"V_TA_Rubros"}));
    EXPECT_FALSE(textEqualsAny("", {}));
}

TEST(Strings, SplitJoin)
{
    EXPECT_EQ(Split("a,b,,c", ","), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(Split("a b"), QStringList({"a", "b"}));
    EXPECT_EQ(Split("", ","), QStringList());
    EXPECT_EQ(Split("abc", ""), QStringList({"abc"}));
    EXPECT_EQ(Split("a,b,c", ",", 2), QStringList({"a", "b,c"}));
    EXPECT_EQ(Split("aXbxc", "x", -1, CompareMethod::Text), QStringList({"a", "b", "c"}));
    EXPECT_EQ(Join({"a", "b", "c"}, ";"), "a;b;c");
    EXPECT_EQ(Join({"a", "b"}), "a b");
}

TEST(Strings, SpaceStringChrAsc)
{
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(String(3, u'*'), "***");
    EXPECT_EQ(String(2, "xyz"), "xx");
    EXPECT_EQ(String(2, 65), "AA");
    EXPECT_EQ(errorOf([] { Space(-1); }), 5);
    EXPECT_EQ(errorOf([] { String(2, ""); }), 5);
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(209), "Ñ");
    EXPECT_EQ(Chr(128), "€");
    EXPECT_EQ(Chr(150), QString(QChar(0x2013)));
    EXPECT_EQ(Chr(13) + Chr(10), "\r\n");
    EXPECT_EQ(errorOf([] { Chr(256); }), 5);
    EXPECT_EQ(errorOf([] { Chr(-1); }), 5);
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Asc("Ñandú"), 209);
    EXPECT_EQ(Asc("€"), 128);
    EXPECT_EQ(Asc(QString(QChar(0x4E2D))), 63);               // no Windows-1252 byte: "?"
    EXPECT_EQ(errorOf([] { Asc(""); }), 5);
    EXPECT_EQ(AscW("€"), 8364);
    EXPECT_EQ(AscW(QString(QChar(0xFFFF))), -1);
    EXPECT_EQ(ChrW(8364), "€");
    EXPECT_EQ(ChrW(-1), QString(QChar(0xFFFF)));
    EXPECT_EQ(StrReverse("abc"), "cba");
}

TEST(Strings, Like)
{
    EXPECT_TRUE(Like("abc", "a*"));
    EXPECT_TRUE(Like("abc", "*c"));
    EXPECT_TRUE(Like("abc", "a?c"));
    EXPECT_FALSE(Like("abc", "a?"));
    EXPECT_TRUE(Like("a1c", "a#c"));
    EXPECT_FALSE(Like("abc", "a#c"));
    EXPECT_TRUE(Like("b", "[a-c]"));
    EXPECT_FALSE(Like("d", "[a-c]"));
    EXPECT_TRUE(Like("d", "[!a-c]"));
    EXPECT_FALSE(Like("b", "[!a-c]"));
    EXPECT_TRUE(Like("*", "[*]"));
    EXPECT_TRUE(Like("a*b", "a[*]b"));
    EXPECT_FALSE(Like("axb", "a[*]b"));
    EXPECT_TRUE(Like("", "*"));
    EXPECT_FALSE(Like("", "?"));
    EXPECT_TRUE(Like("", ""));
    EXPECT_FALSE(Like("ABC", "abc"));
    EXPECT_TRUE(Like("ABC", "abc", CompareMethod::Text));
    EXPECT_TRUE(Like("ÑANDÚ", "ñ*", CompareMethod::Text));
    EXPECT_TRUE(Like("B", "[a-c]", CompareMethod::Text));
    EXPECT_TRUE(Like("RMC-0001-00000042", "RMC-####-########"));
    EXPECT_TRUE(Like("abcabcX", "*abc?"));
    EXPECT_TRUE(Like("aaa", "*a*a*a*"));
    EXPECT_FALSE(Like("aa", "*a*a*a*"));
    EXPECT_TRUE(Like("a-b", "a[-]b"));
    EXPECT_TRUE(Like("x", "[ax-z]"));
    EXPECT_EQ(errorOf([] { Like("a", "[a-"); }), 93);
    EXPECT_EQ(errorOf([] { Like("a", "[z-a]"); }), 93);
}
