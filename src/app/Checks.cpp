#include "app/Checks.h"

#include "app/SharedObjects.h"
#include "data/DB_Dll.h"
#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "vb/Files.h"

#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

QString accountStatement(const QString& column, const QString& account)
{
    return QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE ") + column + QStringLiteral(" =  '")
         + ado::escapeSqlText(account) + u'\'';
}

bool openAccount(const QString& column, const QString& account, ado::RecordsetPtr& rs, bool readOnly)
{
    QString sql = accountStatement(column, account);
    gDB().AbrirRecordset(sql, rs, {}, readOnly ? 0 : 2, readOnly ? 1 : 3, -1, true);
    return !rs->Eof();
}

QString codeOf(const ado::RecordsetPtr& rs) { return gUtil().ValorTexto(rs->Value(QStringLiteral("Codigo"))); }

} // namespace

bool ExisteCuenta(QString& Cuenta, ado::RecordsetPtr& LRCS, bool SoloLectura, bool& PorCodigoOpcional)
{
    ado::RecordsetPtr rs = LRCS ? LRCS : ado::Recordset::create();
    const QString codigo = QStringLiteral("Codigo");
    const QString opcional = QStringLiteral("CodigoOpcional");
    bool found = false;
    if (openAccount(PorCodigoOpcional ? opcional : codigo, Cuenta, rs, SoloLectura)) {
        found = true;
        Cuenta = codeOf(rs);
    } else if (PorCodigoOpcional) {
        found = openAccount(codigo, Cuenta, rs, SoloLectura);
    } else if (openAccount(opcional, Cuenta, rs, SoloLectura)) {
        found = true;
        PorCodigoOpcional = true;
        Cuenta = codeOf(rs);
    }
    LRCS = rs;
    return found;
}

bool ExisteArchivo(const QString& Archivo)
{
    QString path = Archivo;
    path.remove(u'"');
    if (path.isEmpty())
        return false;
    path = vb::resolvePath(path);
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace app
