#include "reports/FieldLookups.h"

namespace reports {

namespace {
FieldLookups* installed = nullptr;
}

QString FieldLookups::buscarProveedorLike(const QString&) { return {}; }
QString FieldLookups::listaProveedores() { return {}; }
QString FieldLookups::lista(const QString&, const QString&) { return {}; }
QStringList FieldLookups::listaConTildes(const QString&, const QString&) { return {}; }
QString FieldLookups::definirConsulta(const QString&) { return {}; }

FieldLookups& FieldLookups::instance()
{
    static FieldLookups standard;
    return installed ? *installed : standard;
}

void FieldLookups::setInstance(FieldLookups* lookups)
{
    installed = lookups;
}

} // namespace reports
