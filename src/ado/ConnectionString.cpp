#include "ado/ConnectionString.h"

namespace ado {

ConnectionString::ConnectionString(const QString& text)
    : m_text(text)
{
    parse();
}

void ConnectionString::parse()
{
    qsizetype at = 0;
    while (at < m_text.size()) {
        const qsizetype equals = m_text.indexOf(u'=', at);
        const qsizetype semicolon = m_text.indexOf(u';', at);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            at = semicolon < 0 ? m_text.size() : semicolon + 1;
            continue;
        }
        const QString key = m_text.mid(at, equals - at).trimmed();
        QString value;
        at = readValue(m_text, equals + 1, value);
        if (!key.isEmpty())
            m_items.emplace_back(key, value);
    }
}

qsizetype ConnectionString::readValue(const QString& text, qsizetype at, QString& value)
{
    while (at < text.size() && text[at] == u' ')
        ++at;
    const QChar open = at < text.size() ? text[at] : QChar();
    if (open == u'{' || open == u'"') {
        const QChar close = open == u'{' ? u'}' : u'"';
        ++at;
        while (at < text.size()) {
            if (text[at] == close && (at + 1 >= text.size() || text[at + 1] != close)) {
                ++at;
                break;
            }
            if (text[at] == close)
                ++at;
            value += text[at++];
        }
        const qsizetype end = text.indexOf(u';', at);
        return end < 0 ? text.size() : end + 1;
    }
    const qsizetype end = text.indexOf(u';', at);
    value = text.mid(at, end < 0 ? -1 : end - at).trimmed();
    return end < 0 ? text.size() : end + 1;
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& [k, v] : m_items)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

QString ConnectionString::value(const QStringList& synonyms) const
{
    for (const QString& key : synonyms)
        if (contains(key))
            return value(key);
    return {};
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace ado
