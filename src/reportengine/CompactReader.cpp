#include "reportengine/CompactReader.h"
#include "reportengine/ReportError.h"
#include <cstring>
#include <limits>

namespace reportengine {

void CompactReader::fail()
{
    throw ReportError(QStringLiteral("las páginas guardadas del informe están dañadas"));
}

char CompactReader::byte()
{
    if (m_pos >= m_bytes.size())
        fail();
    return m_bytes[m_pos++];
}

quint64 CompactReader::number()
{
    quint64 v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        const auto b = quint8(byte());
        v |= quint64(b & 0x7f) << shift;
        if (!(b & 0x80))
            return v;
    }
    fail();
}

qint64 CompactReader::signedNumber()
{
    const quint64 v = number();
    return qint64(v >> 1) ^ -qint64(v & 1);
}

QString CompactReader::text()
{
    const quint64 size = number();
    if (size > quint64(m_bytes.size() - m_pos))
        fail();
    const QString s = QString::fromUtf8(m_bytes.constData() + m_pos, qsizetype(size));
    m_pos += qsizetype(size);
    return s;
}

FormulaValue CompactReader::value()
{
    switch (FormulaValue::Kind(byte())) {
    case FormulaValue::Kind::Null: return {};
    case FormulaValue::Kind::Boolean: return FormulaValue::boolean(byte() != 0);
    case FormulaValue::Kind::Number: {
        double d = 0;
        if (m_bytes.size() - m_pos < qsizetype(sizeof d))
            fail();
        std::memcpy(&d, m_bytes.constData() + m_pos, sizeof d);
        m_pos += sizeof d;
        return FormulaValue::number(d);
    }
    case FormulaValue::Kind::Text: return FormulaValue::text(text());
    case FormulaValue::Kind::Date: return FormulaValue::date(QDate::fromJulianDay(signedNumber()));
    case FormulaValue::Kind::DateTime: {
        const qint64 day = signedNumber();
        const int msecs = int(number());
        if (day == std::numeric_limits<qint64>::min() / 2)
            return FormulaValue::dateTime(QDateTime());
        return FormulaValue::dateTime(QDateTime(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(msecs)));
    }
    }
    fail();
}

} // namespace reportengine
