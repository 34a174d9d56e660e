#include "reportengine/ReportError.h"
#include "kit/MessageText.h"

namespace reportengine {

ReportError::ReportError(const QString& message, const QString& near)
    : std::runtime_error(kit::boundedMessage(message).toStdString()), m_message(kit::boundedMessage(message)), m_near(near)
{
}

} // namespace reportengine
