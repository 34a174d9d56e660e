#pragma once
// One record of the query-mask file "consultas.qzt": which columns a lookup of a table shows,
// under which name, with which extra condition. 1202 bytes, Windows-1252, every text field
// left-aligned and padded with blanks (a longer value is cut), CR LF at the end.
//
//   offset  length  field
//        0     100  Nombre      display name of the query
//      100     100  Tabla       table or view; the key of the record
//      200     500  Campos      "|COLUMN|COLUMN|"
//      700     500  Condicion   WHERE text without the keyword, blanks when none
//     1200       2  FinRegistro CR LF

#include <QByteArray>
#include <QString>

namespace lookup {

struct MascaraConsulta {
    static constexpr int kLength = 1202;
    static constexpr int kNombre = 100;
    static constexpr int kTabla = 100;
    static constexpr int kCampos = 500;
    static constexpr int kCondicion = 500;

    QString Nombre;
    QString Tabla;
    QString Campos;
    QString Condicion;
    QString FinRegistro = QStringLiteral("\r\n");

    QByteArray toBytes() const;
    static MascaraConsulta fromBytes(const QByteArray& record);

    // The table field as readers compare it: characters 0 and 255 removed, blanks trimmed.
    QString tablaLimpia() const;
};

} // namespace lookup
