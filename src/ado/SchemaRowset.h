#pragma once

#include "ado/Engine.h"

namespace ado {

// The tables and columns schema rowsets in the shape ADO's OpenSchema gives them.
class SchemaRowset {
public:
    struct Table {
        QString catalog, schema, name;
        QString type;   // "TABLE", "VIEW", "SYSTEM TABLE"
    };
    struct Column {
        QString catalog, schema, table, name;
        int ordinal = 0;
        bool nullable = true;
        QString defaultValue;       // "" for none
        ColumnInfo info;            // type as a recordset field would report it
    };

    static ResultSet tables(const std::vector<Table>& rows, const Restrictions& restrictions);
    static ResultSet columns(const std::vector<Column>& rows, const Restrictions& restrictions);

    // The rowset's DATA_TYPE: the OLE DB type, where every text is 129 (or 130 for Unicode).
    static int rowsetDataType(int adoType);
    static QString withoutTrailingBlanks(const QString& text);

private:
    static bool passes(const Restrictions& restrictions, const std::vector<QString>& values);
    static ColumnInfo textColumn(const char* name);
    static ColumnInfo numberColumn(const char* name, int type);
    static vb::Variant textOrNull(const QString& text);
};

} // namespace ado
