#include "QtPrinting.h"

#include <ado/Command.h>
#include <ado/ConnectionString.h>
#include <ado/DateText.h>
#include <ado/LikePattern.h>
#include <ado/SqlQuoting.h>
#include <ado/ServerFunctions.h>
#include <ado/ServerConversions.h>
#include <ado/ServerDates.h>
#include <ado/ServerText.h>
#include <ado/StoredProcedureText.h>
#include <ado/ValueText.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ServerTextTest, ComparesAsTheServersCollation)
{
    EXPECT_EQ(ado::ServerText::compare(QStringLiteral("ÑANDÚ"), QStringLiteral("ñandú   ")), 0);
    EXPECT_LT(ado::ServerText::compare(QStringLiteral("nube"), QStringLiteral("ñandú")), 0);   // ñ after n ...
    EXPECT_LT(ado::ServerText::compare(QStringLiteral("ñu"), QStringLiteral("oso")), 0);        // ... and before o
    EXPECT_NE(ado::ServerText::compare(QStringLiteral("árbol"), QStringLiteral("arbol")), 0);  // accents count
    EXPECT_LT(ado::ServerText::compare(QStringLiteral("árbol"), QStringLiteral("arco")), 0);   // but sort with their letter
    EXPECT_LT(ado::ServerText::compare(QStringLiteral("ab"), QStringLiteral("abc")), 0);
    const QByteArray a = QStringLiteral("Peña ").toUtf8();
    const QByteArray b = QStringLiteral("PEÑA").toUtf8();
    EXPECT_EQ(ado::ServerText::compareUtf8(a.constData(), int(a.size()), b.constData(), int(b.size())), 0);
    EXPECT_GT(ado::ServerText::compareUtf8("b", 1, "A  ", 3), 0);
}

TEST(ServerTextTest, LikePatterns)
{
    using ado::ServerText;
    EXPECT_TRUE(ServerText::like(QStringLiteral("Tornillo"), QStringLiteral("t%LLO")));
    EXPECT_TRUE(ServerText::like(QStringLiteral("abc  "), QStringLiteral("abc")));
    EXPECT_FALSE(ServerText::like(QStringLiteral("abc"), QStringLiteral("abc ")));
    EXPECT_TRUE(ServerText::like(QStringLiteral("x1z"), QStringLiteral("x[0-9]z")));
    EXPECT_FALSE(ServerText::like(QStringLiteral("xaz"), QStringLiteral("x[^a-c]z")));
    EXPECT_TRUE(ServerText::like(QStringLiteral("]"), QStringLiteral("[]]")));
    EXPECT_TRUE(ServerText::like(QStringLiteral("50%"), QStringLiteral("50!%"), u'!'));
    EXPECT_FALSE(ServerText::like(QStringLiteral("500"), QStringLiteral("50!%"), u'!'));
    EXPECT_TRUE(ServerText::like(QStringLiteral("a[b"), QStringLiteral("a[b")));   // an open set is a letter
    EXPECT_TRUE(ServerText::like(QStringLiteral("aXbXc"), QStringLiteral("%x%x%")));
    EXPECT_FALSE(ServerText::like(QStringLiteral("ab"), QStringLiteral("a_b")));
    EXPECT_TRUE(ServerText::like(QString(), QStringLiteral("%")));
}

TEST(LikePatternTest, TextAndUtf8ReadingsAgree)
{
    struct Case {
        const char16_t* value;
        const char16_t* pattern;
        bool expected;
    };
    const Case cases[] = {
        {u"Tornillo galvanizado 1/4\"", u"%TOR%gal%", true},
        {u"Tornillo", u"%llo", true},
        {u"Tornillo   ", u"%llo", true},          // trailing blanks of the value never count
        {u"Tornillos", u"%llo", false},
        {u"aTornillo", u"tor%", false},
        {u"abcabc", u"%ca%ca%", false},           // runs are found in turn, never twice at one place
        {u"abab", u"ab%ab", true},
        {u"ab", u"ab%ab", false},                 // the first and last run may not overlap
        {u"Caño de PVC", u"%AÑO%", true},
        {u"Cano de PVC", u"%año%", false},        // accents count
        {u"Llave TÉRMICA", u"%tér%", true},
        {u"Bulón 8 mm", u"bul_n%", true},
        {u"Bulón 8 mm", u"%8 MM", true},           // a letters-only pattern on a value that is not ASCII
        {u"Bulón 8 mm", u"%lon%", false},
        {u"\u212A", u"k", true},                   // the Kelvin sign folds to k
        {u"x1z", u"x[0-9]z", true},
        {u"Perfil [U]", u"%[[]u]", true},
        {u"", u"%", true},
        {u"", u"", true},
        {u"a", u"", false},
    };
    for (const Case& c : cases) {
        const QString value = QString::fromUtf16(c.value);
        const ado::LikePattern pattern(QString::fromUtf16(c.pattern));
        const QByteArray utf8 = value.toUtf8();
        EXPECT_EQ(pattern.matches(value), c.expected) << value.toStdString() << " LIKE " << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_EQ(pattern.matchesUtf8(utf8.constData(), int(utf8.size())), c.expected) << value.toStdString();
    }
    // A malformed byte reads as U+FFFD on both roads.
    const ado::LikePattern any(QStringLiteral("a_b"));
    EXPECT_TRUE(any.matchesUtf8("a\xff" "b", 3));
}

TEST(SqlQuotingTest, TypedTextInALikePatternMatchesOnlyItself)
{
    EXPECT_EQ(ado::escapeLikeText(QStringLiteral("O'Brien 50%_[x]")), QStringLiteral("O''Brien 50[%][_][[]x]"));
    EXPECT_EQ(ado::escapeLikeText(QStringLiteral("O'Brien 50%_[x]!"), u'!'), QStringLiteral("O''Brien 50!%!_![x]!!"));
    EXPECT_EQ(ado::escapeSqlText(QStringLiteral("it's 50%")), QStringLiteral("it''s 50%"));
    // Read back by the engine's LIKE, the escaped pattern finds the text and nothing looser, with
    // one-character sets as with an escape character.
    for (const QChar escape : {QChar(), QChar(u'!')}) {
        const auto like = [&](const QString& value, const QString& typed) {
            const QString literal = u'\'' + ado::escapeLikeText(typed, escape) + u'\'';
            return ado::ServerText::like(value, u'%' + ado::unquoteSqlText(literal) + u'%', escape);
        };
        EXPECT_TRUE(like(QStringLiteral("Descuento 50% contado"), QStringLiteral("50%")));
        EXPECT_FALSE(like(QStringLiteral("Descuento 500 contado"), QStringLiteral("50%")));
        EXPECT_TRUE(like(QStringLiteral("caño_1"), QStringLiteral("o_1")));
        EXPECT_FALSE(like(QStringLiteral("caño-1"), QStringLiteral("o_1")));
        EXPECT_TRUE(like(QStringLiteral("perfil [U]"), QStringLiteral("[U]")));
        EXPECT_FALSE(like(QStringLiteral("perfil U"), QStringLiteral("[U]")));
        EXPECT_TRUE(like(QStringLiteral("¡Oferta!"), QStringLiteral("ta!")));
        EXPECT_FALSE(like(QStringLiteral("¡Oferta"), QStringLiteral("ta!")));
        EXPECT_TRUE(like(QStringLiteral("D'Angelo"), QStringLiteral("D'A")));
    }
}

QVariant convert(const QString& type, const QVariant& value, int style, const QString& source = {})
{
    return ado::ServerConversions::convert(type, value, style, source, ado::SessionOptions());
}

TEST(ServerFunctionsTest, ConvertFollowsTheServer)
{
    EXPECT_EQ(convert(QStringLiteral("char(5)"), QVariant(QStringLiteral("ab")), 0).toString(), QStringLiteral("ab   "));
    EXPECT_EQ(convert(QStringLiteral("varchar"), QVariant(QString(40, u'x')), 0).toString().size(), 30);
    EXPECT_EQ(convert(QStringLiteral("varchar(8)"), QVariant(QStringLiteral("2024-03-05 06:07:08")), 112).toString(),
              QStringLiteral("20240305"));
    EXPECT_EQ(convert(QStringLiteral("varchar(8)"), QVariant(QStringLiteral("2024-03-05 06:07:08")), 108).toString(),
              QStringLiteral("06:07:08"));
    EXPECT_EQ(convert(QStringLiteral("datetime"), QVariant(QStringLiteral("03/05/2024")), 101).toString(),
              QStringLiteral("2024-03-05 00:00:00"));
    EXPECT_EQ(convert(QStringLiteral("date"), QVariant(QStringLiteral("2024-03-05 06:07:08")), 0).toString(),
              QStringLiteral("2024-03-05 00:00:00"));
    EXPECT_DOUBLE_EQ(convert(QStringLiteral("decimal(10,2)"), QVariant(QStringLiteral("1.005")), 0).toDouble(), 1.01);
    EXPECT_DOUBLE_EQ(convert(QStringLiteral("numeric(5,1)"), QVariant(-2.25), 0).toDouble(), -2.3);
    EXPECT_DOUBLE_EQ(convert(QStringLiteral("numeric(18,2)"), QVariant(QStringLiteral("123456789012.005")), 0).toDouble(),
                     123456789012.01);
    EXPECT_DOUBLE_EQ(convert(QStringLiteral("numeric(5,0)"), QVariant(QStringLiteral("99.5")), 0).toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(convert(QStringLiteral("decimal(18,0)"), QVariant(qint64(12)), 0).toDouble(), 12.0);
    EXPECT_EQ(convert(QStringLiteral("int"), QVariant(-7.9), 0).toLongLong(), -7);
    EXPECT_FALSE(convert(QStringLiteral("int"), QVariant(), 0).isValid());
    EXPECT_THROW(convert(QStringLiteral("datetime"), QVariant(QStringLiteral("31/02/2024")), 103), std::exception);
    EXPECT_THROW(convert(QStringLiteral("money"), QVariant(QStringLiteral("12,5")), 0), std::exception);
}

TEST(ServerFunctionsTest, DateArithmeticCountsBoundaries)
{
    using ado::ServerDates;
    const QDateTime jan31(QDate(2024, 1, 31), QTime(23, 0));
    EXPECT_EQ(ServerDates::add(QStringLiteral("month"), 1, jan31), QDateTime(QDate(2024, 2, 29), QTime(23, 0)));
    EXPECT_EQ(ServerDates::add(QStringLiteral("yy"), -1, jan31).date(), QDate(2023, 1, 31));
    EXPECT_EQ(ServerDates::add(QStringLiteral("hh"), 2, jan31), QDateTime(QDate(2024, 2, 1), QTime(1, 0)));
    const QDateTime feb1(QDate(2024, 2, 1), QTime(0, 30));
    EXPECT_EQ(ServerDates::difference(QStringLiteral("day"), jan31, feb1), 1);
    EXPECT_EQ(ServerDates::difference(QStringLiteral("hour"), jan31, feb1), 1);
    EXPECT_EQ(ServerDates::difference(QStringLiteral("year"), QDateTime(QDate(2023, 12, 31), QTime()), feb1), 1);
    EXPECT_EQ(ServerDates::difference(QStringLiteral("mm"), feb1, jan31), -1);
    EXPECT_THROW(ServerDates::difference(QStringLiteral("fortnight"), jan31, feb1), std::exception);
}

TEST(ConnectionStringTest, KeysAsTheProgramWritesThem)
{
    const ado::ConnectionString cs(QStringLiteral(
        "PROVIDER=SQLOLEDB;Server=srv;Database =Gestion;UId=u;Pwd={a;b}};c};Extended Properties=\"x;y\";Connect Timeout=5;;junk;"));
    EXPECT_EQ(cs.value(QStringLiteral("database")), QStringLiteral("Gestion"));
    EXPECT_EQ(cs.value(QStringLiteral("PROVIDER")), QStringLiteral("SQLOLEDB"));
    EXPECT_EQ(cs.value(QStringLiteral("pwd")), QStringLiteral("a;b};c"));
    EXPECT_EQ(cs.value(QStringLiteral("Extended Properties")), QStringLiteral("x;y"));
    EXPECT_EQ(cs.value(QStringLiteral("Connect Timeout")), QStringLiteral("5"));
    EXPECT_EQ(cs.value({QStringLiteral("Initial Catalog"), QStringLiteral("Database")}), QStringLiteral("Gestion"));
    EXPECT_FALSE(cs.contains(QStringLiteral("junk")));
    EXPECT_EQ(ado::ConnectionString(QStringLiteral("Data Source = C:\\x.mdb ")).value(QStringLiteral("Data Source")),
              QStringLiteral("C:\\x.mdb"));
    EXPECT_EQ(ado::ConnectionString(QStringLiteral("Pwd={never closed")).value(QStringLiteral("Pwd")), QStringLiteral("never closed"));
}

TEST(ValueTextTest, CurrencyTextIsReadExactly)
{
    std::int64_t raw = 0;
    ASSERT_TRUE(ado::ValueText::parseCurrency("-1234.5678", 10, raw));
    EXPECT_EQ(raw, -12345678);
    ASSERT_TRUE(ado::ValueText::parseCurrency("0.1", 3, raw));
    EXPECT_EQ(raw, 1000);
    ASSERT_TRUE(ado::ValueText::parseCurrency("2.00005", 7, raw));
    EXPECT_EQ(raw, 20001);
    ASSERT_TRUE(ado::ValueText::parseCurrency("7", 1, raw));
    EXPECT_EQ(raw, 70000);
    EXPECT_FALSE(ado::ValueText::parseCurrency("1e-05", 5, raw));
    EXPECT_FALSE(ado::ValueText::parseCurrency("", 0, raw));
    EXPECT_FALSE(ado::ValueText::parseCurrency("12a", 3, raw));
}

TEST(ValueTextTest, DateSerialsMatchTheOriginalsDates)
{
    bool ok = false;
    EXPECT_DOUBLE_EQ(ado::ValueText::dateSerial("1899-12-30", 10, ok), 0.0);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(ado::ValueText::dateSerial("2024-01-01 12:00:00", 19, ok), 45292.5);
    EXPECT_DOUBLE_EQ(ado::ValueText::dateSerial("1899-12-29 06:00", 16, ok), -1.25);
    ado::ValueText::dateSerial("2023-02-29", 10, ok);
    EXPECT_FALSE(ok);
    ado::ValueText::dateSerial("2024-02-29 24:00:00", 19, ok);
    EXPECT_FALSE(ok);
    ado::ValueText::dateSerial("24-02-29", 8, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ado::DateText::parseLiteral(QStringLiteral(" 5/3/2024 7:05 ")), QDateTime(QDate(2024, 3, 5), QTime(7, 5)));
    EXPECT_EQ(ado::DateText::parseStored(QStringLiteral("2024-03-05T07:05:09.123")), QDateTime(QDate(2024, 3, 5), QTime(7, 5, 9, 123)));
    EXPECT_DOUBLE_EQ(ado::ValueText::dateSerial("2024-01-01 12:00:00.500", 23, ok), 45292.5 + 0.5 / 86400);
    EXPECT_FALSE(ado::DateText::parseLiteral(QStringLiteral("2024/13/05")).has_value());
    EXPECT_FALSE(ado::DateText::parseLiteral(QStringLiteral("5/3/2024 25:00")).has_value());
}

TEST(DateTextTest, LiteralFormsTheServerReads)
{
    using ado::DateText;
    using ado::DateOrder;
    const QDateTime march5(QDate(2024, 3, 5), QTime(0, 0));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("20240305")), march5);
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("20240305 14:30:15")), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("2024-03-05T14:30:15.123")), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 123)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("2024-03-05T23:59:59.999")), QDateTime(QDate(2024, 3, 6), QTime(0, 0)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("2024-03-05 10:00:00.002")), QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0, 3)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("05/03/2024")), march5);
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("03/05/2024"), DateOrder::MDY), march5);
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("2024/03/05"), DateOrder::MDY), march5);
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("5.3.24")), march5);
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("5-3-99")), QDateTime(QDate(1999, 3, 5), QTime(0, 0)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("05/03/2024 2:05PM")), QDateTime(QDate(2024, 3, 5), QTime(14, 5)));
    EXPECT_EQ(DateText::parseLiteral(QStringLiteral("12:00 AM")), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    for (const char* wrong : {"2024-02-30", "32/01/2024", "20241301", "hoy", "", "2024-03-05T25:00", "1/2/3/4"})
        EXPECT_FALSE(DateText::parseLiteral(QString::fromLatin1(wrong)).has_value()) << wrong;
    EXPECT_EQ(DateText::format(QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3, 40))), QStringLiteral("2024-03-05 01:02:03.040"));
    EXPECT_EQ(DateText::format(march5), QStringLiteral("2024-03-05 00:00:00"));
}

TEST(StoredProcedureTextTest, ParametersInOrderOfFirstUseAndBoundAsLiterals)
{
    const QString body = QStringLiteral("SELECT * FROM T WHERE b = @Beta AND a = @alfa OR b2 = @BETA AND n = @@ROWCOUNT AND s = '@Beta'");
    EXPECT_EQ(ado::StoredProcedureText::parameters(body), QStringList({"Beta", "alfa"}));
    EXPECT_EQ(ado::StoredProcedureText::parameters(QStringLiteral("EXEC dbo.otro @A = @x, @B = 1")), QStringList({"x"}));
    EXPECT_EQ(ado::StoredProcedureText::bind(body, {{QStringLiteral("beta"), QStringLiteral("'x''y'")}}),
              QStringLiteral("SELECT * FROM T WHERE b = 'x''y' AND a = NULL OR b2 = 'x''y' AND n = @@ROWCOUNT AND s = '@Beta'"));
    // The body's own variables stay variables; SELECT @a, @b FROM is no declaration.
    const QString withLocals = QStringLiteral("DECLARE @n int, @t AS varchar(5) SET @n = @Tope SELECT @n, @t FROM T WHERE x = @Otro");
    EXPECT_EQ(ado::StoredProcedureText::parameters(withLocals), QStringList({"Tope", "Otro"}));
    EXPECT_EQ(ado::StoredProcedureText::bind(withLocals, {{QStringLiteral("tope"), QStringLiteral("3")}}),
              QStringLiteral("DECLARE @n int, @t AS varchar(5) SET @n = 3 SELECT @n, @t FROM T WHERE x = NULL"));
}

TEST(CommandTest, QuestionMarksOutsideLiteralsTakeTheParameters)
{
    ado::Command command;
    command.setCommandText(QStringLiteral("SELECT '?' FROM T WHERE a = ? AND b = ? AND c = ? AND d = ?"));
    command.Parameters()->Append(command.CreateParameter(QStringLiteral("a"), ado::adVarChar, ado::adParamInput, 10, QStringLiteral("O'Hara")));
    command.Parameters()->Append(command.CreateParameter(QStringLiteral("b"), ado::adInteger, ado::adParamInput, 0, 42));
    command.Parameters()->Append(command.CreateParameter(QStringLiteral("c"), ado::adBoolean, ado::adParamInput, 0, true));
    EXPECT_EQ(command.boundText(), QStringLiteral("SELECT '?' FROM T WHERE a = 'O''Hara' AND b = 42 AND c = 1 AND d = ?"));
    EXPECT_EQ(command.Parameters()->Item(QStringLiteral("@B"))->Value().toLong(), 42);
}

} // namespace
