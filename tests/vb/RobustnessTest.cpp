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

template <class F>
void survive(F&& f)
{
    try {
        f();
    } catch (const Error&) {
    }
}
} // namespace

TEST(Robustness, ConversionsEndOnAnyText)
{
    std::mt19937 rng(12345);
    for (int i = 0; i < 20000; ++i) {
        QString t = randomText(rng, 24);
        survive([&] { IsDate(Variant(t)); });
        survive([&] { IsNumeric(Variant(t)); });
        survive([&] { CDate(Variant(t)); });
        survive([&] { CCur(Variant(t)); });
        survive([&] { CDec(Variant(t)); });
        survive([&] { Val(t); });
        survive([&] { CBool(Variant(t)); });
    }
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
