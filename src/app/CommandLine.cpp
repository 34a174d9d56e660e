#include "app/CommandLine.h"

#include "app/SharedObjects.h"
#include "ado/EngineTarget.h"
#include "kit/ArchivoIni.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/Strings.h"

#include <QDir>

namespace app {

namespace {

enum class KeyRead { Absent, Read, Unended };

// The value of one key into value. A key without a ";" after it leaves value as it was, unless
// fixedLength says how many characters after the key to take instead.
KeyRead readKey(const QString& linea, const QString& key, QString& value, qsizetype fixedLength = -1)
{
    const qsizetype at = linea.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return KeyRead::Absent;
    const qsizetype start = at + key.size();
    const qsizetype end = linea.indexOf(u';', at);
    KeyRead result = KeyRead::Read;
    if (end >= 0)
        value = linea.mid(start, end - start);
    else if (fixedLength >= 0)
        value = linea.mid(start, fixedLength);
    else
        result = KeyRead::Unended;
    value = vb::Trim(gUtil().QuitarCaracteres(value, QStringLiteral("=")));
    return result;
}

bool namesAbsoluteFolder(const QString& servidor)
{
    return QDir::isAbsolutePath(servidor) && !ado::EngineTarget::serverFolder(servidor).isEmpty();
}

} // namespace

CommandLineValues LeerLineaParametros(const QString& linea, const CommandLineValues& antes)
{
    CommandLineValues v = antes;
    v.Servidor.clear();
    v.DbName.clear();
    v.Usuario.clear();
    v.Password.clear();
    v.unendedKey = false;
    const auto read = [&](const char* key, QString& value, QString absent) {
        const KeyRead result = readKey(linea, QLatin1String(key), value);
        if (result == KeyRead::Absent)
            value = std::move(absent);
        v.unendedKey = v.unendedKey || result == KeyRead::Unended;
        return result != KeyRead::Absent;
    };

    const QString parametro = QStringLiteral("@ParametroAdicional");
    if (readKey(linea, parametro, v.ParametroAdicional, parametro.size()) == KeyRead::Absent)
        v.ParametroAdicional.clear();
    read("@Menu", v.Menu, {});
    read("@Server", v.Servidor, {});
    read("@DbName", v.DbName, {});
    read("@Usuario", v.Usuario, {});
    QString logeado = v.UsuarioActual;
    if (!read("@UsuarioLogeado", logeado, {}) || vb::Trim(logeado).isEmpty())
        logeado = vb::Trim(v.Usuario);
    v.UsuarioActual = logeado;
    if (read("@Password", v.Password, {})) {
        v.StoredPasswordMarker = vb::textEquals(v.Password, v.DbName);
        v.ClaveActual = v.StoredPasswordMarker ? QStringLiteral("* *") : v.Password;
    }
    read("@Caja", v.Caja, QStringLiteral("1"));
    return v;
}

QString LineaDesdeIni()
{
    const kit::Sistema& sistema = gSistema();
    const kit::Utilidades& util = gUtil();
    const QString file = QStringLiteral("VU000va.INI");
    const QString section = vb::UCase(sistema.NombreEquipo()) + u'|' + vb::UCase(sistema.NombreUsuarioSistema())
                          + QStringLiteral("BaseDeDatos");
    // User and password are kept in the library's stored form.
    const auto value = [&](const char* key, const QString& fallback, bool stored) {
        QString text = gIni().LeerValor(file, section, QLatin1String(key), stored ? util.Codificar(fallback) : fallback);
        if (stored)
            text = util.Decodificar(text);
        return util.QuitarCaracteres(text, QStringLiteral("|"));
    };
    const QString servidor = value("Servidor", {}, false);
    const QString base = value("DbName", {}, false);
    const QString usuario = value("Usuario", QStringLiteral("Corvane"), true);
    const QString clave = value("UserPassWord", QStringLiteral("quemilo"), true);
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base + QStringLiteral("; @usuario= ")
         + usuario + QStringLiteral("; @Password= ") + clave + QStringLiteral("; @ParametroAdicional=; @Caja=1;brix@");
}

QString HostDeServidor(const QString& servidor)
{
    // An absolute folder of the embedded engine is kept whole: its slashes name no protocol.
    if (namesAbsoluteFolder(servidor))
        return servidor;
    const qsizetype slash = servidor.indexOf(u'/');
    QString host = slash >= 0 ? servidor.mid(slash + 1) : servidor;
    const qsizetype colon = host.indexOf(u':');
    if (colon >= 0)
        host.truncate(colon);
    return host;
}

} // namespace app
