#include "reportengine/ReportError.h"
#include "reportengine/MessageText.h"

namespace reportengine {

ReportError::ReportError(const QString& message, const QString& near)
    : std::runtime_error(boundedMessage(message).toStdString()), m_message(boundedMessage(message)), m_near(near)
{
}

} // namespace reportengine
