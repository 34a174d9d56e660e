#include "app/ConfigTable.h"

#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "vb/Strings.h"

namespace app {

namespace {

const QString kDatos = QStringLiteral("DATOS");

bool isDateRangeKey(const QString& trimmedKey)
{
    return vb::textEquals(trimmedKey, QStringLiteral("[FECHA HASTA]"))
        || vb::textEquals(trimmedKey, QStringLiteral("[FECHA DESDE]"));
}

} // namespace

QString Cfg(const QString& Clave, QString* ValorAux, const QString& Grupo)
{
    return ConfigTable::suite().read(Clave, ValorAux, Grupo);
}

void GrabaDfg(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
              const QString& Grupo, bool Recortar, bool Borrar)
{
    ConfigTable::suite().write(Clave, Valor, ValorAux, PoliticaNegocio, Grupo, Recortar, Borrar);
}

QString CfgKQ(const QString& Clave, QString* ValorAux)
{
    return ConfigTable::statistics().read(Clave, ValorAux, kDatos);
}

void GrabaCfgKQ(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool Recortar)
{
    ConfigTable::statistics().write(Clave, Valor, ValorAux, PoliticaNegocio, Grupo, Recortar, false);
}

ConfigTable ConfigTable::suite() { return ConfigTable(false); }
ConfigTable ConfigTable::statistics() { return ConfigTable(true); }

data::DB_Dll& ConfigTable::db() const { return m_statistics ? gDBEstadisticas() : gDB(); }

QString ConfigTable::tableName() const
{
    if (m_statistics)
        return QStringLiteral("TA_CONFIGURACION");
    // The writer defaults the name too: a write before the first read must not lose its row.
    QString& name = state().configuration.TablaConfiguracion;
    if (vb::Trim(name).isEmpty())
        name = QStringLiteral("TA_CONFIGURACION");
    return name;
}

QString ConfigTable::readRoutine() const { return m_statistics ? QStringLiteral("CfgKQ") : QStringLiteral("Cfg"); }
QString ConfigTable::writeRoutine() const
{
    return m_statistics ? QStringLiteral("GrabaCfgKQ") : QStringLiteral("GrabaDfg");
}

bool ConfigTable::groupApplies(const QString& Grupo) const
{
    return !m_statistics && !vb::textEquals(Grupo, kDatos);
}

QString ConfigTable::readStatement(const QString& Clave, const QString& Grupo) const
{
    const QString key = vb::Trim(Clave);
    QString sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + tableName() + QStringLiteral(" with(nolock)  WHERE CLAVE = '")
                + ado::escapeSqlText(key) + u'\'';
    if (groupApplies(Grupo))
        sql += QStringLiteral(" AND GRUPO ='") + ado::escapeSqlText(Grupo) + u'\'';
    return isDateRangeKey(key) ? vb::UCase(sql) : sql;
}

QString ConfigTable::writeStatement(const QString& Clave, const QString& Grupo) const
{
    QString sql = QStringLiteral("SELECT * FROM ") + tableName() + QStringLiteral(" with(nolock)  WHERE CLAVE = '")
                + ado::escapeSqlText(Clave) + u'\'';
    if (groupApplies(Grupo))
        sql += QStringLiteral(" AND GRUPO = '") + ado::escapeSqlText(Grupo) + u'\'';
    return sql;
}

QString ConfigTable::read(const QString& Clave, QString* ValorAux, const QString& Grupo) const
{
    data::DB_Dll& base = db();
    if (!m_statistics && !base.gOpenFlag())
        return {};
    ado::RecordsetPtr rs;
    QString result;
    // Only the statistics reader runs a step again on Retry; the suite reader leaves on it.
    vb::Trap trap([&](const vb::Error& e) {
        const int answer = TratamientoErrores(e, vb::Variant::missing(), readRoutine());
        return answer == vb::Retry && !m_statistics ? int(vb::Abort) : answer;
    });
    QString sql;
    trap.run([&] { sql = readStatement(Clave, Grupo); });
    trap.run([&] { base.AbrirRecordset(sql, rs, {}, 0, 1, -1, true); });
    trap.run([&] {
        if (!rs)
            vb::raise(91);
        if (rs->Eof()) {
            result = QStringLiteral(" ");
            if (ValorAux)
                ValorAux->clear();
        } else {
            result = gUtil().ValorTexto(rs->Value(QStringLiteral("Valor")));
            if (ValorAux)
                *ValorAux = gUtil().ValorTexto(rs->Value(QStringLiteral("ValorAux")));
        }
    });
    if (trap.left()) {
        vb::Trap::skipping().run([&] { base.CierraRecordset(rs); });
        return {};
    }
    trap.run([&] { base.CierraRecordset(rs); });
    if (vb::textEquals(Clave, QStringLiteral("THEME")) && vb::Trim(result).isEmpty())
        result = QStringLiteral("1");
    return trap.left() ? QString() : result;
}

void ConfigTable::write(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                        const QString& Grupo, bool Recortar, bool Borrar) const
{
    data::DB_Dll& base = db();
    QuietSteps steps(writeRoutine());
    vb::Trap& trap = steps.trap();
    ado::RecordsetPtr rs;
    QString sql;
    bool missingRow = false;
    trap.run([&] { sql = writeStatement(Clave, Grupo); });
    trap.run([&] { base.AbrirRecordset(sql, rs, base.gCnn(), 2, 3, -1, true); });
    trap.run([&] {
        if (!rs)
            vb::raise(91);
        missingRow = rs->Eof();
    });
    if (!steps.failed() && !(missingRow && Borrar)) {
        if (missingRow) {
            trap.run([&] { rs->AddNew(); });
        } else if (Borrar) {
            trap.run([&] { rs->Delete(); });
        } else {
            trap.run([&] { rs->MoveFirst(); });
        }
        if (!Borrar) {
            fillRow(trap, *rs, Clave, Valor, ValorAux, PoliticaNegocio, Grupo, Recortar);
            trap.run([&] { rs->Update(); });
        }
    }
    trap.run([&] { base.CierraRecordset(rs); });
}

void ConfigTable::fillRow(vb::Trap& trap, ado::Recordset& rs, const QString& Clave, const vb::Variant& Valor,
                          const QString& ValorAux, bool PoliticaNegocio, const QString& Grupo, bool Recortar) const
{
    kit::Utilidades& util = gUtil();
    const auto set = [&](const char* column, const vb::Variant& value) {
        trap.run([&] { rs.Field(QLatin1String(column))->setValue(util.ValorTexto(value)); });
    };
    set("Grupo", Grupo);
    set("Clave", vb::UCase(vb::Trim(Clave)));
    trap.run([&] {
        const QString text = util.ValorTexto(Valor);
        rs.Field(QStringLiteral("Valor"))->setValue(Recortar ? vb::Trim(text) : text);
    });
    set("PoliticaNegocio", PoliticaNegocio);
    if (!ValorAux.isEmpty())
        set("ValorAux", Recortar || m_statistics ? vb::Trim(ValorAux) : ValorAux);
}

} // namespace app
