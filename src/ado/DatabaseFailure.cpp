#include "ado/DatabaseFailure.h"

#include "ado/AdoEnums.h"
#include "ado/Errors.h"

namespace ado {

bool DatabaseFailure::connectionLost() const
{
    for (const Error& e : m_records)
        if (isConnectionLostState(e.SQLState()))
            return true;
    return false;
}

int DatabaseFailure::numberForState(const QString& state)
{
    if (state.startsWith(QLatin1String("42")) || state == QLatin1String("37000"))
        return adErrCommandText;
    if (state == QLatin1String("23000"))
        return adErrIntegrity;
    if (state == QLatin1String("22001"))
        return adErrDataOverflow;
    return adErrUnspecified;
}

} // namespace ado
