#pragma once
// Lenient reader of one JSON text: single or double quotes, unquoted keys, comments,
// parentheses read as blanks, missing commas tolerated. It never raises: whatever it could
// build is returned and each problem becomes a line of the error text.
// Positions are one-based character positions, as the error texts show them.

#include "vb/Variant.h"

#include <QString>
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
    // Past this size later problems are no longer written out: each line may quote the rest of
    // the text, and a long malformed document would otherwise need memory by its square.
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
    QString ParseJsonString();
    vb::Variant ParseJsonNumber();
    bool ParseJsonBoolean();
    vb::Variant ParseJsonNull();

    bool atEnd() const { return m_pos > m_text.size(); }
    bool isAt(QChar c) const { return !atEnd() && current() == c; }
    QChar current() const { return m_text.at(m_pos - 1); }
    bool lookingAt(QStringView word) const;
    QString rest() const { return m_text.mid(m_pos - 1); }
    QString next20() const { return m_text.mid(m_pos - 1, 20); }
    QString position() const { return QString::number(m_pos); }
    bool closingKeyQuote(const QString& key);
    QChar readEscape();
    struct NestingRefused {};
    void checkNesting();
    void readMembers(QChar closing, const std::function<bool()>& readMember);
    void note(const QString& entry);

    QString m_text;
    qsizetype m_pos = 1;
    QString m_errors;
    bool m_errorsCut = false;
    int m_depth = 0;
    bool m_stopped = false;   // nesting too deep: every level returns what it has
};

} // namespace json
