#pragma once
// The lookup definitions: for each suite table or view a field may look up, which view to
// query and which columns hold the description, the code and one extra value; and the lookup
// itself, shown through the shared lookup object.

#include <QString>

namespace lookup {

// The four texts of a lookup tag. Tabla: on entry the tag, afterwards the view to query.
struct DefinicionConsulta {
    QString Tabla;
    QString CampoDescripcion;
    QString CampoCodigo;
    QString CampoAdicional;
};

// Sets the columns of the tag in definicion.Tabla by the first rule that covers it; a tag no
// rule covers keeps the four texts as given. True when a rule applied.
bool DefinicionDeConsulta(DefinicionConsulta& definicion);

// Maps the tag in Tabla, then shows the lookup: when the query-mask file is beside the program,
// through the table's mask (or the mapped columns when it has none), handing back the chosen
// code in CampoCodigo and the chosen row's extra value in CampoAdicional; otherwise, when
// Abrir, as a plain SELECT of the mapped columns, handing back the code. A cancelled lookup
// leaves both empty. Where: an extra condition (without the word WHERE), "" for none; the
// driver may hand it back in parentheses. Errors go to the caller.
void DefinirConsulta(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo, QString& CampoAdicional, bool& Abrir,
                     QString& Where);

} // namespace lookup
