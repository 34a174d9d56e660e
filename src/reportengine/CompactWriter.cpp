#include "reportengine/CompactWriter.h"
#include <cstring>
#include <limits>

namespace reportengine {

void CompactWriter::number(quint64 v)
{
    while (v >= 0x80) {
        m_bytes.append(char(v | 0x80));
        v >>= 7;
    }
    m_bytes.append(char(v));
}

void CompactWriter::signedNumber(qint64 v)
{
    number((quint64(v) << 1) ^ quint64(v >> 63));
}

void CompactWriter::text(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    number(quint64(utf8.size()));
    m_bytes.append(utf8);
}

void CompactWriter::value(const FormulaValue& v)
{
    m_bytes.append(char(v.kind()));
    switch (v.kind()) {
    case FormulaValue::Kind::Null: break;
    case FormulaValue::Kind::Boolean: m_bytes.append(char(v.toBool())); break;
    case FormulaValue::Kind::Number: {
        const double d = v.toNumber();
        char raw[sizeof d];
        std::memcpy(raw, &d, sizeof d);
        m_bytes.append(raw, sizeof d);
        break;
    }
    case FormulaValue::Kind::Text: text(v.toText()); break;
    case FormulaValue::Kind::Date: signedNumber(v.toDateTime().date().toJulianDay()); break;
    case FormulaValue::Kind::DateTime: {
        const QDateTime dt = v.toDateTime();
        signedNumber(dt.isValid() ? dt.date().toJulianDay() : std::numeric_limits<qint64>::min() / 2);
        number(quint64(dt.isValid() ? dt.time().msecsSinceStartOfDay() : 0));
        break;
    }
    }
}

} // namespace reportengine
