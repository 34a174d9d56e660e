#include "data/SchemaProbe.h"

#include "ado/Recordset.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

namespace data {

namespace {

// A rowset that a failed step left unset behaves as Nothing does.
void requireObject(const void* object)
{
    if (!object)
        vb::raise(91);
}

} // namespace

SchemaProbe::SchemaProbe(ado::ConnectionPtr connection, QString database, vb::Trap::Handler onError)
    : m_connection(std::move(connection)), m_database(std::move(database)), m_onError(std::move(onError))
{
}

bool SchemaProbe::hasTable(const QString& table) const
{
    return scan(ado::adSchemaTables, {}, QStringLiteral("TABLE_NAME"), table);
}

bool SchemaProbe::hasColumn(const QString& table, const QString& column) const
{
    // The restriction compares the whole name: a blank-padded name would match no table.
    return scan(ado::adSchemaColumns, {m_database, QString(), vb::Trim(table), QString()},
                QStringLiteral("COLUMN_NAME"), column);
}

bool SchemaProbe::scan(int schema, const std::vector<QString>& restrictions, const QString& nameColumn,
                       const QString& name) const
{
    bool found = false;
    ado::RecordsetPtr rs;
    vb::Trap trap(m_onError);
    trap.run([&] { rs = m_connection->OpenSchema(schema, restrictions); });
    trap.run([&] {
        requireObject(rs.get());
        for (; !rs->Eof() && !found; rs->MoveNext())
            found = vb::textEquals(vb::Trim(rs->Value(nameColumn).toString()), vb::Trim(name));
    });
    return found;
}

QString SchemaProbe::addColumnStatement(const QString& table, const QString& column, const QString& type,
                                        bool nullable, const vb::Variant& defaultValue)
{
    const QString nulls = nullable ? QStringLiteral(" Null ") : QStringLiteral(" Not Null ");
    QString defaultClause;
    if (!defaultValue.isMissing())
        defaultClause = QStringLiteral(" CONSTRAINT DF_") + vb::Trim(table) + u'_' + vb::Trim(column)
                      + QStringLiteral(" DEFAULT (") + vb::CStr(defaultValue) + u')';
    return QStringLiteral("ALTER TABLE dbo.") + table + QStringLiteral(" ADD ") + column + u' ' + type + nulls
         + defaultClause;
}

} // namespace data
