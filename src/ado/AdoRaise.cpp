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
        return QStringLiteral("BOF o EOF es True, o el registro actual se eliminó. La operación solicitada requiere un registro actual.");
    case adErrItemNotFound:
        return QStringLiteral("No se encontró el elemento en la colección correspondiente al nombre o al ordinal solicitado.");
    case adErrNotSupported:
        return QStringLiteral("El Recordset actual no admite actualizaciones. Puede deberse a una limitación del proveedor o del tipo de bloqueo elegido.");
    case adErrIllegalOperation:
        return QStringLiteral("No se permite la operación en este contexto.");
    case adErrObjectClosed:
        return QStringLiteral("No se permite la operación si el objeto está cerrado.");
    case adErrObjectOpen:
        return QStringLiteral("No se permite la operación si el objeto está abierto.");
    case adErrInvalidConnection:
        return QStringLiteral("No se puede usar la conexión para realizar esta operación. Está cerrada o no es válida en este contexto.");
    default:
        return QStringLiteral("Error no especificado");
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

void forgetLostConnections()
{
    QMutexLocker lock(&lostMutex);
    lostTexts().clear();
}

} // namespace ado
