#include "ado/SqliteRowReader.h"

#include "ado/AdoEnums.h"
#include "ado/ColumnTypes.h"
#include "ado/ValueText.h"

#include <QDate>
#include <sqlite3.h>

#include <cmath>

namespace ado {

SqliteRowReader::SqliteRowReader(sqlite3* db, sqlite3_stmt* stmt, KeyInfo keyInfo)
    : m_db(db), m_stmt(stmt), m_keyInfo(std::move(keyInfo))
{
}

void SqliteRowReader::describe()
{
    const int n = sqlite3_column_count(m_stmt);
    m_columns.resize(size_t(n));
    m_readings.assign(size_t(n), Reading{});
    m_anyComputed = false;
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
    Reading& reading = m_readings[size_t(i)];
    const QString hint = declared ? QString() : m_hints.value(i);
    if (!hint.isEmpty() && !hint.endsWith(QLatin1String("(max)"))) {
        const QString name = info.name;
        info = ColumnTypes::fromDeclaredType(hint);
        info.name = name;
    } else if (!declared) {
        reading.computed = true;
        reading.decided = !hint.isEmpty();   // a text of unknown length: only its size is measured
        m_anyComputed = true;
        info.type = adVarChar;
        info.definedSize = 1;
    }
    m_columns[size_t(i)] = info;
    reading.kind = ColumnTypes::valueKind(info.type);
}

QString SqliteRowReader::text() const
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(m_value)), sqlite3_value_bytes(m_value));
}

template <class Row> void SqliteRowReader::appendByStorage(Row& out)
{
    switch (sqlite3_value_type(m_value)) {
    case SQLITE_INTEGER: return out.appendLong(sqlite3_value_int64(m_value));
    case SQLITE_FLOAT: return out.appendDouble(sqlite3_value_double(m_value));
    case SQLITE_NULL: return out.appendNull();
    default: return appendText(out);
    }
}

template <class Row> void SqliteRowReader::appendText(Row& out)
{
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(m_value));
    out.appendText(t, sqlite3_value_bytes(m_value));
}

template <class Row> void SqliteRowReader::append(int i, Row& out)
{
    m_value = sqlite3_column_value(m_stmt, i);
    const int storage = sqlite3_value_type(m_value);
    if (storage == SQLITE_NULL)
        return out.appendNull();
    const Reading& reading = m_readings[size_t(i)];
    if (reading.computed)
        return appendComputed(i, storage, out);
    const bool integer = storage == SQLITE_INTEGER;
    const bool number = integer || storage == SQLITE_FLOAT;
    switch (reading.kind) {
    case ValueKind::Text:
    case ValueKind::FixedText:
        return appendText(out);
    case ValueKind::Integer:
        return integer ? out.appendLong(sqlite3_value_int64(m_value)) : appendByStorage(out);
    case ValueKind::SmallInt:
        return integer ? out.appendInteger(std::int16_t(sqlite3_value_int(m_value))) : appendByStorage(out);
    case ValueKind::Byte:
        return integer ? out.appendByte(std::uint8_t(sqlite3_value_int(m_value))) : appendByStorage(out);
    case ValueKind::BigInt:
        return integer ? out.appendBigInt(sqlite3_value_int64(m_value)) : appendByStorage(out);
    case ValueKind::Boolean:
        return number ? out.appendBoolean(sqlite3_value_int64(m_value) != 0) : appendByStorage(out);
    case ValueKind::Double:
        return number ? out.appendDouble(sqlite3_value_double(m_value)) : appendByStorage(out);
    case ValueKind::Single:
        return number ? out.appendSingle(float(sqlite3_value_double(m_value))) : appendByStorage(out);
    case ValueKind::Currency:
        return appendCurrency(storage, out);
    case ValueKind::Decimal: {
        vb::Decimal d;
        return vb::Decimal::parse(text(), d) ? out.push_back(vb::Variant(d)) : appendByStorage(out);
    }
    case ValueKind::Date: {
        bool ok = false;
        const double serial = ValueText::dateSerial(reinterpret_cast<const char*>(sqlite3_value_text(m_value)), sqlite3_value_bytes(m_value), ok);
        return ok ? out.appendDate(serial) : appendByStorage(out);
    }
    }
}

// Money is stored as REAL: below 10^11 the nearest ten-thousandth of the double is the value
// that was written (15 significant digits), so it is exact without going through text.
template <class Row> void SqliteRowReader::appendCurrency(int storage, Row& out)
{
    if (storage == SQLITE_INTEGER) {
        const std::int64_t v = sqlite3_value_int64(m_value);
        if (std::abs(v) < INT64_MAX / 10000)
            return out.appendCurrency(v * 10000);
    } else if (storage == SQLITE_FLOAT) {
        const double d = sqlite3_value_double(m_value);
        if (std::abs(d) < 1e11)
            return out.appendCurrency(std::llround(d * 10000.0));
    }
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(m_value));
    std::int64_t raw = 0;
    if (ValueText::parseCurrency(t, sqlite3_value_bytes(m_value), raw))
        return out.appendCurrency(raw);
    vb::Decimal d;
    return vb::Decimal::parse(text(), d) ? out.appendCurrency(vb::Variant(d).toCurrency().raw) : appendByStorage(out);
}

void SqliteRowReader::decideComputed(int i, int storage)
{
    ColumnInfo& info = m_columns[size_t(i)];
    m_readings[size_t(i)].decided = true;
    QString type = QStringLiteral("float");
    if (storage == SQLITE_TEXT) {
        bool date = false;
        ValueText::dateSerial(reinterpret_cast<const char*>(sqlite3_value_text(m_value)), sqlite3_value_bytes(m_value), date);
        type = date ? QStringLiteral("datetime") : QStringLiteral("varchar(1)");
    } else if (storage == SQLITE_INTEGER) {
        const std::int64_t v = sqlite3_value_int64(m_value);
        type = v > INT32_MAX || v < INT32_MIN ? QStringLiteral("bigint") : QStringLiteral("int");
    }
    const QString name = info.name;
    info = ColumnTypes::fromDeclaredType(type);
    info.name = name;
}

template <class Row> void SqliteRowReader::appendComputed(int i, int storage, Row& out)
{
    if (!m_readings[size_t(i)].decided)
        decideComputed(i, storage);
    const int type = m_columns[size_t(i)].type;
    if (storage == SQLITE_TEXT && type == adDBTimeStamp) {
        bool ok = false;
        const double serial = ValueText::dateSerial(reinterpret_cast<const char*>(sqlite3_value_text(m_value)), sqlite3_value_bytes(m_value), ok);
        if (ok)
            return out.appendDate(serial);
    }
    if (storage == SQLITE_INTEGER && type == adBigInt)
        return out.appendBigInt(sqlite3_value_int64(m_value));
    appendByStorage(out);
}

template <class Row> void SqliteRowReader::measureComputed(const Row& out, size_t first)
{
    if (!m_anyComputed)
        return;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        ColumnInfo& info = m_columns[c];
        if (!m_readings[c].computed || info.type != adVarChar)
            continue;
        if (const vb::Variant& v = out.get(first + c); v.isString())
            info.definedSize = std::max<qint64>(info.definedSize, v.stringRef().size());
    }
}

template <class Row> bool SqliteRowReader::readRow(Row& out)
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_DONE)
        return false;
    if (rc != SQLITE_ROW)
        throw rc;
    for (int i = 0; i < int(m_columns.size()); ++i)
        append(i, out);
    return true;
}

ResultSet SqliteRowReader::readAll()
{
    describe();
    ResultSet out;
    while (readRow(out.values))
        measureComputed(out.values, out.values.size() - m_columns.size());
    out.columns = m_columns;
    out.countRows();
    return out;
}

template bool SqliteRowReader::readRow(RowStore&);
template bool SqliteRowReader::readRow(VariantRow&);
template void SqliteRowReader::measureComputed(const RowStore&, size_t);
template void SqliteRowReader::measureComputed(const VariantRow&, size_t);

} // namespace ado
