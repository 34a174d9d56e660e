#pragma once
// The original's conversion functions under the regional settings (Regional.h):
// CStr, CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CDec, CDate, IsNumeric, IsDate, Val, Str,
// Format, Hex, Oct, Int, Fix, Round, Sgn, Abs, VarType, TypeName.

#include "vb/Variant.h"

#include <QString>

namespace vb {

QString CStr(const Variant& v);
bool CBool(const Variant& v);
std::uint8_t CByte(const Variant& v);
std::int16_t CInt(const Variant& v);
std::int32_t CLng(const Variant& v);
float CSng(const Variant& v);
double CDbl(const Variant& v);
Currency CCur(const Variant& v);
Decimal CDec(const Variant& v);
Date CDate(const Variant& v);
Variant CVErr(int code);

bool IsNumeric(const Variant& v);
bool IsDate(const Variant& v);
bool IsNull(const Variant& v);
bool IsEmpty(const Variant& v);
bool IsMissing(const Variant& v);
bool IsObject(const Variant& v);
bool IsError(const Variant& v);
VarType VarTypeOf(const Variant& v);          // VarType()
QString TypeName(const Variant& v);

// Val: the leading number of a text, "." as the decimal point, blanks skipped, &H/&O prefixes.
double Val(const QString& text);
// Str: a number as text with "." and a leading blank for non-negative values.
QString Str(const Variant& v);
QString Hex(const Variant& v);
QString Oct(const Variant& v);

// Format(expression, pattern): the original's named and custom formats, regional separators.
QString Format(const Variant& v, const QString& pattern = {});
QString FormatNumber(const Variant& v, int decimals = -1, bool groupDigits = true);

// Number functions that keep the original's rounding.
double Int(double v);                          // floor
double Fix(double v);                          // toward zero
double Round(double v, int decimals = 0);      // banker's rounding
int Sgn(double v);
Variant Int(const Variant& v);                 // Null stays Null, the numeric kind is kept
Variant Fix(const Variant& v);
Variant Abs(const Variant& v);

// Building blocks shared by the runtime (and usable by the JSON reader, the database layer ...).
namespace detail {
// Reads a whole text as a number the way the original's coercions do under the regional settings:
// blanks around, sign (leading, trailing or parentheses), currency symbol, thousands separators,
// one decimal separator, exponent, &H/&O. Returns false when it is not a number.
bool parseNumber(const QString& text, double& value);
bool parseNumber(const QString& text, Decimal& value);
// Reads a text as a date (day first under the Argentine settings; yyyy-mm-dd; month names; time).
bool parseDate(const QString& text, Date& value);
// A Double or Single as CStr writes it: up to `digits` significant digits, exponent when needed.
QString numberText(double v, int digits, QChar decimalSep, bool leadingZero = true);
// Round half to even to an integer.
double bankersRound(double v);
// Days since 1899-12-30 for a day that exists (no range check).
qint64 serialOfDay(int year, int month, int day);
}

} // namespace vb
