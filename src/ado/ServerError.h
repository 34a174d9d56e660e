#pragma once

#include <QString>
#include <stdexcept>

namespace ado {

// A failure of one of the server's functions inside SQLite: its text carries the server's
// native number in front, "[245] ...", so that the engine reports it as the server would.
struct ServerError : std::runtime_error {
    ServerError(int native, const QString& text)
        : std::runtime_error(QStringLiteral("[%1] %2").arg(native).arg(text).toStdString())
    {
    }
};

} // namespace ado
