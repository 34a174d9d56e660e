#include "SchemaScript.h"

#include <QRegularExpression>

QStringList SchemaScript::statements(const QString &script)
{
    static const QRegularExpression goLine(QStringLiteral("^\\s*GO\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList result;
    QString current;
    const auto flush = [&] {
        if (!current.trimmed().isEmpty())
            result << current.trimmed();
        current.clear();
    };
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        if (goLine.match(line).hasMatch()) {
            flush();
            continue;
        }
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
    }
    flush();
    return result;
}

QString SchemaScript::toSqlite(const QString &statement)
{
    static const QRegularExpression identity(
        QStringLiteral("\\bint\\s+IDENTITY\\s*\\(\\s*1\\s*,\\s*1\\s*\\)\\s+PRIMARY\\s+KEY"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bracketed(QStringLiteral("\\[([^\\]]*)\\]"));
    static const QRegularExpression createTable(QStringLiteral("^\\s*CREATE\\s+TABLE\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString sql = statement;
    sql.replace(identity, QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"));
    sql.replace(bracketed, QStringLiteral("\"\\1\""));
    if (createTable.match(sql).hasMatch())
        sql = withTextCollation(sql);
    return sql;
}

QString SchemaScript::withTextCollation(const QString &createTable)
{
    // Text columns compare as the server does: case and trailing blanks ignored.
    static const QRegularExpression textType(
        QStringLiteral("\\b(n?varchar|n?char|n?text)\\b(\\s*\\(\\s*\\d+\\s*\\))?+(?!\\s+COLLATE)"),
        QRegularExpression::CaseInsensitiveOption);
    QString sql = createTable;
    sql.replace(textType, QStringLiteral("\\1\\2 COLLATE SRV"));
    return sql;
}
