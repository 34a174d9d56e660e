#pragma once
// The lookups a range box of the report window opens, one member per way of looking up, each
// through the shared lookup object (gConsulta). Each shows its window modally and returns what
// the operator chose, empty when nothing was chosen. Tests may install their own instance.

#include <QString>
#include <QStringList>

namespace reports {

class FieldLookups {
public:
    virtual ~FieldLookups() = default;

    // The supplier search that starts from the text typed in the box.
    virtual QString buscarProveedorLike(const QString& texto);
    // The plain supplier list.
    virtual QString listaProveedores();
    // The list of a table or view; the value of column campoDevuelto of the chosen row.
    virtual QString lista(const QString& tabla, const QString& campoDevuelto);
    // The list with check boxes; the values of column campoDevuelto of the ticked rows.
    virtual QStringList listaConTildes(const QString& tabla, const QString& campoDevuelto);
    // The lookup defined for a table (through its query mask, else the plain list of its mapped
    // columns); the chosen code.
    virtual QString definirConsulta(const QString& tabla);

    static FieldLookups& instance();
    static void setInstance(FieldLookups* lookups);   // nullptr restores the standard one
};

} // namespace reports
