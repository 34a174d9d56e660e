#include "reportengine/ReportError.h"

namespace reportengine {

ReportError::ReportError(const QString& message, const QString& near)
    : std::runtime_error(message.toStdString()), m_message(message), m_near(near)
{
}

} // namespace reportengine
