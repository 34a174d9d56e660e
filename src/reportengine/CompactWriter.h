#pragma once
// Writes what the engine keeps of a run (laid-out pages, sub-report rows) in a compact form:
// whole numbers in 7-bit groups, texts in UTF-8 with their length, formula values with their kind.
// CompactReader reads it back.

#include "reportengine/FormulaValue.h"
#include <QByteArray>

namespace reportengine {

class CompactWriter {
public:
    void number(quint64 v);
    void signedNumber(qint64 v);
    void text(const QString& s);
    void value(const FormulaValue& v);
    const QByteArray& bytes() const { return m_bytes; }
    void clear() { m_bytes.clear(); }

private:
    QByteArray m_bytes;
};

} // namespace reportengine
