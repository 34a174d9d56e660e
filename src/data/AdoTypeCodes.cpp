#include "data/AdoTypeCodes.h"

#include "ado/AdoEnums.h"

namespace data {

using namespace ado;

bool AdoTypeCodes::inList(const vb::Variant& code, std::initializer_list<int> codes)
{
    if (!code.isNumeric())
        return false;
    const double value = code.toDouble();
    for (int c : codes)
        if (value == c)
            return true;
    return false;
}

bool AdoTypeCodes::isDate(const vb::Variant& code)
{
    return inList(code, {adDate, adDBDate, 137 /* adDBFileTime */, adDBTime, adDBTimeStamp, 64 /* adFileTime */});
}

bool AdoTypeCodes::isText(const vb::Variant& code)
{
    return inList(code, {adBSTR, adLongVarChar, adLongVarWChar, adVarChar, adVarWChar, adWChar, adChar});
}

bool AdoTypeCodes::isNumeric(const vb::Variant& code)
{
    return inList(code, {adBigInt, adDecimal, adDouble, adInteger, adNumeric, adSingle, adSmallInt, adTinyInt,
                         21 /* adUnsignedBigInt */, adUnsignedInt, adUnsignedSmallInt, adUnsignedTinyInt});
}

bool AdoTypeCodes::isCurrency(const vb::Variant& code) { return inList(code, {adCurrency}); }
bool AdoTypeCodes::isBoolean(const vb::Variant& code) { return inList(code, {adBoolean}); }

QString AdoTypeCodes::delimiter(const vb::Variant& code)
{
    return isDate(code) || isText(code) ? QStringLiteral("'") : QString();
}

} // namespace data
