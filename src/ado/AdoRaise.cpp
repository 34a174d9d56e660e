#include "ado/AdoRaise.h"

#include "ado/AdoEnums.h"

#include <vb/Error.h>

#include <QMutex>
#include <QSet>

namespace ado {

QString adoDescription(int number)
{
    switch (number) {
    case adErrNoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.");
    case adErrItemNotFound:
        return QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    case adErrNotSupported:
        return QStringLiteral("Current Recordset does not support updating. This may be a limitation of the provider, or of the selected locktype.");
    case adErrIllegalOperation:
        return QStringLiteral("Operation is not allowed in this context.");
    case adErrObjectClosed:
        return QStringLiteral("Operation is not allowed when the object is closed.");
    case adErrObjectOpen:
        return QStringLiteral("Operation is not allowed when the object is open.");
    case adErrInvalidConnection:
        return QStringLiteral("The connection cannot be used to perform this operation. It is either closed or invalid in this context.");
    default:
        return QStringLiteral("Unspecified error");
    }
}

QString adoSource(AdoObject object)
{
    switch (object) {
    case AdoObject::Connection: return QStringLiteral("ADODB.Connection");
    case AdoObject::Command: return QStringLiteral("ADODB.Command");
    case AdoObject::Field: return QStringLiteral("ADODB.Field");
    case AdoObject::Errors: return QStringLiteral("ADODB.Errors");
    case AdoObject::Parameters: return QStringLiteral("ADODB.Parameters");
    case AdoObject::Recordset: break;
    }
    return QStringLiteral("ADODB.Recordset");
}

void raiseAdo(int number, AdoObject raisedBy)
{
    throw vb::Error(number, adoDescription(number), adoSource(raisedBy));
}

namespace {
QMutex lostMutex;
QSet<QString>& lostTexts()
{
    static QSet<QString> texts;
    return texts;
}
QString lostKey(int number, const QString& description)
{
    return QString::number(number) + u'|' + description;
}
} // namespace

void rememberLostConnection(int number, const QString& description)
{
    QMutexLocker lock(&lostMutex);
    lostTexts().insert(lostKey(number, description));
}

bool wasLostConnection(int number, const QString& description)
{
    QMutexLocker lock(&lostMutex);
    return lostTexts().contains(lostKey(number, description));
}

} // namespace ado
