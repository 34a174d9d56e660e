#include "WindowStateFixture.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "data/SessionValues.h"

namespace apptest {

void PrintTo(const ConfigRow& row, std::ostream* out)
{
    *out << QStringList{row.formulario, row.usuario, row.tipo, row.nombre, row.propiedad, row.datafield, row.valor}
                .join(QStringLiteral(" | "))
                .toStdString();
}

WindowStateFixture::WindowStateFixture()
{
    m_savedLogname = qgetenv("LOGNAME");
    qputenv("LOGNAME", "ana");
    openDemo();
    data::gUsuarioActual = QStringLiteral("ANA");
}

WindowStateFixture::~WindowStateFixture()
{
    qputenv("LOGNAME", m_savedLogname);
}

QList<ConfigRow> WindowStateFixture::rows(const QString& condition)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD, VALOR "
                            "FROM TA_CONFIG_FORM ")
                 + (condition.isEmpty() ? QString() : QStringLiteral("WHERE ") + condition)
                 + QStringLiteral(" ORDER BY ID"),
             db->gCnn());
    QList<ConfigRow> found;
    const auto text = [&](int column) {
        const vb::Variant value = rs->Fields()->Item(column)->Value();
        return value.isNull() ? QStringLiteral("<Null>") : value.toString();
    };
    for (; !rs->Eof(); rs->MoveNext())
        found.append({text(0), text(1), text(2), text(3), text(4), text(5), text(6)});
    return found;
}

int WindowStateFixture::rowCount(const QString& condition)
{
    return int(rows(condition).size());
}

} // namespace apptest
