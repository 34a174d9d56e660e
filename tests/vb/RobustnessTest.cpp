// Parsers of the runtime end on any input: no crash, no hang, only vb::Error.
#include "vb/Conversions.h"
#include "vb/Files.h"
#include "vb/Strings.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace vb;

namespace {
QString randomText(std::mt19937& rng, int maxLen)
{
    static const QString alphabet = QString::fromUtf8("0123456789/-.,: ;aApPmMdDyYhHnNsS#@&<>!*?[]\"\\$()eE+ñÑ\r\n\t%");
    std::uniform_int_distribution<int> len(0, maxLen);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QString s;
    int n = len(rng);
    for (int i = 0; i < n; ++i)
        s += alphabet[pick(rng)];
    return s;
}

// A well-formed date or number with one character changed, inserted or removed: texts close to
// the edge between valid and invalid, where the tests and the conversions could disagree.
QString nearMiss(std::mt19937& rng)
{
    static const QStringList seeds = {QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024 10:30:45"),
                                      QStringLiteral("2024-03-15T08:05"), QStringLiteral("5 de marzo de 2024"),
                                      QStringLiteral("10:30 p.m."), QStringLiteral("1.234,56"),
                                      QStringLiteral("(12,5)"), QStringLiteral("$ -3,25E+2")};
    static const QString alphabet = QStringLiteral("0123456789/-.,: aApPE$()");
    QString s = seeds[std::uniform_int_distribution<int>(0, int(seeds.size()) - 1)(rng)];
    const int at = std::uniform_int_distribution<int>(0, int(s.size()) - 1)(rng);
    const QChar c = alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng)];
    switch (std::uniform_int_distribution<int>(0, 2)(rng)) {
    case 0: s[at] = c; break;
    case 1: s.insert(at, c); break;
    default: s.remove(at, 1); break;
    }
    return s;
}

template <class F>
void survive(F&& f)
{
    try {
        f();
    } catch (const Error&) {
    }
}
} // namespace

TEST(Robustness, ConversionsEndOnAnyTextAndAgreeWithTheirTests)
{
    std::mt19937 rng(12345);
    int dates = 0, numbers = 0;
    for (int i = 0; i < 20000; ++i) {
        QString t = i % 2 ? randomText(rng, 24) : nearMiss(rng);
        SCOPED_TRACE(t.toStdString());
        // The code guards conversions with IsDate/IsNumeric: a text that passes the test converts,
        // and one that fails it raises 13, never anything else.
        const bool isDate = IsDate(Variant(t));
        const int dateError = vbtest::errorOf([&] { CDate(Variant(t)); });
        EXPECT_EQ(dateError, isDate ? 0 : 13);
        const bool isNumber = IsNumeric(Variant(t));
        const int numberError = vbtest::errorOf([&] { CDbl(Variant(t)); });
        EXPECT_EQ(numberError, isNumber ? 0 : 13);
        dates += isDate;
        numbers += isNumber;
        survive([&] { CCur(Variant(t)); });
        survive([&] { CDec(Variant(t)); });
        survive([&] { Val(t); });
        survive([&] { CBool(Variant(t)); });
    }
    // Both kinds of text come up often enough for the agreement to mean something.
    EXPECT_GT(dates, 1000);
    EXPECT_GT(numbers, 1000);
}

TEST(Robustness, FormatEndsOnAnyPattern)
{
    std::mt19937 rng(777);
    const QList<Variant> values = {Variant(0), Variant(-1234.5678), Variant(1e300), Variant(0.000001), Variant("texto"),
                                   Variant(Date{45366.75}), Variant(Currency::fromRaw(-123456789)), Variant(Decimal(1, 28)),
                                   Variant::null(), Variant(), Variant(true)};
    for (int i = 0; i < 5000; ++i) {
        QString p = randomText(rng, 16);
        for (const Variant& v : values)
            survive([&] { Format(v, p); });
    }
}

TEST(Robustness, LikeEndsOnAnyPattern)
{
    std::mt19937 rng(4242);
    for (int i = 0; i < 20000; ++i) {
        QString t = randomText(rng, 30), p = randomText(rng, 12);
        survive([&] { Like(t, p); });
        survive([&] { Like(t, p, CompareMethod::Text); });
    }
    // Many stars against a long text that does not match stays fast.
    QString longText(5000, u'a');
    EXPECT_FALSE(Like(longText, "*a*a*a*a*a*a*b"));
}

TEST(Robustness, InputFieldsEndOnAnyText)
{
    std::mt19937 rng(99);
    for (int i = 0; i < 5000; ++i) {
        TextFileReader r = TextFileReader::fromText(randomText(rng, 60));
        int guard = 0;
        while (!r.atEnd() && guard++ < 200)
            survive([&] { r.readField(); });
        EXPECT_LT(guard, 200);
    }
}
