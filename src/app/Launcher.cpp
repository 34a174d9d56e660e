#include "app/Launcher.h"

#include "app/AppModule.h"
#include "app/CommandLine.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "ado/EngineTarget.h"
#include "data/DB_Dll.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QProcess>
#include <QRegularExpression>

namespace app {

namespace {

constexpr int kFileNotFound = 53;
const QString kLocalPage = QStringLiteral("http://localhost:5055/");
const QString kLocalHost = QStringLiteral("localhost");

class DesktopLauncher : public Launcher {
public:
    qint64 startProgram(const QString& program, const QString& argumentLine) override
    {
        qint64 pid = 0;
        if (!QProcess::startDetached(program, {argumentLine}, QString(), &pid))
            return 0;
        return pid;
    }
    int openAddress(const QString& address) override
    {
        return gSistema().Ejecutar(0, QStringLiteral("open"), address, QString(), QString(), kit::Sistema::Normal);
    }
    void execute(const QString& path, int windowStyle) override
    {
        gSistema().Ejecutar(0, QString(), path, QString(), QString(), windowStyle);
    }
};

std::shared_ptr<Launcher>& installed()
{
    static std::shared_ptr<Launcher> launcher;
    return launcher;
}

enum class TargetKind { ProgramPath, LocalPage, ShellName, BareName };

TargetKind kindOf(const QString& destino)
{
    const bool page = destino.contains(kLocalPage, Qt::CaseInsensitive);
    // "/" separates folders here as "\" did; a page address is no path.
    if (destino.contains(u'\\') || (destino.contains(u'/') && !page))
        return TargetKind::ProgramPath;
    if (page)
        return TargetKind::LocalPage;
    if (destino.contains(QLatin1String("SHELL"), Qt::CaseInsensitive))
        return TargetKind::ShellName;
    return TargetKind::BareName;
}

QString parameterLine(const QString& parametroAdicional)
{
    const data::DB_Dll& db = gDB();
    return QStringLiteral(" ; @server=") + db.gServidor + QStringLiteral("; @dbname=") + db.gDBName
         + QStringLiteral("; @usuario=") + gUsuarioActual + QStringLiteral("; @Password=") + gClaveActual
         + QStringLiteral("; @ParametroAdicional=") + parametroAdicional + QStringLiteral("; brix@ ; @UsuarioLogeado = ")
         + gUsuarioActual + QStringLiteral("; @Caja=") + state().startup.Caja + u';';
}

// The host of the database server, where the suite's web application runs. A server that is
// a folder of the embedded engine, or none, is this machine.
QString pageHost()
{
    const QString server = gDB().gServidor;
    if (vb::Trim(server).isEmpty() || !ado::EngineTarget::serverFolder(server).isEmpty())
        return kLocalHost;
    QString host = HostDeServidor(server);
    for (const QChar separator : {u'\\', u','}) {
        const qsizetype at = host.indexOf(separator);
        if (at >= 0)
            host.truncate(at);
    }
    return vb::Trim(host).isEmpty() ? kLocalHost : host;
}

QString pageAddress(const QString& destino)
{
    static const QRegularExpression shell(QStringLiteral("shell:"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression localHost(QStringLiteral("localhost"), QRegularExpression::CaseInsensitiveOption);
    QString address = destino;
    address.remove(shell);
    return address.replace(localHost, pageHost());
}

qint64 start(const QString& program, const QString& line)
{
    const QString path = vb::resolvePath(program);
    const qint64 pid = Launcher::instance().startProgram(path, line);
    if (pid == 0)
        vb::raise(kFileNotFound, vb::Error::standardDescription(kFileNotFound) + QStringLiteral(": ") + path);
    return pid;
}

} // namespace

Launcher& Launcher::instance()
{
    std::shared_ptr<Launcher>& launcher = installed();
    if (!launcher)
        launcher = std::make_shared<DesktopLauncher>();
    return *launcher;
}

void Launcher::setInstance(std::shared_ptr<Launcher> launcher) { installed() = std::move(launcher); }

void MenuExes(QString& Destino, QString& ParametroAdicional, qint64& Proceso)
{
    vb::Trap trap([](const vb::Error& e) { return TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("MenuExes")); });
    const qsizetype blank = ParametroAdicional.indexOf(u' ');
    if (blank >= 0)
        ParametroAdicional = ParametroAdicional.mid(blank + 1);
    const QString line = parameterLine(ParametroAdicional);
    const QString folder = gUtil().CarpetaConBarra(vb::App::path());
    switch (kindOf(Destino)) {
    case TargetKind::ProgramPath:
        trap.run([&] { Proceso = start(Destino.mid(6), line); });
        break;
    case TargetKind::LocalPage:
        trap.run([&] {
            Destino = pageAddress(Destino);
            AbrirURL(Destino);
            Proceso = 1;
        });
        break;
    case TargetKind::ShellName:
        trap.run([&] { Proceso = start(folder + Destino.mid(6), line); });
        break;
    case TargetKind::BareName:
        trap.run([&] { Proceso = start(folder + Destino, line); });
        break;
    }
    if (trap.left())
        return;
    if (Proceso == 0)
        ui::MsgBox(QStringLiteral("Opcion no Implementada!\rComuniquese con su proveedor de sistemas"),
                   ui::vbCritical | ui::vbOKOnly, QStringLiteral("Atención"));
}

void EjecutarPrograma(const QString& Ruta, bool Minimizado)
{
    QString path = Ruta;
    if (!path.contains(u'"') && path.contains(u' '))
        path = u'"' + path + u'"';
    Launcher::instance().execute(path, Minimizado ? kit::Sistema::Minimised : kit::Sistema::Normal);
}

void AbrirURL(const QString& Direccion)
{
    const QString address = vb::Trim(Direccion);
    if (address.isEmpty()) {
        ui::MsgBox(QStringLiteral("URL vacía"), ui::vbExclamation | ui::vbOKOnly);
        return;
    }
    const int result = Launcher::instance().openAddress(address);
    if (result <= 32)
        ui::MsgBox(QStringLiteral("No se pudo abrir la URL: ") + address + QStringLiteral("\r\nCódigo: ")
                       + QString::number(result),
                   ui::vbCritical);
}

} // namespace app
