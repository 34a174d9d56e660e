#include "reportengine/FormulaError.h"
#include "kit/MessageText.h"

namespace reportengine {

static std::string describe(const QString& message, int position)
{
    if (position <= 0)
        return message.toStdString();
    return QStringLiteral("%1 (en la posición %2)").arg(message).arg(position).toStdString();
}

FormulaError::FormulaError(const QString& message, int position)
    : std::runtime_error(describe(kit::boundedMessage(message), position)), m_message(kit::boundedMessage(message)), m_position(position)
{
}

} // namespace reportengine
