#include "json/JsonReader.h"

#include "json/cStringBuilder.h"
#include "vb/Collection.h"
#include "vb/Dictionary.h"
#include "vb/Error.h"

#include <QRegularExpression>

#include <algorithm>

namespace json {

namespace {

constexpr int ErrOverflow = 6;
constexpr int ErrTypeMismatch = 13;

QString describe(const vb::Error& e)
{
    return e.description().isEmpty() ? vb::Error::standardDescription(e.number()) : e.description();
}

bool isNumberChar(QChar c)
{
    return QStringView(u"+-0123456789.eE").contains(c);
}

// The decimal point is always "." whatever the regional settings say.
vb::Decimal toDecimal(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!shape.match(text).hasMatch())
        vb::raise(ErrTypeMismatch);
    vb::Decimal value;
    if (!vb::Decimal::parse(text, value, u'.'))
        vb::raise(ErrOverflow);
    return value;
}

// Value of the hexadecimal digits at the start of text; 0 when there are none.
char16_t leadingHex(QStringView text)
{
    char16_t code = 0;
    for (QChar c : text) {
        const int digit = QStringView(u"0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            break;
        code = char16_t(code * 16 + digit);
    }
    return code;
}

} // namespace

JsonReader::JsonReader(const QString& text)
    : m_text(text)
{
}

// An entry may quote the rest of a long document: it is cut where the error text reaches its
// limit, and nothing is copied once the limit is reached, so many problems in a long document
// cost no more than the limit.
void JsonReader::note(const QString& entry, QStringView quoted)
{
    if (m_errorsCut)
        return;
    if (m_errors.size() >= ErrorTextLimit) {
        m_errors += QStringLiteral("More errors follow\r\n");
        m_errorsCut = true;
        return;
    }
    const qsizetype room = ErrorTextLimit - m_errors.size();
    m_errors += entry.left(room);
    m_errors += quoted.left(std::max<qsizetype>(0, room - entry.size()));
    m_errors += QStringLiteral("\r\n");
}

bool JsonReader::lookingAt(QStringView word) const
{
    return QStringView(m_text).mid(m_pos - 1).startsWith(word);
}

vb::ObjectPtr JsonReader::read()
{
    m_errors.clear();
    m_pos = 1;
    try {
        SkipJsonBlanks();
        if (isAt(u'{'))
            return ParseJsonObject();
        if (isAt(u'['))
            return ParseJsonArray();
    } catch (const vb::Error& e) {
        note(describe(e), {});
        return {};
    }
    m_errors = QStringLiteral("Invalid JSON");
    return {};
}

// Blanks, line ends, parentheses and comments. A lone "/" or "*" outside a comment counts as a
// blank; "/*" (or "**") opens a block comment that the first "*/" inside it closes; "//" (or
// "*/" outside a block) opens a line comment, which nothing but the line end closes.
void JsonReader::SkipJsonBlanks()
{
    bool comment = false;
    bool block = false;
    bool pending = false;
    for (; !atEnd(); ++m_pos) {
        const QChar c = current();
        const bool lineEnd = c == u'\r' || c == u'\n';
        if (block) {
            // Only an asterisk right before the slash closes: "/* 2 * 3 */" and "/** x **/"
            // must not run on to the end of the text.
            if (c == u'/' && pending)
                block = comment = false;
            pending = c == u'*';
        } else if (comment) {
            if (lineEnd)
                comment = pending = false;
        } else if (lineEnd) {
            pending = false;
        } else if (c == u'\t' || c == u' ' || c == u'(' || c == u')') {
            continue;
        } else if (c == u'/' || c == u'*') {
            if (pending) {
                comment = true;
                block = c == u'*';
                pending = false;
            } else {
                pending = true;
            }
        } else {
            return;
        }
    }
}

// Refuses one more level of nesting past the limit: the reading stops there, and each open
// level keeps what it has read so far.
void JsonReader::checkNesting()
{
    if (m_depth < MaxNesting)
        return;
    note(QStringLiteral("Nesting deeper than %1 levels at position %2").arg(MaxNesting).arg(m_pos), {});
    m_stopped = true;
    throw NestingRefused{};
}

// Members after the opening bracket, up to the closing one. A member may follow the previous
// one without a comma, and a comma may stand before the first. readMember returns false when
// the container ends with that member.
void JsonReader::readMembers(QChar closing, const std::function<bool()>& readMember)
{
    ++m_depth;
    ++m_pos;
    while (!m_stopped) {
        SkipJsonBlanks();
        if (isAt(closing)) {
            ++m_pos;
            break;
        }
        if (isAt(u',')) {
            ++m_pos;
            SkipJsonBlanks();
        } else if (atEnd()) {
            note(QStringLiteral("Missing '") + closing + QStringLiteral("': "), QStringView(m_text).right(20));
            break;
        }
        try {
            if (!readMember())
                break;
        } catch (const NestingRefused&) {
            break;
        }
    }
    --m_depth;
}

std::shared_ptr<vb::Dictionary> JsonReader::ParseJsonObject()
{
    auto dictionary = std::make_shared<vb::Dictionary>();
    SkipJsonBlanks();
    if (!isAt(u'{')) {
        note(QStringLiteral("Invalid Object at position ") + position() + QStringLiteral(" : "), rest());
        return dictionary;
    }
    readMembers(u'}', [&] {
        const QString key = ParseJsonKey();
        try {
            dictionary->add(key, ParseJsonValue());
        } catch (const vb::Error& e) {
            note(describe(e) + QStringLiteral(": "), key);
            return false;
        }
        return true;
    });
    // A long document holds many small objects: the room kept for more members would cost
    // more than the members.
    dictionary->squeeze();
    return dictionary;
}

std::shared_ptr<vb::Collection> JsonReader::ParseJsonArray()
{
    auto list = std::make_shared<vb::Collection>();
    SkipJsonBlanks();
    if (!isAt(u'[')) {
        note(QStringLiteral("Invalid Array at position ") + position() + QStringLiteral(" : "), next20());
        return list;
    }
    readMembers(u']', [&] {
        const qsizetype start = m_pos;
        try {
            vb::Variant element = ParseJsonValue();
            // A word that is not a literal leaves the position where it was and is already
            // noted: reading it again would never end.
            if (m_pos == start && !atEnd())
                return false;
            list->add(element);
        } catch (const vb::Error& e) {
            note(describe(e) + QStringLiteral(": "), next20());
            return false;
        }
        return true;
    });
    list->squeeze();
    return list;
}

vb::Variant JsonReader::ParseJsonValue()
{
    SkipJsonBlanks();
    if (atEnd())
        return ParseJsonNumber();
    switch (current().unicode()) {
    case u'{':
        checkNesting();
        return vb::Variant(vb::ObjectPtr(ParseJsonObject()));
    case u'[':
        checkNesting();
        return vb::Variant(vb::ObjectPtr(ParseJsonArray()));
    case u'"':
    case u'\'':
        return vb::Variant(ParseJsonString());
    case u't':
    case u'f':
        return vb::Variant(ParseJsonBoolean());
    case u'n':
        return ParseJsonNull();
    default:
        return ParseJsonNumber();
    }
}

// Called just past a closing quote: a key must be followed by ":".
bool JsonReader::closingKeyQuote(const QString& key)
{
    SkipJsonBlanks();
    if (isAt(u':'))
        return true;
    note(QStringLiteral("Invalid Key at position ") + position() + QStringLiteral(" : "), key);
    return false;
}

QString JsonReader::ParseJsonKey()
{
    SkipJsonBlanks();
    QString key;
    bool inDouble = false;
    bool inSingle = false;
    while (!atEnd()) {
        const QChar c = current();
        ++m_pos;
        if (c == u'"' || c == u'\'') {
            bool& flag = c == u'"' ? inDouble : inSingle;
            flag = !flag;
            if (!flag && !closingKeyQuote(key))
                return shared(key);
        } else if (c == u':') {
            if (!inDouble && !inSingle)
                return shared(key);
            key += c;
        } else if (c != u'\r' && c != u'\n' && c != u'\t' && c != u' ') {
            key += c;
        }
    }
    return shared(key);
}

// The objects of a long list repeat the same few keys: each is kept once and shared.
QString JsonReader::shared(QString key)
{
    if (key.size() > SharedKeyLength)
        return key;
    const auto known = m_keys.constFind(key);
    if (known != m_keys.constEnd())
        return *known;
    key.squeeze();
    if (m_keys.size() < SharedKeyCount)
        m_keys.insert(key);
    return key;
}

// Reads the character after a backslash; the position is on that character.
QChar JsonReader::readEscape()
{
    const QChar c = current();
    ++m_pos;
    switch (c.unicode()) {
    case u'b': return QChar(8);
    case u'f': return QChar(12);
    case u'n': return QChar(u'\n');
    case u'r': return QChar(u'\r');
    case u't': return QChar(u'\t');
    case u'u': {
        const QChar code(leadingHex(QStringView(m_text).mid(m_pos - 1, 4)));
        m_pos = std::min(m_pos + 4, m_text.size() + 1);
        return code;
    }
    default:
        return c;
    }
}

QString JsonReader::ParseJsonString()
{
    SkipJsonBlanks();
    const QChar quote = current();
    ++m_pos;
    // Most texts hold no escape: they are taken from the document in one piece, at their size.
    const qsizetype start = m_pos;
    while (!atEnd() && current() != quote && current() != u'\\')
        ++m_pos;
    if (atEnd() || current() == quote) {
        const QString text = m_text.mid(start - 1, m_pos - start);
        if (!atEnd())
            ++m_pos;
        return text;
    }
    cStringBuilder text;
    text.ChunkSize(256);
    text.Append(m_text.mid(start - 1, m_pos - start));
    while (!atEnd()) {
        const QChar c = current();
        if (c == u'\\') {
            ++m_pos;
            if (atEnd())
                break;
            const QChar next = current();
            // An unknown escape drops the backslash; the character is then read as usual.
            if (QStringView(u"\"\\/'bfnrtu").contains(next))
                text.Append(QString(readEscape()));
            continue;
        }
        ++m_pos;
        if (c == quote)
            break;
        text.Append(QString(c));
    }
    return text.toString();
}

vb::Variant JsonReader::ParseJsonNumber()
{
    SkipJsonBlanks();
    const qsizetype start = m_pos;
    while (!atEnd() && isNumberChar(current()))
        ++m_pos;
    if (atEnd())
        return {};
    return vb::Variant(toDecimal(m_text.mid(start - 1, m_pos - start)));
}

bool JsonReader::ParseJsonBoolean()
{
    SkipJsonBlanks();
    if (lookingAt(u"true")) {
        m_pos += 4;
        return true;
    }
    if (lookingAt(u"false")) {
        m_pos += 5;
        return false;
    }
    note(QStringLiteral("Invalid Boolean at position ") + position() + QStringLiteral(" : "), rest());
    return false;
}

vb::Variant JsonReader::ParseJsonNull()
{
    SkipJsonBlanks();
    if (lookingAt(u"null")) {
        m_pos += 4;
        return vb::Variant::null();
    }
    note(QStringLiteral("Invalid null value at position ") + position() + QStringLiteral(" : "), rest());
    return {};
}

} // namespace json
