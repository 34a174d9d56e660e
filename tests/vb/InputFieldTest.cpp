// Input # field by field: quoted texts, empty fields, #...# values, numbers and plain texts.
#include "vb/Files.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

using namespace vb;
using vbtest::errorOf;

namespace {

QList<Variant> allFields(const QString& text)
{
    TextFileReader r = TextFileReader::fromText(text);
    QList<Variant> out;
    while (!r.atEnd())
        out.append(r.readField());
    return out;
}

} // namespace

TEST(InputField, OnlyBlanksAndLineEndsLeftIsTheEnd)
{
    TextFileReader r = TextFileReader::fromText("   \r\n \t \r\n");
    EXPECT_EQ(errorOf([&] { r.readField(); }), 62);
    TextFileReader last = TextFileReader::fromText("a,\r\n  ");
    EXPECT_EQ(last.readField().toString(), "a");
    EXPECT_EQ(errorOf([&] { last.readField(); }), 62);
}

TEST(InputField, QuotedTexts)
{
    QList<Variant> f = allFields("\"a,b\",x\r\n\"\",\"ab\"cd,e\r\n\"c\"  ,d\r\"q\"\n\"r\"");
    ASSERT_EQ(f.size(), 9);
    EXPECT_EQ(f[0].toString(), "a,b");                 // commas inside quotes belong to the text
    EXPECT_EQ(f[1].toString(), "x");
    EXPECT_EQ(f[2].type(), VarType::String);           // "" is an empty text, not Empty
    EXPECT_EQ(f[2].toString(), "");
    EXPECT_EQ(f[3].toString(), "ab");                  // what follows the closing quote is dropped
    EXPECT_EQ(f[4].toString(), "e");
    EXPECT_EQ(f[5].toString(), "c");
    EXPECT_EQ(f[6].toString(), "d");
    EXPECT_EQ(f[7].toString(), "q");
    EXPECT_EQ(f[8].toString(), "r");
    TextFileReader r = TextFileReader::fromText("\"a\"\r\n\"b\"");
    EXPECT_EQ(r.readField().toString(), "a");
    EXPECT_EQ(r.readField().toString(), "b");
    EXPECT_TRUE(r.atEnd());
}

TEST(InputField, EmptyFieldsAndLineEnds)
{
    QList<Variant> f = allFields("a,,b\r,5\nc  \t,d");
    ASSERT_EQ(f.size(), 7);
    EXPECT_EQ(f[0].toString(), "a");
    EXPECT_TRUE(f[1].isEmpty());
    EXPECT_EQ(f[2].toString(), "b");
    EXPECT_TRUE(f[3].isEmpty());
    EXPECT_EQ(f[4].toDouble(), 5);
    EXPECT_EQ(f[5].toString(), "c");                   // trailing blanks go
    EXPECT_EQ(f[6].toString(), "d");
}

TEST(InputField, HashDelimitedValues)
{
    QList<Variant> f = allFields("#TRUE#,#false#,#Null#,#ERROR 53#,# 2024-03-15 #,#2024-03-15 10:30:45#,#10:30:45#,"
                                 "#2024-13-01#,#junk#,##,#");
    ASSERT_EQ(f.size(), 11);
    EXPECT_EQ(f[0].type(), VarType::Boolean);
    EXPECT_TRUE(f[0].toBool());
    EXPECT_EQ(f[1].type(), VarType::Boolean);
    EXPECT_FALSE(f[1].toBool());
    EXPECT_TRUE(f[2].isNull());
    EXPECT_EQ(f[3].type(), VarType::Error);
    EXPECT_EQ(f[3].errorCode(), 53);
    EXPECT_EQ(f[4].type(), VarType::Date);
    EXPECT_EQ(f[4].toDate().date(), QDate(2024, 3, 15));
    EXPECT_EQ(f[5].toDate().toDateTime(), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 45)));
    EXPECT_EQ(f[6].type(), VarType::Date);
    EXPECT_DOUBLE_EQ(f[6].toDate().serial, (10 * 3600 + 30 * 60 + 45) / 86400.0);
    for (int i = 7; i < 11; ++i)
        EXPECT_EQ(f[i].type(), VarType::String) << i;   // not a value: the text as it stands
    EXPECT_EQ(f[7].toString(), "#2024-13-01#");
    EXPECT_EQ(f[8].toString(), "#junk#");
    EXPECT_EQ(f[9].toString(), "##");
    EXPECT_EQ(f[10].toString(), "#");
}

TEST(InputField, NumbersAndPlainTexts)
{
    QList<Variant> f = allFields("1.5,-3,.5,5.,1e3,1D2,+7,1.2.3,12abc,1e,1 2,1,5");
    ASSERT_EQ(f.size(), 13);
    const double numbers[] = {1.5, -3, 0.5, 5, 1000, 100, 7};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(f[i].type(), VarType::Double) << i;
        EXPECT_EQ(f[i].toDouble(), numbers[i]) << i;
    }
    EXPECT_EQ(f[7].toString(), "1.2.3");
    EXPECT_EQ(f[8].toString(), "12abc");
    EXPECT_EQ(f[9].toString(), "1e");
    EXPECT_EQ(f[10].type(), VarType::String);
    EXPECT_EQ(f[10].toString(), "1 2");
    EXPECT_EQ(f[11].toDouble(), 1);                    // the comma always separates fields
    EXPECT_EQ(f[12].toDouble(), 5);
}
