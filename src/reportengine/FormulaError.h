#pragma once
// A formula that cannot be read or evaluated. The position counts characters from 1 in the
// formula text (0 when no place applies).

#include <QString>
#include <stdexcept>

namespace reportengine {

class FormulaError : public std::runtime_error {
public:
    FormulaError(const QString& message, int position = 0);
    const QString& message() const { return m_message; }
    int position() const { return m_position; }
private:
    QString m_message;
    int m_position;
};

// A text that would grow past FormulaEvaluator::MaxText characters: a formula that doubles its
// text at each step ends with this before it exhausts memory. Always raised with a position.
class TextTooLongError : public FormulaError {
public:
    using FormulaError::FormulaError;
};

} // namespace reportengine
