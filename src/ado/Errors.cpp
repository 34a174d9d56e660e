#include "ado/Errors.h"

#include "ado/AdoEnums.h"
#include "ado/AdoRaise.h"

#include <vb/Error.h>

namespace ado {

const Error& Errors::Item(int index) const
{
    if (index < 0 || index >= Count())
        raiseAdo(adErrItemNotFound, AdoObject::Errors);
    return m_items[size_t(index)];
}

bool isConnectionLostState(const QString& sqlState)
{
    return sqlState.startsWith(QLatin1String("08")) || sqlState == QLatin1String("HYT01");
}

bool isConnectionLost(const Errors& errors)
{
    for (const Error& e : errors)
        if (isConnectionLostState(e.SQLState()))
            return true;
    return false;
}

bool isConnectionLost(const vb::Error& error)
{
    return wasLostConnection(error.number(), error.description());
}

} // namespace ado
