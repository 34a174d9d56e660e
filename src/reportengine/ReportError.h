#pragma once
// A report that cannot be read or run. For a definition file the message reads
// "<file>:<line>: <what is wrong>".

#include <QString>
#include <stdexcept>

namespace reportengine {

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message, const QString& near = {});
    const QString& message() const { return m_message; }
    const QString& near() const { return m_near; }    // text to look for when placing the fault in a file
private:
    QString m_message;
    QString m_near;
};

} // namespace reportengine
