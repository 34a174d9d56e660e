#include "ado/OdbcRowReader.h"

#include "ado/AdoEnums.h"
#include "ado/ColumnTypes.h"
#include "ado/ValueText.h"

namespace ado {

ColumnInfo OdbcRowReader::columnInfo(int sqlType, const QString& typeName, qint64 size, int digits)
{
    // Drivers differ in the SQL type they give char, decimal and money columns (SQLite's
    // calls char VARCHAR and numeric DOUBLE); the type's name says what the column is.
    const QString name = typeName.section(u'(', 0, 0).trimmed().toLower();
    auto sized = [&](const char* type) { return ColumnTypes::fromDeclaredType(QStringLiteral("%1(%2)").arg(QLatin1String(type)).arg(size)); };
    if (name.contains(QLatin1String("money")))
        return ColumnTypes::fromDeclaredType(name);
    if (name == QLatin1String("char") || name == QLatin1String("nchar"))
        sqlType = name == QLatin1String("char") ? SQL_CHAR : SQL_WCHAR;
    if (name == QLatin1String("numeric") || name == QLatin1String("decimal"))
        sqlType = SQL_DECIMAL;
    switch (sqlType) {
    case SQL_CHAR: return sized("char");
    case SQL_VARCHAR: return size > 0 && size < 8001 ? sized("varchar") : ColumnTypes::fromDeclaredType(QStringLiteral("text"));
    case SQL_LONGVARCHAR: return ColumnTypes::fromDeclaredType(QStringLiteral("text"));
    case SQL_WCHAR: return sized("nchar");
    case SQL_WVARCHAR: return size > 0 && size < 4001 ? sized("nvarchar") : ColumnTypes::fromDeclaredType(QStringLiteral("ntext"));
    case SQL_WLONGVARCHAR: return ColumnTypes::fromDeclaredType(QStringLiteral("ntext"));
    case SQL_INTEGER: return ColumnTypes::fromDeclaredType(QStringLiteral("int"));
    case SQL_SMALLINT: return ColumnTypes::fromDeclaredType(QStringLiteral("smallint"));
    case SQL_TINYINT: return ColumnTypes::fromDeclaredType(QStringLiteral("tinyint"));
    case SQL_BIGINT: return ColumnTypes::fromDeclaredType(QStringLiteral("bigint"));
    case SQL_BIT: return ColumnTypes::fromDeclaredType(QStringLiteral("bit"));
    case SQL_DECIMAL:
    case SQL_NUMERIC: return ColumnTypes::fromDeclaredType(QStringLiteral("decimal(%1,%2)").arg(size).arg(digits));
    case SQL_FLOAT:
    case SQL_DOUBLE: return ColumnTypes::fromDeclaredType(QStringLiteral("float"));
    case SQL_REAL: return ColumnTypes::fromDeclaredType(QStringLiteral("real"));
    case SQL_TYPE_DATE:
    case SQL_DATE: return ColumnTypes::fromDeclaredType(QStringLiteral("date"));
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return ColumnTypes::fromDeclaredType(QStringLiteral("datetime"));
    default: return sized("varchar");
    }
}

QString OdbcRowReader::attribute(SQLUSMALLINT column, SQLUSMALLINT field) const
{
    SQLCHAR text[512] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLColAttribute(m_stmt.get(), column, field, text, sizeof text, &length, nullptr)))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

void OdbcRowReader::describe()
{
    SQLSMALLINT count = 0;
    m_stmt.check(SQLNumResultCols(m_stmt.get(), &count));
    for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(count); ++c) {
        SQLCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        m_stmt.check(SQLDescribeCol(m_stmt.get(), c, name, sizeof name, &nameLength, &sqlType, &size, &digits, &nullable));
        ColumnInfo info = columnInfo(sqlType, attribute(c, SQL_DESC_TYPE_NAME), qint64(size), digits);
        info.name = QString::fromUtf8(reinterpret_cast<const char*>(name));
        info.baseTable = attribute(c, SQL_DESC_BASE_TABLE_NAME);
        info.baseColumn = attribute(c, SQL_DESC_BASE_COLUMN_NAME);
        if (info.baseColumn.isEmpty() && !info.baseTable.isEmpty())
            info.baseColumn = info.name;
        m_columns.push_back(info);
        m_readings.push_back(ColumnTypes::valueKind(info.type));
    }
}

vb::Variant OdbcRowReader::readText(SQLUSMALLINT column)
{
    QString out;
    SQLWCHAR buffer[2048];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_stmt.get(), column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        m_stmt.check(rc);
        if (indicator == SQL_NULL_DATA)
            return vb::Variant::null();
        const qsizetype room = qsizetype(sizeof buffer / sizeof(SQLWCHAR)) - 1;
        const qsizetype got = indicator == SQL_NO_TOTAL || indicator / qsizetype(sizeof(SQLWCHAR)) > room
                                  ? room : qsizetype(indicator / qsizetype(sizeof(SQLWCHAR)));
        out += QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), got);
        if (rc == SQL_SUCCESS)
            break;
    }
    return vb::Variant(out);
}

vb::Variant OdbcRowReader::read(SQLUSMALLINT column, ValueKind reading)
{
    SQLLEN indicator = 0;
    switch (reading) {
    case ValueKind::Text:
    case ValueKind::FixedText:
        return readText(column);
    case ValueKind::Integer: case ValueKind::SmallInt: case ValueKind::Byte: case ValueKind::BigInt: case ValueKind::Boolean: {
        SQLBIGINT v = 0;
        m_stmt.check(SQLGetData(m_stmt.get(), column, SQL_C_SBIGINT, &v, sizeof v, &indicator));
        if (indicator == SQL_NULL_DATA)
            return vb::Variant::null();
        if (reading == ValueKind::Boolean)
            return vb::Variant(v != 0);
        if (reading == ValueKind::SmallInt)
            return vb::Variant(std::int16_t(v));
        if (reading == ValueKind::Byte)
            return vb::Variant(std::uint8_t(v));
        if (reading == ValueKind::BigInt)
            return vb::Variant(vb::Decimal::fromLong(v));
        return vb::Variant(std::int64_t(v));
    }
    case ValueKind::Double: case ValueKind::Single: {
        double v = 0;
        m_stmt.check(SQLGetData(m_stmt.get(), column, SQL_C_DOUBLE, &v, sizeof v, &indicator));
        if (indicator == SQL_NULL_DATA)
            return vb::Variant::null();
        return reading == ValueKind::Single ? vb::Variant(float(v)) : vb::Variant(v);
    }
    case ValueKind::Currency: case ValueKind::Decimal: {
        char text[80] = {};
        m_stmt.check(SQLGetData(m_stmt.get(), column, SQL_C_CHAR, text, sizeof text, &indicator));
        if (indicator == SQL_NULL_DATA)
            return vb::Variant::null();
        const QString t = QString::fromLatin1(text).trimmed();
        vb::Decimal d;
        if (!vb::Decimal::parse(t, d))
            return vb::Variant(t);
        if (reading == ValueKind::Decimal)
            return vb::Variant(d);
        std::int64_t raw = 0;
        const QByteArray bytes = t.toLatin1();
        return ValueText::parseCurrency(bytes.constData(), int(bytes.size()), raw) ? vb::Variant(vb::Currency::fromRaw(raw))
                                                                                  : vb::Variant(vb::Variant(d).toCurrency());
    }
    case ValueKind::Date: {
        SQL_TIMESTAMP_STRUCT ts{};
        m_stmt.check(SQLGetData(m_stmt.get(), column, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &indicator));
        if (indicator == SQL_NULL_DATA)
            return vb::Variant::null();
        bool ok = false;
        const double serial = ValueText::serial(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second, ok);
        return ok ? vb::Variant(vb::Date{serial}) : vb::Variant::null();
    }
    }
    return vb::Variant::null();
}

bool OdbcRowReader::fetchRow(std::vector<vb::Variant>& row)
{
    const SQLRETURN rc = SQLFetch(m_stmt.get());
    if (rc == SQL_NO_DATA)
        return false;
    m_stmt.check(rc);
    row.resize(m_columns.size());
    for (size_t c = 0; c < m_columns.size(); ++c)
        row[c] = read(SQLUSMALLINT(c + 1), m_readings[c]);
    return true;
}

ResultSet OdbcRowReader::readAll()
{
    describe();
    ResultSet out;
    std::vector<vb::Variant> row;
    while (fetchRow(row))
        for (const vb::Variant& v : row)
            out.values.push_back(v);
    out.columns = std::move(m_columns);
    out.countRows();
    return out;
}

} // namespace ado
