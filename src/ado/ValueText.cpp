#include "ado/ValueText.h"

#include <QtGlobal>

namespace ado {

namespace {
int digitsAt(const char* p, int count)
{
    int v = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

// Up to three digits of a fraction of a second, as milliseconds.
int milliseconds(const char* p, int size)
{
    int ms = 0;
    for (int i = 0; i < 3; ++i)
        ms = ms * 10 + (i < size && p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : 0);
    return ms;
}
} // namespace

bool ValueText::parseCurrency(const char* p, int size, std::int64_t& raw)
{
    int i = 0;
    const bool negative = size > 0 && p[0] == '-';
    if (negative || (size > 0 && p[0] == '+'))
        ++i;
    __int128 value = 0;
    int decimals = -1;
    int roundDigit = -1;
    bool any = false;
    for (; i < size; ++i) {
        const char c = p[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            any = true;
            if (decimals >= 4) {
                if (roundDigit < 0)
                    roundDigit = c - '0';
                continue;
            }
            value = value * 10 + (c - '0');
            if (decimals >= 0)
                ++decimals;
            if (value > (__int128(1) << 100))
                return false;
        } else {
            return false;   // exponent or junk: the caller takes the slow road
        }
    }
    if (!any)
        return false;
    for (int d = std::max(decimals, 0); d < 4; ++d)
        value *= 10;
    if (roundDigit >= 5)
        value += 1;
    if (value > INT64_MAX)
        return false;
    raw = negative ? -std::int64_t(value) : std::int64_t(value);
    return true;
}

double ValueText::dateSerial(const char* p, int size, bool& ok)
{
    ok = false;
    if (size < 10 || p[4] != '-' || p[7] != '-')
        return 0;
    const int y = digitsAt(p, 4), mo = digitsAt(p + 5, 2), d = digitsAt(p + 8, 2);
    int h = 0, mi = 0, s = 0, ms = 0;
    if (size >= 16 && (p[10] == ' ' || p[10] == 'T') && p[13] == ':') {
        h = digitsAt(p + 11, 2);
        mi = digitsAt(p + 14, 2);
        s = size >= 19 && p[16] == ':' ? digitsAt(p + 17, 2) : 0;
        if (size >= 21 && p[19] == '.')
            ms = milliseconds(p + 20, size - 20);
    } else if (size != 10) {
        return 0;
    }
    const double value = serial(y, mo, d, h, mi, s, ok);
    if (ms == 0)
        return value;
    return value < 0 ? value - ms / 86400000.0 : value + ms / 86400000.0;
}

namespace {
bool leapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : days[m - 1];
}

// Days from 1970-01-01 of a proleptic Gregorian date (the civil-from-days inverse).
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr qint64 daysFrom1899To1970 = 25569;
} // namespace

double ValueText::serial(int y, int mo, int d, int h, int mi, int s, bool& ok)
{
    ok = y >= 1 && mo >= 1 && mo <= 12 && d >= 1 && d <= daysInMonth(y, mo) && h >= 0 && h < 24 && mi >= 0 && mi < 60
         && s >= 0 && s < 60;
    if (!ok)
        return 0;
    const double day = double(daysFromCivil(y, mo, d) + daysFrom1899To1970);
    const double time = (h * 3600 + mi * 60 + s) / 86400.0;
    return day < 0 ? day - time : day + time;
}

} // namespace ado
