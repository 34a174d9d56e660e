#include "TempFolder.h"
#include "kit/Sistema.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>

using kit::Sistema;
using kittest::TempFolder;

namespace {

// Receives what the program asks the desktop to open, so no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

bool waitForFile(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < 5000)
        QThread::msleep(20);
    return QFile::exists(path);
}

class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const QByteArray& value) : m_name(name), m_saved(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentScope() { m_had ? qputenv(m_name, m_saved) : qunsetenv(m_name); }
private:
    const char* m_name;
    QByteArray m_saved;
    bool m_had;
};

TEST(Sistema, names)
{
    const Sistema sistema;
    EXPECT_FALSE(sistema.NombreEquipo().isEmpty());
    EXPECT_FALSE(sistema.NombreEquipo().contains(u'.'));
    {
        EnvironmentScope logname("LOGNAME", "operador1");
        EXPECT_EQ(sistema.NombreUsuarioSistema(), "operador1");
    }
    {
        EnvironmentScope logname("LOGNAME", "");
        EnvironmentScope user("USER", "");
        EXPECT_FALSE(sistema.NombreUsuarioSistema().isEmpty()); // from the user database
    }
    EXPECT_TRUE(QDir(sistema.CarpetaTemporal()).exists());
}

TEST(SistemaEjecutar, startsAProgramWithItsArguments)
{
    TempFolder folder;
    const QString marker = folder.path("started");
    EXPECT_GT(Sistema().Ejecutar(0, {}, "/usr/bin/touch", marker, {}, Sistema::Minimised), 32);
    EXPECT_TRUE(waitForFile(marker));
}

TEST(SistemaEjecutar, programAndArgumentsInOneTextAndWorkingFolder)
{
    TempFolder folder;
    EXPECT_GT(Sistema().Ejecutar(0, {}, "/usr/bin/touch made-here", {}, folder.path(), Sistema::Normal), 32);
    EXPECT_TRUE(waitForFile(folder.path("made-here")));
}

TEST(SistemaEjecutar, quotedProgramPathWithBlanks)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("my tools");
    const QString script = folder.write("my tools/run.sh", "#!/bin/sh\ntouch \"$1\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString marker = folder.path("by-script");
    EXPECT_GT(Sistema().Ejecutar(0, {}, '"' + script + '"', marker, {}), 32);
    EXPECT_TRUE(waitForFile(marker));
}

TEST(SistemaEjecutar, addressesAndDocumentsGoToTheDesktop)
{
    UrlCatcher catcher;
    TempFolder folder;
    const QString document = folder.write("Informe.TXT", "x");
    const Sistema sistema;
    EXPECT_GT(sistema.Ejecutar(0, {}, "http://localhost:5055/", {}, {}), 32);
    EXPECT_GT(sistema.Ejecutar(0, {}, folder.path("informe.txt"), {}, {}), 32);
    EXPECT_GT(sistema.Ejecutar(0, {}, "WWW.example.com.ar", {}, {}, Sistema::Minimised), 32);
    ASSERT_EQ(catcher.opened.size(), 3);
    EXPECT_EQ(catcher.opened[0], QUrl("http://localhost:5055/"));
    EXPECT_EQ(catcher.opened[1], QUrl::fromLocalFile(document));
    EXPECT_EQ(catcher.opened[2], QUrl("http://WWW.example.com.ar"));
}

TEST(SistemaEjecutar, missingProgramIsReported)
{
    TempFolder folder;
    EXPECT_EQ(Sistema().Ejecutar(0, {}, folder.path("nothing.exe"), {}, {}), Sistema::FileNotFound);
    EXPECT_EQ(Sistema().Ejecutar(0, {}, "  ", {}, {}), Sistema::FileNotFound);
}

} // namespace

#include "SistemaTest.moc"
