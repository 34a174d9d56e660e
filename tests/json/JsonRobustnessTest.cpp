// The reader must end on any input: truncated, deeply nested, random and malformed documents.
// Each case only has to return with a result and an error text that agree with each other.

#include "json/JSON.h"
#include "json/JsonReader.h"
#include "vb/Dictionary.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <random>

using json::JsonParserErrors;
using json::ParseJson;

namespace {

const QString Sample = QStringLiteral(
    "/* supplier */ {\"id\": 12, 'name': 'Ana \\'B\\'', tags: [\"a\", 'b', true, false, null],\r\n"
    "  \"nested\": {\"list\": [[1, 2.5e1], [-3], {}], \"text\": \"x\\u0041\\n\\\"]}\"},\r\n"
    "  // note\r\n"
    "  (\"last\"): -0.5 }");

// Every document read either gives nothing with "Invalid JSON", or an object or list.
void expectConsistent(const QString& text)
{
    const vb::ObjectPtr result = ParseJson(text);
    const QString errors = JsonParserErrors();
    if (!result)
        EXPECT_EQ(errors, QStringLiteral("Invalid JSON")) << text.toStdString();
    else
        EXPECT_TRUE(errors.isEmpty() || errors.endsWith(QStringLiteral("\r\n"))) << text.toStdString();
}

QString randomText(std::mt19937& random, QStringView alphabet, int length)
{
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(pick(random));
    return text;
}

} // namespace

TEST(JsonRobustness, SampleReadsCleanly)
{
    ASSERT_TRUE(ParseJson(Sample));
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonRobustness, EveryTruncationEndsWithAnError)
{
    const qsizetype start = Sample.indexOf(u'{') + 1;
    for (qsizetype length = start; length < Sample.size(); ++length) {
        const QString cut = Sample.left(length);
        EXPECT_TRUE(ParseJson(cut)) << length;
        EXPECT_FALSE(JsonParserErrors().isEmpty()) << cut.toStdString();
    }
}

TEST(JsonRobustness, DeepNestingEndsWithAnError)
{
    // Braces alone would be read as one long key: objects nest through their values.
    const QStringList documents{
        QString(100000, u'['),
        QStringLiteral("( [ /* c */ // d\n").repeated(100000),
        QStringLiteral("{a:").repeated(100000),
        QStringLiteral("[{\"k\":").repeated(50000),
        QString(100000, u'[') + QString(100000, u']'),
        QStringLiteral("[").repeated(100000) + QStringLiteral("nope"),
    };
    for (const QString& document : documents) {
        EXPECT_TRUE(ParseJson(document));
        EXPECT_TRUE(JsonParserErrors().contains(QStringLiteral("Nesting deeper than 512 levels")))
            << document.left(12).toStdString();
    }
}

TEST(JsonRobustness, RandomDocumentsEnd)
{
    std::mt19937 random(20240611);
    const QString alphabet = QStringLiteral("{}[]()\"'\\/*:, \r\n\ttfnrueals0123456789.+-eEuXx");
    std::uniform_int_distribution<int> length(0, 200);
    for (int i = 0; i < 3000; ++i) {
        QString text = randomText(random, alphabet, length(random));
        if (i % 2 == 0)
            text.prepend(i % 4 == 0 ? u'[' : u'{');
        expectConsistent(text);
    }
}

TEST(JsonRobustness, MutatedDocumentsEnd)
{
    std::mt19937 random(7);
    const QString noise = QStringLiteral("{}[]\"'\\/*:,tfn");
    std::uniform_int_distribution<int> pickNoise(0, int(noise.size()) - 1);
    for (int i = 0; i < 3000; ++i) {
        QString text = Sample;
        std::uniform_int_distribution<int> edits(1, 4);
        for (int edit = edits(random); edit > 0; --edit) {
            std::uniform_int_distribution<qsizetype> at(0, text.size() - 1);
            const qsizetype where = at(random);
            switch (edit % 3) {
            case 0: text.remove(where, 1); break;
            case 1: text.insert(where, noise.at(pickNoise(random))); break;
            default: text[where] = noise.at(pickNoise(random)); break;
            }
        }
        expectConsistent(text);
    }
}

TEST(JsonRobustness, ErrorTextStaysBounded)
{
    // Each failed literal in an object quotes the rest of the text: without a bound the error
    // text of this document would grow with the square of its length.
    QString document = QStringLiteral("{");
    for (int i = 0; i < 20000; ++i)
        document += QStringLiteral("k%1: tx ").arg(i);
    ASSERT_TRUE(ParseJson(document));
    const QString errors = JsonParserErrors();
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Invalid Boolean at position 6 : tx k1: tx")));
    const QString closing = QStringLiteral("More errors follow\r\n");
    EXPECT_LE(errors.size(), json::JsonReader::ErrorTextLimit + 2 + closing.size());
    EXPECT_TRUE(errors.endsWith(closing));
}

TEST(JsonRobustness, OneBadValueInALongDocumentQuotesNoMoreThanTheLimit)
{
    // The first line quotes the rest of the document, three times the limit: it is cut there,
    // and what was read before the bad value stays.
    const QString filler = QStringLiteral("\"%1\"").arg(QString(3 * json::JsonReader::ErrorTextLimit, u'x'));
    const QString document = QStringLiteral("{\"a\": 1, \"b\": nope, \"c\": ") + filler + u'}';
    const vb::ObjectPtr result = ParseJson(document);
    ASSERT_TRUE(result);
    const auto object = std::dynamic_pointer_cast<vb::Dictionary>(result);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->value(QStringLiteral("a")).toString(), QStringLiteral("1"));

    // The line reads as for a short document, cut where the error text reaches its limit.
    const QString line = QStringLiteral("Invalid null value at position 15 : ") + document.mid(14);
    EXPECT_EQ(JsonParserErrors(), line.left(json::JsonReader::ErrorTextLimit) + QStringLiteral("\r\n"));
}
