#include "lookup/MascaraConsulta.h"

#include "kit/Utilidades.h"
#include "vb/Files.h"
#include "vb/Strings.h"

namespace lookup {

namespace {

QByteArray padded(const QString& text, int length)
{
    QByteArray bytes = vb::Windows1252::encode(text).left(length);
    return bytes.leftJustified(length, ' ');
}

} // namespace

QByteArray MascaraConsulta::toBytes() const
{
    QByteArray record;
    record.reserve(kLength);
    record += padded(Nombre, kNombre);
    record += padded(Tabla, kTabla);
    record += padded(Campos, kCampos);
    record += padded(Condicion, kCondicion);
    record += padded(FinRegistro, 2);
    return record;
}

MascaraConsulta MascaraConsulta::fromBytes(const QByteArray& bytes)
{
    const QString record = vb::Windows1252::decode(bytes.leftJustified(kLength, ' '));
    MascaraConsulta mask;
    int at = 0;
    auto next = [&](int length) {
        const QString field = record.mid(at, length);
        at += length;
        return field;
    };
    mask.Nombre = next(kNombre);
    mask.Tabla = next(kTabla);
    mask.Campos = next(kCampos);
    mask.Condicion = next(kCondicion);
    mask.FinRegistro = next(2);
    return mask;
}

QString MascaraConsulta::tablaLimpia() const
{
    return vb::Trim(kit::Utilidades().QuitarCaracteres(Tabla, vb::Chr(0), vb::Chr(255)));
}

} // namespace lookup
