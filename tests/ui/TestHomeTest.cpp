// The shared test main gives the run a home of its own: what Qt and the libraries keep per
// user (the file dialog's history in QtProject.conf, the ODBC user file) must never land in the
// home of the person running the tests.
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

QString accountHome()
{
    const passwd* account = getpwuid(getuid());
    return account ? QDir(QString::fromLocal8Bit(account->pw_dir)).canonicalPath() : QString();
}

bool inside(const QString& path, const QString& folder)
{
    return QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + u'/');
}

} // namespace

TEST(TestHome, PerUserFilesGoToATemporaryFolder)
{
    const QString home = accountHome();
    ASSERT_FALSE(home.isEmpty());
    const QString temporary = QDir(QDir::tempPath()).canonicalPath();
    const QStringList perUser{
        QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
        QDir::homePath() + QStringLiteral("/.odbc.ini"),
    };
    for (const QString& path : perUser) {
        EXPECT_FALSE(inside(path, home)) << path.toStdString();
        EXPECT_TRUE(inside(path, temporary)) << path.toStdString();
    }

    // A file dialog keeps its history when it closes: it is written where QSettings says.
    {
        QFileDialog dialog(nullptr, QStringLiteral("x"), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        dialog.reject();
    }
    const QString qtSettings = QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
    EXPECT_TRUE(QFileInfo::exists(qtSettings)) << qtSettings.toStdString();
}
