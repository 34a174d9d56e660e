#pragma once
// Lenient reader of one JSON text: single or double quotes, unquoted keys, comments,
// parentheses read as blanks, missing commas tolerated. It never raises: whatever it could
// build is returned and each problem becomes a line of the error text.
// Positions are one-based character positions, as the error texts show them.

#include "vb/Variant.h"

#include <QSet>
#include <QString>
#include <algorithm>
#include <functional>
#include <memory>

namespace vb {
class Collection;
class Dictionary;
}

namespace json {

class JsonReader {
public:
    static constexpr int MaxNesting = 512;
    // The error text never grows past this size (and one closing line): each line may quote the
    // rest of the text, and a long malformed document would otherwise need memory by its square.
    static constexpr qsizetype ErrorTextLimit = 1 << 20;

    explicit JsonReader(const QString& text);

    // The object or list of the top-level value; null when the text starts with neither.
    vb::ObjectPtr read();
    const QString& errors() const { return m_errors; }

private:
    void SkipJsonBlanks();
    std::shared_ptr<vb::Dictionary> ParseJsonObject();
    std::shared_ptr<vb::Collection> ParseJsonArray();
    vb::Variant ParseJsonValue();
    QString ParseJsonKey();
    QString shared(QString key);
    QString ParseJsonString();
    vb::Variant ParseJsonNumber();
    bool ParseJsonBoolean();
    vb::Variant ParseJsonNull();

    bool atEnd() const { return m_pos > m_text.size(); }
    bool isAt(QChar c) const { return !atEnd() && current() == c; }
    QChar current() const { return m_text.at(m_pos - 1); }
    bool lookingAt(QStringView word) const;
    QStringView rest() const { return QStringView(m_text).mid(std::min(m_pos - 1, m_text.size())); }
    QStringView next20() const { return rest().left(20); }
    QString position() const { return QString::number(m_pos); }
    bool closingKeyQuote(const QString& key);
    QChar readEscape();
    struct NestingRefused {};
    void checkNesting();
    void readMembers(QChar closing, const std::function<bool()>& readMember);
    void note(const QString& entry, QStringView quoted);

    QString m_text;
    qsizetype m_pos = 1;
    QString m_errors;
    bool m_errorsCut = false;
    int m_depth = 0;
    static constexpr qsizetype SharedKeyLength = 64;
    static constexpr qsizetype SharedKeyCount = 4096;
    QSet<QString> m_keys;     // keys met so far, handed out again rather than copied
    bool m_stopped = false;   // nesting too deep: every level returns what it has
};

} // namespace json
