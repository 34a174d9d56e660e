#pragma once
// Reads back what CompactWriter wrote. Bytes that end too soon raise ReportError.

#include "reportengine/FormulaValue.h"
#include <QByteArray>

namespace reportengine {

class CompactReader {
public:
    explicit CompactReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    quint64 number();
    qint64 signedNumber();
    QString text();
    FormulaValue value();
    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    char byte();
    [[noreturn]] static void fail();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

} // namespace reportengine
