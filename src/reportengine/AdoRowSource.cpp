#include "reportengine/AdoRowSource.h"
#include "kit/MessageText.h"
#include "reportengine/ReportError.h"
#include "ado/Connection.h"
#include <vb/Error.h>

namespace reportengine {

AdoRowSource::AdoRowSource(const std::shared_ptr<ado::Connection>& connection, const QString& sql, std::size_t columnCount)
    : m_columnCount(columnCount), m_sql(sql)
{
    try {
        m_reader = connection->openReader(sql);
    } catch (const vb::Error& e) {
        fail(e.description());
    }
    if (std::size_t(m_reader->columnCount()) < columnCount)
        throw ReportError(QStringLiteral("la consulta del informe devolvió %1 columnas en lugar de %2 (%3)")
                              .arg(m_reader->columnCount()).arg(columnCount).arg(statementStart(sql)), sql);
}

// The statement may be tens of thousands of characters long: its start tells which query it is.
QString AdoRowSource::statementStart(const QString& sql)
{
    return kit::textAround(sql, 1, 300);
}

void AdoRowSource::fail(const QString& message) const
{
    throw ReportError(QStringLiteral("falló la consulta del informe: %1 (%2)").arg(message, statementStart(m_sql)), m_sql);
}

// Rows now come from the database as the report goes, so a failure can arrive mid-pass.
bool AdoRowSource::next(std::vector<FormulaValue>& row)
{
    try {
        if (!m_reader->next())
            return false;
    } catch (const vb::Error& e) {
        fail(e.description());
    }
    row.resize(m_columnCount);
    for (std::size_t i = 0; i < m_columnCount; ++i)
        row[i] = value(m_reader->value(int(i)));
    return true;
}

FormulaValue AdoRowSource::value(const vb::Variant& v)
{
    switch (v.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null: return {};
    case vb::VarType::Boolean: return FormulaValue::boolean(v.toBool());
    case vb::VarType::String: return FormulaValue::text(v.stringRef());
    // Dates keep their time of day; the formula language meets a plain date at midnight.
    case vb::VarType::Date: return FormulaValue::dateTime(v.toDate().toDateTime());
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Single:
    case vb::VarType::Double:
    case vb::VarType::Currency:
    case vb::VarType::Decimal:
    case vb::VarType::Byte: return FormulaValue::number(v.toDouble());
    default: return FormulaValue::text(v.toString());
    }
}

QueryRunner AdoRowSource::runner(std::shared_ptr<ado::Connection> connection)
{
    return [connection = std::move(connection)](const QString& sql, std::size_t columns) -> std::unique_ptr<RowSource> {
        return std::make_unique<AdoRowSource>(connection, sql, columns);
    };
}

} // namespace reportengine
