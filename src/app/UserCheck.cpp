#include "app/UserCheck.h"

#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

namespace app {

namespace {

// The column holds 1 or a true value for administrators; empty, Null or unreadable is not one.
bool administratorValue(const QString& text)
{
    if (vb::Trim(text).isEmpty())
        return false;
    try {
        return vb::CBool(vb::Variant(vb::Trim(text)));
    } catch (const vb::Error&) {
        return false;
    }
}

// The verdict of the user's first row, if any.
bool checkRow(const ado::RecordsetPtr& rs, const QString& usuario, const QString& clave)
{
    kit::Utilidades& util = gUtil();
    if (rs->Eof())
        return false;
    gUsuarioActual = usuario;
    const bool matched = vb::textEquals(util.Decodificar(util.ValorTexto(rs->Value(QStringLiteral("PassWord")))), clave);
    if (matched)
        setAdministrador(administratorValue(util.ValorTexto(rs->Value(QStringLiteral("Administrador")))));
    return matched;
}

} // namespace

void setAdministrador(bool value)
{
    state().startup.EsAdministrador = value;
    gDB().setEsAdmin(value);
}

void openUserRow(const QString& user, ado::RecordsetPtr& rs)
{
    QString sql = QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = '")
                + ado::escapeSqlText(user) + u'\'';
    gDB().AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
}

bool ValidarUsuario(const QString& usuario, const QString& clave)
{
    data::DB_Dll& db = gDB();
    if (vb::textEquals(usuario, db.settings().gDBName)) {
        gUsuarioActual = usuario;
        return true;
    }
    setAdministrador(false);
    QString sql = QStringLiteral("SELECT * FROM TA_USUARIOS WHERE NOMBRE = '") + ado::escapeSqlText(vb::Trim(usuario))
                + QStringLiteral("' AND (SISTEMA = 'vu000va' OR SISTEMA = 'BRIX')");
    ado::RecordsetPtr rs;
    try {
        db.AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
        const bool valid = checkRow(rs, usuario, clave);
        db.CierraRecordset(rs);
        return valid;
    } catch (const vb::Error&) {
        vb::Trap::skipping().run([&] { db.CierraRecordset(rs); });
        throw;
    }
}

} // namespace app
