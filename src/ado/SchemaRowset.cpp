#include "ado/SchemaRowset.h"

#include "ado/AdoEnums.h"
#include "ado/ColumnTypes.h"

namespace ado {

ColumnInfo SchemaRowset::textColumn(const char* name)
{
    ColumnInfo c;
    c.name = QString::fromLatin1(name);
    c.type = adVarWChar;
    c.definedSize = 128;
    return c;
}

ColumnInfo SchemaRowset::numberColumn(const char* name, int type)
{
    ColumnInfo c;
    c.name = QString::fromLatin1(name);
    c.type = type;
    c.definedSize = ColumnTypes::fixedSize(type);
    return c;
}

vb::Variant SchemaRowset::textOrNull(const QString& text)
{
    return text.isEmpty() ? vb::Variant::null() : vb::Variant(text);
}

QString SchemaRowset::withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

// A row the driver leaves without a catalog or schema is not filtered out by one. Names
// compare as the server compares them: without regard to case or to trailing blanks.
bool SchemaRowset::passes(const Restrictions& restrictions, const std::vector<QString>& values)
{
    for (size_t i = 0; i < restrictions.size() && i < values.size(); ++i) {
        const QString wanted = withoutTrailingBlanks(restrictions[i]);
        if (!wanted.isEmpty() && !values[i].isEmpty() && wanted.compare(values[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

int SchemaRowset::rowsetDataType(int adoType)
{
    switch (adoType) {
    case adVarChar: case adLongVarChar: return adChar;
    case adVarWChar: case adLongVarWChar: return adWChar;
    case adVarBinary: case adLongVarBinary: return adBinary;
    default: return adoType;
    }
}

ResultSet SchemaRowset::tables(const std::vector<Table>& rows, const Restrictions& restrictions)
{
    ResultSet out;
    for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE", "DESCRIPTION"})
        out.columns.push_back(textColumn(name));
    for (const Table& t : rows) {
        if (!passes(restrictions, {t.catalog, t.schema, t.name, t.type}))
            continue;
        for (const QString& v : {t.catalog, t.schema, t.name, t.type, QString()})
            out.values.push_back(textOrNull(v));
    }
    out.countRows();
    return out;
}

ResultSet SchemaRowset::columns(const std::vector<Column>& rows, const Restrictions& restrictions)
{
    ResultSet out;
    for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME"})
        out.columns.push_back(textColumn(name));
    out.columns.push_back(numberColumn("ORDINAL_POSITION", adUnsignedInt));
    out.columns.push_back(numberColumn("COLUMN_HASDEFAULT", adBoolean));
    out.columns.push_back(textColumn("COLUMN_DEFAULT"));
    out.columns.push_back(numberColumn("IS_NULLABLE", adBoolean));
    out.columns.push_back(numberColumn("DATA_TYPE", adUnsignedSmallInt));
    for (const char* name : {"CHARACTER_MAXIMUM_LENGTH", "CHARACTER_OCTET_LENGTH"})
        out.columns.push_back(numberColumn(name, adUnsignedInt));
    out.columns.push_back(numberColumn("NUMERIC_PRECISION", adUnsignedSmallInt));
    out.columns.push_back(numberColumn("NUMERIC_SCALE", adSmallInt));
    out.columns.push_back(numberColumn("DATETIME_PRECISION", adUnsignedInt));
    for (const Column& c : rows) {
        if (!passes(restrictions, {c.catalog, c.schema, c.table, c.name}))
            continue;
        const ColumnInfo& i = c.info;
        const bool text = ColumnTypes::isText(i.type);
        const bool numeric = !text && i.precision != 255;
        const bool wide = i.type == adWChar || i.type == adVarWChar || i.type == adLongVarWChar;
        for (const QString& v : {c.catalog, c.schema, c.table, c.name})
            out.values.push_back(textOrNull(v));
        out.values.push_back(vb::Variant(c.ordinal));
        out.values.push_back(vb::Variant(!c.defaultValue.isEmpty()));
        out.values.push_back(textOrNull(c.defaultValue));
        out.values.push_back(vb::Variant(c.nullable));
        out.values.push_back(vb::Variant(rowsetDataType(i.type)));
        out.values.push_back(text ? vb::Variant(std::int64_t(i.definedSize)) : vb::Variant::null());
        out.values.push_back(text ? vb::Variant(std::int64_t(wide && i.definedSize < 1073741823 ? i.definedSize * 2 : i.definedSize))
                                  : vb::Variant::null());
        out.values.push_back(numeric && i.type != adDBTimeStamp ? vb::Variant(i.precision) : vb::Variant::null());
        out.values.push_back(i.type == adNumeric || i.type == adDecimal ? vb::Variant(i.numericScale) : vb::Variant::null());
        out.values.push_back(i.type == adDBTimeStamp ? vb::Variant(i.numericScale) : vb::Variant::null());
    }
    out.countRows();
    return out;
}

} // namespace ado
