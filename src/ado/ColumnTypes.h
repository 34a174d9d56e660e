#pragma once

#include "ado/ResultSet.h"

namespace ado {

// How a column's values are turned into vb values.
enum class ValueKind { Text, FixedText, Integer, SmallInt, Byte, BigInt, Boolean, Currency, Decimal, Double, Single, Date };

// Column type rules shared by the engines.
class ColumnTypes {
public:
    static ValueKind valueKind(int adoType);
    // ADO code, size, precision and scale of a declared SQL Server / SQLite type.
    static ColumnInfo fromDeclaredType(const QString& declared);
    static bool isText(int adoType);
    static qint64 fixedSize(int adoType);
    // char(n) values come padded to n, as the server returns them.
    static void pad(const ColumnInfo& column, vb::Variant& value)
    {
        if (column.type == fixedChar || column.type == fixedWideChar)
            padText(column.definedSize, value);
    }

private:
    static constexpr int fixedChar = 129;       // adChar
    static constexpr int fixedWideChar = 130;   // adWChar
    static void padText(qint64 size, vb::Variant& value);
};

} // namespace ado
