#include "codebox/CodeText.h"

#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

namespace codebox {

QString CodeText::FmtLeerCodigo(const QString& codigo, const vb::Variant& largo)
{
    int width = codigo.size();
    if (!largo.isMissing() && !largo.isEmpty() && vb::Int(vb::CDbl(largo)) > 0)
        width = int(vb::Int(vb::CDbl(largo)));
    const QString trimmed = vb::Trim(codigo);
    if (!vb::IsNumeric(vb::Variant(codigo)))
        return trimmed;
    if (trimmed.size() >= width)
        return trimmed.left(width);
    return trimmed.rightJustified(width, u' ');
}

QString CodeText::FieldVal(const vb::Variant& value)
{
    if (value.isNull() || value.isEmpty())
        return {};
    return value.toString();
}

QString CodeText::databaseName(const QString& connectionString)
{
    const int at = vb::InStr(connectionString, QStringLiteral("database"), vb::CompareMethod::Text);
    // The original cut from position 0 here, which raises "Invalid procedure call".
    if (at == 0)
        vb::raise(5);
    QString item = vb::Mid(connectionString, at);
    const int semicolon = item.indexOf(u';');
    item = semicolon < 0 ? QString() : item.left(semicolon + 1);
    item.remove(u';');
    const int equals = item.indexOf(u'=');
    return equals < 0 ? QString() : item.mid(equals + 1);
}

QString CodeText::additionQuestion(const QString& table)
{
    QString name = table;
    for (const char* prefix : {"v_ta_", "v_ma_", "ta_", "ma_"})
        name.remove(QLatin1String(prefix), Qt::CaseInsensitive);
    return name + QStringLiteral("\r\nDesea dar de alta un registro nuevo?");
}

} // namespace codebox
