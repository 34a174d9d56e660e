#include "ado/ColumnTypes.h"

#include "ado/AdoEnums.h"

#include <QRegularExpression>

namespace ado {

namespace {
struct TypeRule {
    const char* name;
    int type;
    int precision;
    int scale;
};

const TypeRule rules[] = {
    {"varchar", adVarChar, 255, 255},     {"nvarchar", adVarWChar, 255, 255}, {"char", adChar, 255, 255},
    {"nchar", adWChar, 255, 255},         {"character", adChar, 255, 255},    {"text", adLongVarChar, 255, 255},
    {"ntext", adLongVarWChar, 255, 255},  {"sysname", adVarWChar, 255, 255},  {"int", adInteger, 10, 255},
    {"integer", adInteger, 10, 255},      {"smallint", adSmallInt, 5, 255},   {"tinyint", adUnsignedTinyInt, 3, 255},
    {"bigint", adBigInt, 19, 255},        {"bit", adBoolean, 255, 255},       {"boolean", adBoolean, 255, 255},
    {"money", adCurrency, 19, 255},       {"smallmoney", adCurrency, 10, 255}, {"decimal", adNumeric, 18, 0},
    {"numeric", adNumeric, 18, 0},        {"float", adDouble, 15, 255},       {"double", adDouble, 15, 255},
    {"real", adSingle, 7, 255},           {"datetime", adDBTimeStamp, 23, 3}, {"smalldatetime", adDBTimeStamp, 16, 0},
    {"datetime2", adDBTimeStamp, 27, 7},  {"date", adDBDate, 10, 0},          {"timestamp", adDBTimeStamp, 23, 3},
    {"time", adDBTime, 16, 7},
};
} // namespace

bool ColumnTypes::isText(int t)
{
    return t == adChar || t == adWChar || t == adVarChar || t == adVarWChar || t == adLongVarChar || t == adLongVarWChar
           || t == adBSTR;
}

qint64 ColumnTypes::fixedSize(int t)
{
    switch (t) {
    case adInteger: case adSingle: return 4;
    case adSmallInt: case adBoolean: return 2;
    case adUnsignedTinyInt: case adTinyInt: return 1;
    case adBigInt: case adCurrency: case adDouble: case adDate: return 8;
    case adNumeric: case adDecimal: return 19;
    case adDBTimeStamp: return 16;
    case adDBDate: return 6;
    case adDBTime: return 6;
    default: return 0;
    }
}

ValueKind ColumnTypes::valueKind(int adoType)
{
    switch (adoType) {
    case adChar: case adWChar: return ValueKind::FixedText;
    case adInteger: return ValueKind::Integer;
    case adSmallInt: return ValueKind::SmallInt;
    case adUnsignedTinyInt: return ValueKind::Byte;
    case adBigInt: return ValueKind::BigInt;
    case adBoolean: return ValueKind::Boolean;
    case adCurrency: return ValueKind::Currency;
    case adNumeric: case adDecimal: return ValueKind::Decimal;
    case adDouble: return ValueKind::Double;
    case adSingle: return ValueKind::Single;
    case adDBTimeStamp: case adDBDate: case adDate: return ValueKind::Date;
    default: return ValueKind::Text;
    }
}

ColumnInfo ColumnTypes::fromDeclaredType(const QString& declared)
{
    static const QRegularExpression shape(QStringLiteral("^\\s*([A-Za-z_ ]+?)\\s*(?:\\(\\s*(\\w+)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"));
    ColumnInfo info;
    const auto m = shape.match(declared);
    const QString name = m.hasMatch() ? m.captured(1).toLower() : declared.trimmed().toLower();
    const TypeRule* rule = nullptr;
    for (const TypeRule& r : rules)
        if (name == QLatin1String(r.name))
            rule = &r;
    if (!rule) {
        info.type = adVarChar;
        info.definedSize = 2147483647;
        return info;
    }
    info.type = rule->type;
    info.precision = rule->precision;
    info.numericScale = rule->scale;
    info.definedSize = fixedSize(rule->type);
    const QString size = m.captured(2);
    if (isText(info.type)) {
        const bool sized = !size.isEmpty() && size.compare(QLatin1String("max"), Qt::CaseInsensitive) != 0;
        info.definedSize = sized ? size.toLongLong() : (info.type == adChar || info.type == adWChar ? 1 : 2147483647);
        if (!sized && (info.type == adVarChar || info.type == adVarWChar) && !size.isEmpty())
            info.type = info.type == adVarChar ? adLongVarChar : adLongVarWChar;
    } else if (info.type == adNumeric && !size.isEmpty()) {
        info.precision = size.toInt();
        info.numericScale = m.captured(3).toInt();
    } else if (info.type == adCurrency) {
        info.numericScale = 4;
    }
    return info;
}

void ColumnTypes::padText(qint64 size, vb::Variant& value)
{
    static_assert(fixedChar == adChar && fixedWideChar == adWChar);
    if (value.isString() && value.stringRef().size() < size)
        value = vb::Variant(value.stringRef().leftJustified(qsizetype(size), u' '));
}

} // namespace ado
