#include "TableDigest.h"

#include "DemoDatabase.h"

#include <QCryptographicHash>

#include <sqlite3.h>

#include <stdexcept>

TableDigest::TableDigest(const QString &path)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString());
    demo::DemoDatabase::prepareConnection(m_db);
}

TableDigest::~TableDigest()
{
    sqlite3_close(m_db);
}

QStringList TableDigest::column(const QString &sql) const
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql.toStdString());
    QStringList values;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
        values << (text ? QString::fromUtf8(text) : QString());
    }
    sqlite3_finalize(statement);
    return values;
}

QStringList TableDigest::tables() const
{
    return column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
}

QByteArray TableDigest::digest(const QString &table) const
{
    sqlite3_stmt *statement = nullptr;
    const QString sql = QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table);
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            hash.addData(QByteArray::number(sqlite3_column_type(statement, i)));
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, i));
            hash.addData(QByteArray(text ? text : "\x01NULL"));
            hash.addData(QByteArrayView("\x1f", 1));
        }
        hash.addData(QByteArrayView("\x1e", 1));
    }
    sqlite3_finalize(statement);
    return hash.result();
}
