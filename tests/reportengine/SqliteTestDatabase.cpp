#include "SqliteTestDatabase.h"
#include <QRegularExpression>
#include <sqlite3.h>
#include <stdexcept>

namespace {

class SqliteRows : public reportengine::RowSource {
public:
    SqliteRows(sqlite3* db, const QString& sql, std::size_t columns) : m_columns(columns)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("SQL: ") + sqlite3_errmsg(db) + " in " + sql.toStdString());
    }
    ~SqliteRows() override { sqlite3_finalize(m_stmt); }

    bool next(std::vector<reportengine::FormulaValue>& row) override
    {
        if (sqlite3_step(m_stmt) != SQLITE_ROW)
            return false;
        row.resize(m_columns);
        for (int i = 0; i < int(m_columns); ++i)
            row[std::size_t(i)] = value(i);
        return true;
    }

private:
    reportengine::FormulaValue value(int i) const
    {
        if (sqlite3_column_type(m_stmt, i) == SQLITE_NULL)
            return {};
        const QString type = QString::fromLatin1(sqlite3_column_decltype(m_stmt, i)).toUpper();
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)));
        if (type.startsWith(u"DATETIME"))
            return reportengine::FormulaValue::dateTime(QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        if (type == u"BIT")
            return reportengine::FormulaValue::boolean(sqlite3_column_int(m_stmt, i) != 0);
        if (type.startsWith(u"INT") || type.startsWith(u"REAL") || type.startsWith(u"NUMERIC"))
            return reportengine::FormulaValue::number(sqlite3_column_double(m_stmt, i));
        return reportengine::FormulaValue::text(text);
    }

    sqlite3_stmt* m_stmt = nullptr;
    std::size_t m_columns;
};

} // namespace

SqliteTestDatabase::SqliteTestDatabase()
{
    sqlite3_open(":memory:", &m_db);
}

SqliteTestDatabase::~SqliteTestDatabase()
{
    sqlite3_close(m_db);
}

void SqliteTestDatabase::exec(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

reportengine::QueryRunner SqliteTestDatabase::runner()
{
    return [this](const QString& sql, std::size_t columns) -> std::unique_ptr<reportengine::RowSource> {
        m_queries << sql;
        static const QRegularExpression ts(QStringLiteral("\\{ts ('[^']*')\\}"));
        QString local = sql;
        local.replace(ts, QStringLiteral("\\1"));
        return std::make_unique<SqliteRows>(m_db, local, columns);
    };
}
