#include "json/JSON.h"
#include "vb/Collection.h"
#include "vb/Dictionary.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using json::JsonParserErrors;
using json::ParseJson;

namespace {

std::shared_ptr<vb::Collection> asList(const vb::ObjectPtr& object)
{
    return std::dynamic_pointer_cast<vb::Collection>(object);
}

std::shared_ptr<vb::Dictionary> asDictionary(const vb::ObjectPtr& object)
{
    return std::dynamic_pointer_cast<vb::Dictionary>(object);
}

std::shared_ptr<vb::Collection> parseList(const QString& text)
{
    auto list = asList(ParseJson(text));
    EXPECT_TRUE(list) << text.toStdString();
    return list ? list : std::make_shared<vb::Collection>();
}

std::shared_ptr<vb::Dictionary> parseObject(const QString& text)
{
    auto object = asDictionary(ParseJson(text));
    EXPECT_TRUE(object) << text.toStdString();
    return object ? object : std::make_shared<vb::Dictionary>();
}

QStringList keysOf(const vb::Dictionary& object)
{
    QStringList keys;
    for (const vb::Variant& key : object.keys())
        keys << key.toString();
    return keys;
}

// Texts of the elements, with numbers written with ".".
QStringList textsOf(const vb::Collection& list)
{
    QStringList texts;
    for (int i = 1; i <= list.count(); ++i) {
        const vb::Variant v = list.item(i);
        texts << (v.type() == vb::VarType::Decimal ? v.toDecimal().toString(u'.') : v.toString());
    }
    return texts;
}

QString member(const vb::Dictionary& object, const QString& key)
{
    return object.value(vb::Variant(key)).toString();
}

const QString CrLf = QStringLiteral("\r\n");

} // namespace

TEST(JsonReader, TextWithoutObjectOrArrayIsInvalid)
{
    EXPECT_EQ(ParseJson(QString()), nullptr);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid JSON"));
    EXPECT_EQ(ParseJson(QStringLiteral("  abc [1]")), nullptr);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid JSON"));
    EXPECT_EQ(ParseJson(QStringLiteral("/* only a comment */")), nullptr);

    // The next call starts with a clean error text.
    EXPECT_TRUE(ParseJson(QStringLiteral("[]")));
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, ValueKinds)
{
    auto object = parseObject(QStringLiteral(R"({"s": "x", "n": -12.50, "t": true, "f": false, "z": null,
                                                 "o": {"k": 1}, "a": [1, "two"]})"));
    EXPECT_EQ(JsonParserErrors(), QString());
    EXPECT_EQ(keysOf(*object), (QStringList{"s", "n", "t", "f", "z", "o", "a"}));
    EXPECT_EQ(object->value(vb::Variant("s")).type(), vb::VarType::String);
    const vb::Variant number = object->value(vb::Variant("n"));
    ASSERT_EQ(number.type(), vb::VarType::Decimal);
    EXPECT_TRUE(number.toDecimal() == vb::Decimal(-125, 1));
    EXPECT_EQ(object->value(vb::Variant("t")).type(), vb::VarType::Boolean);
    EXPECT_TRUE(object->value(vb::Variant("t")).toBool());
    EXPECT_FALSE(object->value(vb::Variant("f")).toBool());
    EXPECT_TRUE(object->value(vb::Variant("z")).isNull());
    EXPECT_EQ(object->value(vb::Variant("o")).typeName(), QStringLiteral("Dictionary"));
    EXPECT_EQ(object->value(vb::Variant("a")).typeName(), QStringLiteral("Collection"));
    auto inner = object->value(vb::Variant("a")).as<vb::Collection>();
    EXPECT_EQ(textsOf(*inner), (QStringList{"1", "two"}));
}

TEST(JsonReader, NumbersUseThePointWhateverTheRegionalSettings)
{
    vb::RegionalScope argentina(vb::RegionalSettings::argentina());
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1.5, 1,5, 2e3, -0.25E+1, 12345678901234567890.5]"))),
              (QStringList{"1.5", "1", "5", "2000", "-2.5", "12345678901234567890.5"}));
    EXPECT_EQ(JsonParserErrors(), QString());
    // Past 28 significant digits the value is rounded, as a decimal conversion does.
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[0.12345678901234567890123456789012]"))),
              QStringList{"0.1234567890123456789012345679"});
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, MalformedNumbersEndTheList)
{
    auto list = parseList(QStringLiteral("[7, 1.2.3, 4]"));
    EXPECT_EQ(textsOf(*list), QStringList{"7"});
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("No coinciden los tipos: , 4]") + CrLf);

    // Literals are case-sensitive: a capital letter starts no literal and no number either.
    list = parseList(QStringLiteral("[True]"));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("No coinciden los tipos: True]") + CrLf);

    parseList(QStringLiteral("[1e999999]"));
    EXPECT_TRUE(JsonParserErrors().startsWith(QStringLiteral("Desbordamiento: ")));
}

TEST(JsonReader, QuotesAndUnquotedKeys)
{
    auto single = parseObject(QStringLiteral("{'name': 'Ana'}"));
    EXPECT_EQ(member(*single, "name"), QStringLiteral("Ana"));
    auto bare = parseObject(QStringLiteral("{name: \"Ana\"}"));
    EXPECT_EQ(member(*bare, "name"), QStringLiteral("Ana"));
    auto blanks = parseObject(QStringLiteral("{\"first name\": 1, \"a:b\": 2}"));
    EXPECT_EQ(keysOf(*blanks), (QStringList{"firstname", "a:b"}));
    EXPECT_EQ(JsonParserErrors(), QString());
    // Keys differing only in letter case are two keys, not a duplicate.
    EXPECT_EQ(keysOf(*parseObject(QStringLiteral("{\"id\": 1, \"ID\": 2}"))), (QStringList{"id", "ID"}));
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, CommasMayBeMissingOrLeading)
{
    auto object = parseObject(QStringLiteral("{, a: 1 b: 2, c: 3}"));
    EXPECT_EQ(keysOf(*object), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1 2]"))), (QStringList{"1", "2"}));
    EXPECT_EQ(JsonParserErrors(), QString());

    // After a comma a value must follow: a closing bracket there is no number.
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1, 2,]"))), (QStringList{"1", "2"}));
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("No coinciden los tipos: ]") + CrLf);
}

TEST(JsonReader, ParenthesesAndCommentsAreBlanks)
{
    const QStringList expected{"1", "2"};
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("([1, 2])"))), expected);
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("/* list */ [1, 2]"))), expected);
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1, /* one more */ 2]"))), expected);
    // A line comment ends at the line end, whatever follows on the next line.
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1, // first\n 2 // second\r\n]"))), expected);
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1, // see a/b, ** or */ 9\n 2]"))), expected);
    // Outside comments a lone slash or asterisk is skipped; two asterisks open a block comment.
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1, / 2 ** 7, 8 */]"))), expected);
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, BlockCommentsEndAtTheFirstClosingMark)
{
    const QStringList expected{"1", "2"};
    for (const QString& text : {QStringLiteral("[1, /* 2 * 3 */ 2]"), QStringLiteral("[1, /** note **/ 2]"),
                                QStringLiteral("[1, /* a * / b */ 2]"), QStringLiteral("[1, /*/ 9 */ 2]"),
                                QStringLiteral("[1, /* x *\n/ 9 */ 2]")}) {
        EXPECT_EQ(textsOf(*parseList(text)), expected) << text.toStdString();
        EXPECT_EQ(JsonParserErrors(), QString()) << text.toStdString();
    }
}

TEST(JsonReader, DuplicateKeyStopsTheObject)
{
    auto object = parseObject(QStringLiteral("{a: 1, a: 2, b: 3}"));
    EXPECT_EQ(keysOf(*object), QStringList{"a"});
    EXPECT_EQ(member(*object, "a"), QStringLiteral("1"));

    QString duplicateText;
    try {
        vb::Dictionary twice;
        twice.add(vb::Variant("a"), vb::Variant(1));
        twice.add(vb::Variant("a"), vb::Variant(2));
    } catch (const vb::Error& e) {
        duplicateText = e.description();
    }
    ASSERT_FALSE(duplicateText.isEmpty());
    EXPECT_EQ(JsonParserErrors(), duplicateText + QStringLiteral(": a") + CrLf);
}

TEST(JsonReader, StringEscapes)
{
    auto list = parseList(QStringLiteral(R"(["\u0041", "\q", "a\"b", 'it\'s', "\\ \/ \b\f\n\r\t", "\u00e9x", "\uzzzzok"])"));
    EXPECT_EQ(textsOf(*list), (QStringList{"A", "q", "a\"b", "it's", QStringLiteral("\\ / \b\f\n\r\t"),
                                           QStringLiteral("\u00e9x"), QString(QChar(0)) + QStringLiteral("ok")}));
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, UnfinishedDocuments)
{
    auto object = parseObject(QStringLiteral("{"));
    EXPECT_EQ(object->count(), 0);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Missing '}': {") + CrLf);

    auto list = parseList(QStringLiteral("[\"abc, def"));
    EXPECT_EQ(textsOf(*list), QStringList{"abc, def"});
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Missing ']': [\"abc, def") + CrLf);

    // Only the last 20 characters are quoted.
    parseList(QStringLiteral("[\"0123456789abcdefghijklmnop\""));
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Missing ']': 789abcdefghijklmnop\"") + CrLf);

    // An escape cut short by the end of the text takes what is there.
    list = parseList(QStringLiteral("[\"x\\u41"));
    EXPECT_EQ(textsOf(*list), QStringList{"xA"});
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Missing ']': [\"x\\u41") + CrLf);

    // A number running into the end of the text gives an empty element.
    list = parseList(QStringLiteral("[1"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(1).isEmpty());
}

TEST(JsonReader, WordsThatAreNotLiteralsEndTheList)
{
    auto list = parseList(QStringLiteral("[true, nope, 1]"));
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid null value at position 8 : nope, 1]") + CrLf);

    list = parseList(QStringLiteral("[fals]"));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid Boolean at position 2 : fals]") + CrLf);

    // Inside an object the word becomes part of the next key, and reading goes on.
    auto object = parseObject(QStringLiteral("{a: tru, b: 2}"));
    EXPECT_EQ(keysOf(*object), (QStringList{"a", "tru,b"}));
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid Boolean at position 5 : tru, b: 2}") + CrLf);
}

TEST(JsonReader, KeyWithoutColon)
{
    auto object = parseObject(QStringLiteral("{\"a\" 1}"));
    EXPECT_EQ(member(*object, "a"), QStringLiteral("1"));
    EXPECT_EQ(JsonParserErrors(), QStringLiteral("Invalid Key at position 6 : a") + CrLf);
}

TEST(JsonReader, TextAfterTheTopLevelValueIsIgnored)
{
    EXPECT_EQ(textsOf(*parseList(QStringLiteral("[1] ] } garbage"))), QStringList{"1"});
    EXPECT_EQ(JsonParserErrors(), QString());
}

TEST(JsonReader, NestingIsLimited)
{
    const int limit = 512;
    auto deepest = [](vb::ObjectPtr object) {
        int depth = 0;
        while (auto list = asList(object)) {
            ++depth;
            object = list->count() ? list->item(1).toObject() : nullptr;
        }
        return depth;
    };

    const QString allowed = QString(limit, u'[') + QString(limit, u']');
    EXPECT_EQ(deepest(ParseJson(allowed)), limit);
    EXPECT_EQ(JsonParserErrors(), QString());

    // One level more is refused; what was read stays and nothing after it is read.
    const QString tooDeep = QString(limit + 1, u'[') + QString(limit + 1, u']') + QStringLiteral("[1]");
    EXPECT_EQ(deepest(ParseJson(tooDeep)), limit);
    EXPECT_EQ(JsonParserErrors(),
              QStringLiteral("Nesting deeper than 512 levels at position 513") + CrLf);

    auto object = parseObject(QStringLiteral("{a:").repeated(limit + 10) + u'1');
    EXPECT_EQ(keysOf(*object), QStringList{"a"});
    EXPECT_TRUE(JsonParserErrors().startsWith(QStringLiteral("Nesting deeper than 512 levels")));
}
