#include "ado/TableDefinitionRewriter.h"

#include "ado/SqlType.h"
#include "ado/StatementShape.h"

#include <QSet>

namespace ado {

namespace {
bool isTableConstraint(const SqlToken& t)
{
    static const QSet<QString> words{QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"),
        QStringLiteral("UNIQUE"), QStringLiteral("FOREIGN"), QStringLiteral("CHECK"), QStringLiteral("INDEX")};
    return t.kind == SqlToken::Word && words.contains(t.text.toUpper());
}

bool isSizedText(const QString& type)
{
    const QString t = type.toUpper();
    return t == QLatin1String("VARCHAR") || t == QLatin1String("CHAR") || t == QLatin1String("NVARCHAR")
           || t == QLatin1String("NCHAR");
}
} // namespace

void TableDefinitionRewriter::run()
{
    eraseStorageWords(0, m_view.size());
    if (m_view.is(0, "CREATE") && m_view.is(1, "TABLE")) {
        const int open = find(2, m_view.size(), "(");
        if (open < m_view.size())
            rewriteCreate(open);
    } else if (m_view.is(0, "ALTER") && m_view.is(1, "TABLE")) {
        const int add = find(2, m_view.size(), "ADD");
        if (add < m_view.size())
            rewriteAlter(add);
    }
}

int TableDefinitionRewriter::find(int from, int to, const char* word) const
{
    for (int i = from; i < to; ++i)
        if (m_view.is(i, word))
            return i;
    return to;
}

void TableDefinitionRewriter::eraseStorageWords(int from, int to)
{
    for (int i = from; i < to; ++i) {
        if (m_view.is(i, "CLUSTERED") || m_view.is(i, "NONCLUSTERED"))
            m_view.erase(i);
        else if (m_view.is(i, "ON") && i + 1 < to && m_view[i + 1].text.compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0
                 && m_view[i + 1].kind == SqlToken::Quoted)
            m_view.erase(i, i + 2);
    }
}

void TableDefinitionRewriter::rewriteCreate(int open)
{
    const int close = m_view.closing(open);
    std::vector<std::pair<int, int>> definitions;
    for (const auto [from, to] : m_view.items(open + 1, close)) {
        if (from < to)
            definitions.emplace_back(from, to);
    }
    const bool hasKey = tableHasPrimaryKey(open, close) && !moveKeyToIdentity(definitions);
    for (const auto& [from, to] : definitions)
        if (!isTableConstraint(m_view[from]))
            rewriteColumn(from, to, hasKey);
    m_view.erase(close + 1, m_view.size());
    if (!m_padded.empty() && open > 2 && close < m_view.size())   // an unclosed list fails in SQLite as it is
        m_view[close].suffix += paddingTriggers(m_view[open - 1].text);
}

// The server keeps char(n) values blank-padded to n, which shows in concatenations and
// lengths; SQLite keeps what it is given, so triggers pad on the way in.
QString TableDefinitionRewriter::paddingTriggers(const QString& table) const
{
    auto quote = [](const QString& name) { return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"'; };
    QString out;
    for (const auto& [column, width] : m_padded) {
        const QString pad = QStringLiteral("UPDATE %1 SET %2 = NEW.%2 || substr('%3', 1, %4 - length(NEW.%2)) WHERE rowid = NEW.rowid")
                                .arg(quote(table), quote(column), QString(width, u' ')).arg(width);
        for (const char* event : {"INSERT", "UPDATE"}) {
            const QString name = quote(QStringLiteral("rpq_pad_%1_%2_%3").arg(table, column, QLatin1String(event)));
            out += QStringLiteral(";\nCREATE TRIGGER %1 AFTER %2%3 ON %4 WHEN length(NEW.%5) < %6 BEGIN %7; END")
                       .arg(name, QLatin1String(event), QLatin1String(event) == QLatin1String("UPDATE") ? QStringLiteral(" OF ") + quote(column) : QString(),
                            quote(table), quote(column)).arg(width).arg(pad);
        }
    }
    return out;
}

// "Id int IDENTITY ..., CONSTRAINT PK PRIMARY KEY (Id)": SQLite numbers rows only for an
// INTEGER PRIMARY KEY column, so the key moves onto the column and the constraint goes.
bool TableDefinitionRewriter::moveKeyToIdentity(const std::vector<std::pair<int, int>>& definitions)
{
    QString identity;
    for (const auto& [from, to] : definitions)
        if (!isTableConstraint(m_view[from]) && find(from, to, "IDENTITY") < to)
            identity = m_view[from].text;
    for (const auto& [from, to] : definitions) {
        const int primary = find(from, to, "PRIMARY");
        if (identity.isEmpty() || !isTableConstraint(m_view[from]) || primary >= to)
            continue;
        const int open = find(primary, to, "(");
        const int after = m_view.is(open + 2, "ASC") || m_view.is(open + 2, "DESC") ? open + 3 : open + 2;
        const bool single = after < to && m_view.is(after, ")");
        if (!single || m_view[open + 1].text.compare(identity, Qt::CaseInsensitive) != 0)
            return false;
        m_view.erase(from - 1, to);   // with the comma before it
        return true;
    }
    return false;
}

void TableDefinitionRewriter::rewriteAlter(int add)
{
    if (m_view.is(add + 1, "COLUMN"))
        ++add;
    if (add + 1 < m_view.size() && !isTableConstraint(m_view[add + 1]))
        rewriteColumn(add + 1, m_view.size(), true);
}

// SQLite numbers rows 1, 2, 3 ...: another seed or step would number them differently.
void TableDefinitionRewriter::requireFirstNumbers(int identity) const
{
    if (!m_view.is(identity + 1, "("))
        return;
    const int close = m_view.closing(identity + 1);
    for (int i = identity + 2; i < close; ++i)
        if (m_view[i].kind == SqlToken::Number && m_view[i].text != QLatin1String("1"))
            throw TranslationError::unsupported(QStringLiteral("IDENTITY con un valor inicial o un incremento distinto de 1"));
}

bool TableDefinitionRewriter::tableHasPrimaryKey(int open, int close) const
{
    for (int i = open + 1; i < close; ++i)
        if (m_view.is(i, "PRIMARY") && m_view.is(i + 1, "KEY"))
            return true;
    return false;
}

int TableDefinitionRewriter::typeEnd(int typeAt, int to) const
{
    if (typeAt + 1 < to && m_view.is(typeAt + 1, "("))
        return std::min(m_view.closing(typeAt + 1) + 1, to);
    return typeAt + 1;
}

void TableDefinitionRewriter::rewriteColumn(int from, int to, bool tableHasKey)
{
    const int typeAt = from + 1;
    if (typeAt >= to || !m_view[typeAt].isName())
        return;
    m_view[typeAt].kind = SqlToken::Word;   // [varchar]: the declared type must read as a type
    const int end = typeEnd(typeAt, to);
    const QString column = m_view[from].text;
    const QString type = m_view[typeAt].text;
    if (end - typeAt == 4 && m_view.is(typeAt + 2, "MAX"))
        m_view.erase(typeAt + 1, end);
    const int identity = find(end, to, "IDENTITY");
    if (identity < to) {
        requireFirstNumbers(identity);
        m_view.erase(identity, m_view.is(identity + 1, "(") ? m_view.closing(identity + 1) + 1 : identity + 1);
        const int key = find(end, to, "KEY");
        if (key < to) {
            m_view[typeAt].text = QStringLiteral("INTEGER");
            m_view.erase(typeAt + 1, end);
            m_view[key].suffix += QStringLiteral(" AUTOINCREMENT");
        } else if (!tableHasKey) {
            m_view[typeAt].text = QStringLiteral("INTEGER");
            m_view.erase(typeAt + 1, end);
            m_view[typeAt].suffix += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        }
        return;
    }
    if (!SqlType::fromDeclared(type).isText())
        return;
    const int collate = find(end, to, "COLLATE");
    if (collate + 1 < to)
        m_view[collate + 1] = SqlToken::make(SqlToken::Word, QStringLiteral("SRV"));
    else
        m_view[end - 1].suffix += QStringLiteral(" COLLATE SRV");
    const bool fixed = type.compare(QLatin1String("char"), Qt::CaseInsensitive) == 0 || type.compare(QLatin1String("nchar"), Qt::CaseInsensitive) == 0;
    if (fixed && end - typeAt == 4 && m_view[typeAt + 2].kind == SqlToken::Number && m_view[typeAt + 2].text.toInt() <= 8000)
        m_padded.emplace_back(column, m_view[typeAt + 2].text.toInt());
    if (isSizedText(type) && end - typeAt == 4 && m_view[typeAt + 2].kind == SqlToken::Number) {
        const QString quoted = u'"' + QString(column).replace(u'"', QLatin1String("\"\"")) + u'"';
        m_view[end - 1].suffix += QStringLiteral(" CONSTRAINT %1 CHECK (length(rtrim(%2)) <= %3)")
                                      .arg(QLatin1String(truncationCheckName), quoted, m_view[typeAt + 2].text);
    }
}

} // namespace ado
