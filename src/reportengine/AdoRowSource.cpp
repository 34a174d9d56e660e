#include "AdoRowSource.h"
#include "ReportError.h"
#include "ado/Connection.h"
#include <vb/Error.h>

namespace rpt {

AdoRowSource::AdoRowSource(const std::shared_ptr<ado::Connection>& connection, const QString& sql, std::size_t columnCount)
    : m_rows(ado::Recordset::create()), m_columnCount(columnCount)
{
    try {
        m_rows->Open(sql, connection, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdText);
    } catch (const vb::Error& e) {
        throw ReportError(QStringLiteral("the report query failed: %1 (%2)").arg(e.description(), sql), sql);
    }
    const ado::FieldsPtr fields = m_rows->Fields();
    if (std::size_t(fields->Count()) < columnCount)
        throw ReportError(QStringLiteral("the report query returned %1 columns instead of %2 (%3)")
                              .arg(fields->Count()).arg(columnCount).arg(sql), sql);
    for (std::size_t i = 0; i < columnCount; ++i)
        m_fields.push_back(fields->Item(int(i)));
}

bool AdoRowSource::next(std::vector<FormulaValue>& row)
{
    if (m_rows->Eof())
        return false;
    row.resize(m_columnCount);
    for (std::size_t i = 0; i < m_columnCount; ++i)
        row[i] = value(m_fields[i]->Value());
    m_rows->MoveNext();
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

} // namespace rpt
