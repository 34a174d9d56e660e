#pragma once
// The original's text functions. Positions count from 1; invalid arguments raise error 5.
// Text comparison ignores letter case (Ñ/ñ and accented letters included); binary compares code units.

#include "vb/Variant.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace vb {

int Len(const QString& s);
QString Left(const QString& s, int length);
QString Right(const QString& s, int length);
QString Mid(const QString& s, int start, int length = -1);          // length -1: to the end
void MidAssign(QString& target, int start, const QString& replacement, int length = -1);  // the Mid statement
int InStr(const QString& s, const QString& find, CompareMethod method = CompareMethod::Binary);
int InStr(int start, const QString& s, const QString& find, CompareMethod method = CompareMethod::Binary);
int InStrRev(const QString& s, const QString& find, int start = -1, CompareMethod method = CompareMethod::Binary);
QString Replace(const QString& s, const QString& find, const QString& replacement, int start = 1, int count = -1,
                CompareMethod method = CompareMethod::Binary);
QString Trim(const QString& s);        // blanks (U+0020) only
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString UCase(const QString& s);
QString LCase(const QString& s);
int StrComp(const QString& a, const QString& b, CompareMethod method = CompareMethod::Binary);
QStringList Split(const QString& s, const QString& delimiter = QStringLiteral(" "), int limit = -1,
                  CompareMethod method = CompareMethod::Binary);
QString Join(const QStringList& parts, const QString& delimiter = QStringLiteral(" "));
QString Space(int count);
QString String(int count, QChar character);
QString String(int count, const QString& character);   // first character; error 5 when empty
QString String(int count, int charCode);                // Windows-1252 code 0..255
QString StrReverse(const QString& s);
QString Chr(int code);              // Windows-1252, 0..255
QString ChrW(int code);             // UTF-16 unit, -32768..65535
int Asc(const QString& s);          // Windows-1252 code of the first character ("?" when it has none)
int AscW(const QString& s);         // UTF-16 unit as the original's Integer (negative above 32767)
bool Like(const QString& text, const QString& pattern, CompareMethod method = CompareMethod::Binary);  // error 93 on a bad pattern

// Text comparison helpers used by the Variant, Collection and Dictionary.
bool textEquals(const QString& a, const QString& b);   // case-insensitive
bool textEqualsAny(const QString& text, std::initializer_list<const char*> names);  // textEquals with any of them
QString textKey(const QString& s);                      // a key equal for texts equal in text comparison

} // namespace vb
