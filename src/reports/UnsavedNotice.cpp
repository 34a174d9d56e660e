#include "reports/UnsavedNotice.h"

#include "ui/DialogService.h"

namespace reports {

namespace {

void tell(const QString& what, const QString& instead)
{
    ui::MsgBox(what + QStringLiteral(": la base de datos no aceptó los cambios. ") + instead, ui::vbExclamation,
               QStringLiteral("Aviso al Operador"));
}

} // namespace

void UnsavedNotice::windowValues()
{
    tell(QStringLiteral("No se pudieron guardar los valores de esta ventana (fechas, rangos, tipo, orden y estados "
                        "elegidos)"),
         QStringLiteral("La próxima vez se abrirá con los valores guardados antes."));
}

void UnsavedNotice::templateNotSaved(const QString& name)
{
    tell(QStringLiteral("No se pudo grabar la plantilla ") + name,
         QStringLiteral("Si ya existía, conserva los valores que tenía."));
}

void UnsavedNotice::templateNotDeleted(const QString& name)
{
    tell(QStringLiteral("No se pudo borrar la plantilla ") + name, QStringLiteral("La plantilla sigue guardada."));
}

} // namespace reports
