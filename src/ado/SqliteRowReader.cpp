#include "ado/SqliteRowReader.h"

#include "ado/AdoEnums.h"
#include "ado/ValueText.h"

#include <QDate>
#include <sqlite3.h>

namespace ado {

SqliteRowReader::SqliteRowReader(sqlite3* db, sqlite3_stmt* stmt, KeyInfo keyInfo)
    : m_db(db), m_stmt(stmt), m_keyInfo(std::move(keyInfo))
{
}

void SqliteRowReader::describe()
{
    const int n = sqlite3_column_count(m_stmt);
    m_columns.resize(size_t(n));
    m_readings.resize(size_t(n));
    m_decided.assign(size_t(n), true);
    m_computed.assign(size_t(n), false);
    for (int i = 0; i < n; ++i)
        describeColumn(i);
}

void SqliteRowReader::describeColumn(int i)
{
    const char* declared = sqlite3_column_decltype(m_stmt, i);
    ColumnInfo info = declared ? ColumnTypes::fromDeclaredType(QString::fromUtf8(declared)) : ColumnInfo{};
    info.name = QString::fromUtf8(sqlite3_column_name(m_stmt, i));
    const char* table = sqlite3_column_table_name(m_stmt, i);
    const char* origin = sqlite3_column_origin_name(m_stmt, i);
    if (table && origin) {
        info.baseTable = QString::fromUtf8(table);
        info.baseColumn = QString::fromUtf8(origin);
        int notNull = 0, primaryKey = 0, autoIncrement = 0;
        const char* type = nullptr;
        const char* collation = nullptr;
        if (sqlite3_table_column_metadata(m_db, sqlite3_column_database_name(m_stmt, i), table, origin, &type, &collation,
                                          &notNull, &primaryKey, &autoIncrement) == SQLITE_OK) {
            info.key = primaryKey != 0;
            info.tableKeyColumns = info.key && m_keyInfo ? m_keyInfo(info.baseTable) : 0;
            const bool rowid = info.key && info.tableKeyColumns == 1 && type && QByteArray(type).toUpper() == "INTEGER";
            info.autoIncrement = autoIncrement != 0 || rowid;
        }
    }
    m_computed[size_t(i)] = declared == nullptr;
    if (!declared) {
        m_decided[size_t(i)] = false;
        info.type = adVarChar;
        info.definedSize = 0;
    }
    m_columns[size_t(i)] = info;
    m_readings[size_t(i)] = ColumnTypes::valueKind(info.type);
}

QString SqliteRowReader::text(int i) const
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)), sqlite3_column_bytes(m_stmt, i));
}

vb::Variant SqliteRowReader::readByStorage(int i)
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER: return vb::Variant(std::int64_t(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT: return vb::Variant(sqlite3_column_double(m_stmt, i));
    case SQLITE_NULL: return vb::Variant::null();
    default: return vb::Variant(text(i));
    }
}

vb::Variant SqliteRowReader::read(int i)
{
    const int storage = sqlite3_column_type(m_stmt, i);
    if (storage == SQLITE_NULL)
        return vb::Variant::null();
    const bool integer = storage == SQLITE_INTEGER;
    const bool number = integer || storage == SQLITE_FLOAT;
    if (m_computed[size_t(i)])
        return readComputed(i);
    switch (m_readings[size_t(i)]) {
    case ValueKind::Text:
        return vb::Variant(text(i));
    case ValueKind::FixedText:
        return vb::Variant(text(i).leftJustified(qsizetype(m_columns[size_t(i)].definedSize), u' '));
    case ValueKind::Integer:
        return integer ? vb::Variant(std::int64_t(sqlite3_column_int64(m_stmt, i))) : readByStorage(i);
    case ValueKind::SmallInt:
        return integer ? vb::Variant(std::int16_t(sqlite3_column_int(m_stmt, i))) : readByStorage(i);
    case ValueKind::Byte:
        return integer ? vb::Variant(std::uint8_t(sqlite3_column_int(m_stmt, i))) : readByStorage(i);
    case ValueKind::BigInt:
        return integer ? vb::Variant(vb::Decimal::fromLong(sqlite3_column_int64(m_stmt, i))) : readByStorage(i);
    case ValueKind::Boolean:
        return number ? vb::Variant(sqlite3_column_int64(m_stmt, i) != 0) : readByStorage(i);
    case ValueKind::Double:
        return number ? vb::Variant(sqlite3_column_double(m_stmt, i)) : readByStorage(i);
    case ValueKind::Single:
        return number ? vb::Variant(float(sqlite3_column_double(m_stmt, i))) : readByStorage(i);
    case ValueKind::Currency: {
        const char* t = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
        std::int64_t raw = 0;
        if (ValueText::parseCurrency(t, sqlite3_column_bytes(m_stmt, i), raw))
            return vb::Variant(vb::Currency::fromRaw(raw));
        vb::Decimal d;
        return vb::Decimal::parse(text(i), d) ? vb::Variant(vb::Variant(d).toCurrency()) : readByStorage(i);
    }
    case ValueKind::Decimal: {
        vb::Decimal d;
        return vb::Decimal::parse(text(i), d) ? vb::Variant(d) : readByStorage(i);
    }
    case ValueKind::Date: {
        bool ok = false;
        const double serial = ValueText::dateSerial(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)), sqlite3_column_bytes(m_stmt, i), ok);
        return ok ? vb::Variant(vb::Date{serial}) : readByStorage(i);
    }
    }
    return readByStorage(i);
}

vb::Variant SqliteRowReader::readComputed(int i)
{
    const int storage = sqlite3_column_type(m_stmt, i);
    ColumnInfo& info = m_columns[size_t(i)];
    if (storage == SQLITE_TEXT) {
        const char* t = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
        bool ok = false;
        const double serial = ValueText::dateSerial(t, sqlite3_column_bytes(m_stmt, i), ok);
        if (!m_decided[size_t(i)]) {
            m_decided[size_t(i)] = true;
            info = ColumnTypes::fromDeclaredType(ok ? QStringLiteral("datetime") : QStringLiteral("varchar(1)"));
            info.name = QString::fromUtf8(sqlite3_column_name(m_stmt, i));
        }
        if (ok && info.type == adDBTimeStamp)
            return vb::Variant(vb::Date{serial});
        return vb::Variant(text(i));
    }
    if (!m_decided[size_t(i)] && storage != SQLITE_NULL) {
        m_decided[size_t(i)] = true;
        const bool wide = storage == SQLITE_INTEGER && (sqlite3_column_int64(m_stmt, i) > INT32_MAX || sqlite3_column_int64(m_stmt, i) < INT32_MIN);
        const QString type = storage == SQLITE_INTEGER ? (wide ? QStringLiteral("bigint") : QStringLiteral("int")) : QStringLiteral("float");
        const QString name = info.name;
        info = ColumnTypes::fromDeclaredType(type);
        info.name = name;
    }
    if (storage == SQLITE_INTEGER && info.type == adBigInt)
        return vb::Variant(vb::Decimal::fromLong(sqlite3_column_int64(m_stmt, i)));
    return readByStorage(i);
}

void SqliteRowReader::finishComputed(ResultSet& out) const
{
    for (size_t c = 0; c < out.columns.size(); ++c) {
        if (!m_computed[c] || out.columns[c].type != adVarChar)
            continue;
        qint64 longest = 1;
        for (size_t r = 0; r < out.rowCount(); ++r)
            if (out.at(r, c).isString())
                longest = std::max<qint64>(longest, out.at(r, c).stringRef().size());
        out.columns[c].definedSize = longest;
    }
}

ResultSet SqliteRowReader::readAll()
{
    describe();
    ResultSet out;
    const int n = int(m_columns.size());
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i)
            out.values.push_back(read(i));
    }
    if (rc != SQLITE_DONE)
        throw rc;
    out.columns = m_columns;
    finishComputed(out);
    return out;
}

} // namespace ado
