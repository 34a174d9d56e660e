#include "AppTestBase.h"

#include "app/AppModule.h"
#include "app/Launcher.h"
#include "data/SessionValues.h"
#include "vb/App.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

// Records what would be started or opened and answers as told.
class RecordingLauncher : public app::Launcher {
public:
    struct Start {
        QString program;
        QString line;
    };
    qint64 startProgram(const QString& program, const QString& argumentLine) override
    {
        starts.push_back({program, argumentLine});
        return startResults.isEmpty() ? 4242 : startResults.takeFirst();
    }
    int openAddress(const QString& address) override
    {
        opened << address;
        return openResult;
    }
    void execute(const QString& path, int windowStyle) override { executed.push_back({path, windowStyle}); }

    QList<Start> starts;
    QList<qint64> startResults;
    QStringList opened;
    int openResult = 42;
    QList<std::pair<QString, int>> executed;
};

class Launching : public AppTestBase {
protected:
    void SetUp() override
    {
        app::Launcher::setInstance(launcher);
        db->gServidor = "SRV01";
        db->gDBName = "DEMO";
        data::gUsuarioActual = "COMPRAS";
        data::gClaveActual = "compras";
        app::state().startup.Caja = "3";
    }
    void TearDown() override { app::Launcher::setInstance(nullptr); }

    QString programFolder() const { return QDir(m_programDir.path()).path() + u'/'; }
    static QString lineFor(const QString& parametro)
    {
        return " ; @server=SRV01; @dbname=DEMO; @usuario=COMPRAS; @Password=compras; @ParametroAdicional=" + parametro
             + "; brix@ ; @UsuarioLogeado = COMPRAS; @Caja=3;";
    }

    std::shared_ptr<RecordingLauncher> launcher = std::make_shared<RecordingLauncher>();
    qint64 proceso = 0;
};

TEST_F(Launching, AShellTargetStartsThatProgramOfTheProgramFolderWithTheParameterLine)
{
    QString destino = "SHELL:V_TA_TABLAS";
    QString parametro = "ALTA OC";
    app::MenuExes(destino, parametro, proceso);
    ASSERT_EQ(launcher->starts.size(), 1);
    EXPECT_EQ(launcher->starts[0].program, programFolder() + "V_TA_TABLAS");
    EXPECT_EQ(launcher->starts[0].line, lineFor("OC"));
    EXPECT_EQ(parametro, "OC");       // a parameter of two words travels as its second
    EXPECT_EQ(proceso, 4242);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Launching, TargetsByPathByBareNameAndInAFolderWithBlanks)
{
    QString parametro = "RMC";
    QString byPath = "SHELL:/opt/suite/compras";
    app::MenuExes(byPath, parametro, proceso);
    QString anyPrefix = "ABCDEF\\opt\\suite\\ventas";     // always loses its first six characters
    app::MenuExes(anyPrefix, parametro, proceso);
    QString bare = "stock";
    app::MenuExes(bare, parametro, proceso);
    ASSERT_EQ(launcher->starts.size(), 3);
    EXPECT_EQ(launcher->starts[0].program, "/opt/suite/compras");
    EXPECT_EQ(launcher->starts[1].program, "/opt/suite/ventas");
    EXPECT_EQ(launcher->starts[2].program, programFolder() + "stock");
    EXPECT_EQ(launcher->starts[2].line, lineFor("RMC"));

    // The program's own folder may hold blanks: the path travels apart from its arguments.
    QDir(m_programDir.path()).mkpath("mis programas");
    vb::App::setPath(m_programDir.path() + "/mis programas");
    QString shell = "shell:compras";
    app::MenuExes(shell, parametro, proceso);
    EXPECT_EQ(launcher->starts.last().program, programFolder() + "mis programas/compras");
    EXPECT_EQ(launcher->starts.last().line, lineFor("RMC"));
}

TEST_F(Launching, APageOfTheLocalApplicationOpensOnTheDatabaseServersHost)
{
    const std::pair<const char*, const char*> servers[] = {
        {"SRV01\\SQL2", "http://SRV01:5055/compras/ordenes"},
        {"tcp/SRV01", "http://SRV01:5055/compras/ordenes"},
        {"SRV02,1433", "http://SRV02:5055/compras/ordenes"},
    };
    for (const auto& [server, address] : servers) {
        db->gServidor = server;
        QString destino = "SHELL:http://LocalHost:5055/compras/ordenes";
        QString parametro;
        proceso = 0;
        app::MenuExes(destino, parametro, proceso);
        EXPECT_EQ(launcher->opened.last(), address) << server;
        EXPECT_EQ(destino, address);
        EXPECT_EQ(proceso, 1);
    }
    EXPECT_TRUE(launcher->starts.isEmpty());
    // The embedded engine's folder is this machine.
    db->gServidor = serverFolder();
    QString destino = "http://localhost:5055/";
    QString parametro;
    app::MenuExes(destino, parametro, proceso);
    EXPECT_EQ(launcher->opened.last(), "http://localhost:5055/");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Launching, AProgramThatCannotStartGoesToTheErrorHandler)
{
    // Ignore: nothing started, so the operator is told.
    launcher->startResults = {0};
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    QString destino = "SHELL:NO_EXISTE";
    QString parametro;
    app::MenuExes(destino, parametro, proceso);
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_TRUE(boxes()[0].title.contains("MenuExes"));
    EXPECT_TRUE(boxes()[0].text.contains("(53)"));
    EXPECT_EQ(boxes()[1].text, "Opcion no Implementada!\rComuniquese con su proveedor de sistemas");
    EXPECT_EQ(boxes()[1].title, "Atención");
    EXPECT_EQ(boxes()[1].icon, ui::vbCritical);
    EXPECT_EQ(proceso, 0);
    EXPECT_TRUE(moduleLog().contains("MenuExes"));

    // Retry starts it again; Abort leaves without a further word.
    dialogs.clear();
    launcher->starts.clear();
    launcher->startResults = {0, 0};
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    app::MenuExes(destino, parametro, proceso);
    EXPECT_EQ(launcher->starts.size(), 2);
    EXPECT_EQ(boxes().size(), 2);
    EXPECT_EQ(proceso, 0);
}

TEST_F(Launching, TheDesktopLauncherHandsTheLineOverAsOneArgument)
{
    app::Launcher::setInstance(nullptr);
    QDir(m_programDir.path()).mkpath("mis programas");
    const QString folder = m_programDir.path() + "/mis programas";
    const QString received = m_tempDir.path() + "/received.txt";
    QFile script(folder + "/hijo");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
                     .arg(received).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    vb::App::setPath(folder);

    QString destino = "SHELL:HIJO";    // found without regard to letter case
    QString parametro = "RMC";
    app::MenuExes(destino, parametro, proceso);
    EXPECT_GT(proceso, 1);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(received) && waited.elapsed() < 10000)
        QThread::msleep(20);
    QFile result(received);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "1|" + lineFor("RMC"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Launching, AddressesAndProgramsThroughTheLibrary)
{
    app::AbrirURL("   ");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "URL vacía");
    EXPECT_EQ(boxes()[0].icon, ui::vbExclamation);
    EXPECT_TRUE(launcher->opened.isEmpty());

    launcher->openResult = 31;
    app::AbrirURL(" http://servidor/pagina ");
    EXPECT_EQ(launcher->opened, QStringList{"http://servidor/pagina"});
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[1].text, "No se pudo abrir la URL: http://servidor/pagina\r\nCódigo: 31");
    EXPECT_EQ(boxes()[1].icon, ui::vbCritical);
    launcher->openResult = 33;
    app::AbrirURL("http://servidor/otra");
    EXPECT_EQ(boxes().size(), 2);

    app::EjecutarPrograma("/opt/mis programas/ayuda.pdf", true);
    app::EjecutarPrograma("\"/opt/mis programas/x\" -a", false);
    app::EjecutarPrograma("/opt/x", false);
    using Run = std::pair<QString, int>;
    EXPECT_EQ(launcher->executed, (QList<Run>{{"\"/opt/mis programas/ayuda.pdf\"", 6},
                                              {"\"/opt/mis programas/x\" -a", 1},
                                              {"/opt/x", 1}}));
}

} // namespace
