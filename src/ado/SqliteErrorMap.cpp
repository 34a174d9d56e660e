#include "ado/SqliteErrorMap.h"

#include "ado/AdoEnums.h"
#include "ado/ServerMessages.h"
#include "ado/TableDefinitionRewriter.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace ado {

namespace {
QString afterColon(const QString& message)
{
    return message.section(QStringLiteral(": "), 1).trimmed();
}

QString withoutSchema(QString name)
{
    if (name.startsWith(QLatin1String("main."), Qt::CaseInsensitive))
        name = name.mid(5);
    return name;
}
} // namespace

DatabaseFailure SqliteErrorMap::server(int native, const QString& sqlState, const QString& text)
{
    const int number = sqlState == QLatin1String("22018") ? -2147217913 : DatabaseFailure::numberForState(sqlState);
    return DatabaseFailure(number, {Error(number, text, source(), sqlState, native)});
}

DatabaseFailure SqliteErrorMap::lostConnection(const QString& detail)
{
    Q_UNUSED(detail);
    return server(11, QStringLiteral("08S01"), ServerMessages::networkError());
}

DatabaseFailure SqliteErrorMap::cannotOpen(const QString& database)
{
    return server(4060, QStringLiteral("08001"), ServerMessages::loginFailed(database));
}

DatabaseFailure SqliteErrorMap::damaged(const QString& database, const QString& file)
{
    return server(926, QStringLiteral("08001"), ServerMessages::damagedFile(database, file));
}

DatabaseFailure SqliteErrorMap::readOnly(const QString& database)
{
    return server(3906, QStringLiteral("HY000"), ServerMessages::readOnly(database));
}

DatabaseFailure SqliteErrorMap::failure(sqlite3* db, int resultCode, const QString& sql)
{
    const int extended = sqlite3_extended_errcode(db);
    // A file this user may not write is no lost connection: the operator is told which one.
    if (((extended ? extended : resultCode) & 0xff) == SQLITE_READONLY)
        return readOnly(QFileInfo(QString::fromUtf8(sqlite3_db_filename(db, "main"))).completeBaseName());
    return failure(extended ? extended : resultCode, QString::fromUtf8(sqlite3_errmsg(db)), sql);
}

DatabaseFailure SqliteErrorMap::failure(int code, const QString& message, const QString& sql)
{
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
        return constraint(code, message, sql);
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_READONLY:
        return lostConnection(message);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return server(1222, QStringLiteral("HYT00"), ServerMessages::lockTimeout());
    case SQLITE_INTERRUPT:
        return server(0, QStringLiteral("HYT00"), ServerMessages::queryTimeout());
    default:
        return plainError(message);
    }
}

QString SqliteErrorMap::verb(const QString& sql)
{
    const QString first = sql.trimmed().section(QRegularExpression(QStringLiteral("\\s")), 0, 0).toUpper();
    return first == QLatin1String("UPDATE") || first == QLatin1String("DELETE") ? first : QStringLiteral("INSERT");
}

DatabaseFailure SqliteErrorMap::constraint(int code, const QString& message, const QString& sql)
{
    const QString detail = afterColon(message);
    const QString table = detail.section(u'.', 0, 0);
    switch (code) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return server(2627, QStringLiteral("23000"), ServerMessages::duplicateKey(table));
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        return server(547, QStringLiteral("23000"),
                      ServerMessages::referenceConflict(
                          verb(sql), verb(sql) == QLatin1String("DELETE") ? QStringLiteral("REFERENCE") : QStringLiteral("FOREIGN KEY")));
    case SQLITE_CONSTRAINT_NOTNULL:
        return server(515, QStringLiteral("23000"),
                      ServerMessages::nullNotAllowed(detail.section(u'.', 1), table, verb(sql)));
    case SQLITE_CONSTRAINT_CHECK:
        if (detail.contains(QLatin1String(TableDefinitionRewriter::truncationCheckName)))
            return server(8152, QStringLiteral("22001"), ServerMessages::truncation());
        return server(547, QStringLiteral("23000"),
                      ServerMessages::checkConflict(verb(sql), detail));
    default:
        return server(547, QStringLiteral("23000"), message);
    }
}

DatabaseFailure SqliteErrorMap::plainError(const QString& message)
{
    static const QRegularExpression own(QStringLiteral("^\\[(\\d+)\\] (.*)$"));
    if (const auto m = own.match(message); m.hasMatch()) {
        const int native = m.captured(1).toInt();
        const bool conversion = native == 241 || native == 245 || native == 8114;
        return server(native, conversion ? QStringLiteral("22018") : QStringLiteral("42000"), m.captured(2));
    }
    const QString detail = afterColon(message);
    if (message.startsWith(QLatin1String("no such table")) || message.startsWith(QLatin1String("no such view")))
        return server(208, QStringLiteral("42S02"), ServerMessages::invalidObject(withoutSchema(detail)));
    if (message.startsWith(QLatin1String("no such column"))) {
        if (detail.contains(u'.'))
            return server(4104, QStringLiteral("42000"), ServerMessages::unboundIdentifier(detail));
        return server(207, QStringLiteral("42S22"), ServerMessages::invalidColumn(detail));
    }
    static const QRegularExpression near(QStringLiteral("^near \"(.*)\": syntax error$"));
    if (const auto m = near.match(message); m.hasMatch())
        return server(102, QStringLiteral("42000"), ServerMessages::syntaxNear(m.captured(1)));
    if (message.contains(QLatin1String("syntax error")) || message.startsWith(QLatin1String("incomplete input")))
        return server(102, QStringLiteral("42000"), ServerMessages::syntaxAtEndOfStatement());
    if (message.startsWith(QLatin1String("no such function")))
        return server(195, QStringLiteral("42000"), ServerMessages::unknownFunction(detail));
    static const QRegularExpression exists(QStringLiteral("^(?:table|index|view|trigger) \"?([^\"]+)\"? already exists$"));
    if (const auto m = exists.match(message); m.hasMatch())
        return server(2714, QStringLiteral("42S01"), ServerMessages::objectExists(m.captured(1)));
    if (message.startsWith(QLatin1String("duplicate column name")))
        return server(2705, QStringLiteral("42S21"), ServerMessages::duplicateColumn(detail));
    return server(0, QStringLiteral("HY000"), message);
}

} // namespace ado
