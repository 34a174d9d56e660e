#include "lookup/AppLink.h"

#include "data/DB_Dll.h"
#include "data/SqlLiteral.h"
#include "kit/Utilidades.h"
#include "vb/Strings.h"

#include <QLoggingCategory>

namespace lookup {

namespace {

Q_LOGGING_CATEGORY(lcLaunch, "rpq.lookup.launch")

bool g_mostrarStock = false;

AppLink::Launcher& launcher()
{
    static AppLink::Launcher installed;
    return installed;
}

} // namespace

QString AppLink::Cfg(const QString& clave)
{
    data::DB_Dll& db = data::gDB();
    if (!db.gOpenFlag)
        return {};
    QString sql = QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = ")
                + data::SqlLiteral::quoted(vb::Trim(clave));
    ado::RecordsetPtr rs;
    QString value = QStringLiteral(" ");
    db.AbrirRecordset(sql, rs);
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] {
        if (rs && !rs->Eof())
            value = kit::Utilidades().ValorTexto(rs->Fields()->Item(0)->Value());
    });
    db.CierraRecordset(rs);
    return value;
}

int AppLink::TratamientoErrores(const vb::Error& error, const QString& rutina)
{
    return data::gDB().TratamientoErrores(error, vb::Variant::missing(), rutina);
}

bool AppLink::mostrarStock()
{
    return g_mostrarStock;
}

void AppLink::setMostrarStock(bool value)
{
    g_mostrarStock = value;
}

void AppLink::setLauncher(Launcher installed)
{
    launcher() = std::move(installed);
}

void AppLink::MenuExes(const QString& destino, const QString& parametros, qint64& proceso)
{
    if (launcher()) {
        launcher()(destino, parametros, proceso);
        return;
    }
    qCInfo(lcLaunch) << "no program launcher installed; not started:" << destino << parametros;
}

} // namespace lookup
