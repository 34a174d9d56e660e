#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ado {

// "Key=Value;..." as OLE DB and ODBC write it. Keys are trimmed and looked up without regard
// to case ("Database =x" has the key "Database"); values are trimmed; {..} and "..." quote
// values that hold ";".
class ConnectionString {
public:
    ConnectionString() = default;
    explicit ConnectionString(const QString& text);

    QString value(const QString& key) const;           // "" when absent
    QString value(const QStringList& synonyms) const;  // the first present
    bool contains(const QString& key) const;
    const QString& text() const { return m_text; }

private:
    void parse();
    static qsizetype readValue(const QString& text, qsizetype at, QString& value);

    QString m_text;
    std::vector<std::pair<QString, QString>> m_items;
};

} // namespace ado
