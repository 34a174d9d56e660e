// One entry point for every test executable: headless Qt, the Argentine regional settings,
// an End hook that throws instead of leaving the process, and a home of the run's own.
#include "ui/TypedTextFilter.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Tests write only into temporary folders: what Qt keeps per user (the file dialog's history
// in QtProject.conf), ODBC's user file and any other per-user file go to a home that is
// removed when the run ends. Set before the application object, which reads these once.
class TemporaryHome {
public:
    TemporaryHome()
        : m_dir(QDir::tempPath() + QStringLiteral("/rpq-test-home-XXXXXX"))
    {
        if (!m_dir.isValid())
            qFatal("cannot create a temporary home for the tests");
        set("HOME", QString());
        set("XDG_CONFIG_HOME", QStringLiteral("/.config"));
        set("XDG_DATA_HOME", QStringLiteral("/.local/share"));
        set("XDG_STATE_HOME", QStringLiteral("/.local/state"));
        set("XDG_CACHE_HOME", QStringLiteral("/.cache"));
        set("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    void set(const char* name, const QString& below)
    {
        const QString path = m_dir.path() + below;
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
    }

    QTemporaryDir m_dir;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const TemporaryHome home;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rp_quindal"));
    ui::TypedTextFilter::install(app);     // the boxes of the windows under test take text as the program's do
    ::testing::InitGoogleTest(&argc, argv);
    vb::Regional::reset();
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });
    return RUN_ALL_TESTS();
}
