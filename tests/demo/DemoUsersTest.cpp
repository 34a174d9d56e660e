// The demo users log in as the program checks them: the decoded PassWord against the typed text.
#include "DemoFixture.h"
#include "TableDigest.h"

#include "kit/Utilidades.h"

#include "support/TestPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class DemoUsers : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_fixture = new demo::DemoFixture(40, 5); }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static QString storedPassword(const QString &user)
    {
        const QStringList rows = TableDigest(s_fixture->databasePath())
                                     .column(QStringLiteral("SELECT PassWord FROM TA_USUARIOS WHERE Nombre = '%1'").arg(user));
        return rows.size() == 1 ? rows.front() : QStringLiteral("<%1 rows>").arg(rows.size());
    }
    // The program's test: decoded column equal to the typed password, letter case ignored.
    static bool logsIn(const QString &user, const QString &typed)
    {
        return kit::Utilidades().Decodificar(storedPassword(user)).compare(typed, Qt::CaseInsensitive) == 0;
    }

    static demo::DemoFixture *s_fixture;
};

demo::DemoFixture *DemoUsers::s_fixture = nullptr;

// A shell variable assignment at the start of a line of the run script.
QString scriptValue(const QString &name)
{
    QFile file(testpaths::source(QStringLiteral("scripts/run-demo.sh")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression assignment(QStringLiteral("(?m)^%1=(\\S+)$").arg(name));
    return assignment.match(QString::fromUtf8(file.readAll())).captured(1);
}

QString readme()
{
    QFile file(testpaths::source(QStringLiteral("README.md")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString encodedByGenerator(const QString &text)
{
    QProcess generator;
    generator.start(testpaths::demogen(), {QStringLiteral("--encode"), text});
    if (!generator.waitForFinished(10000) || generator.exitCode() != 0)
        return QStringLiteral("<failed>");
    return QString::fromUtf8(generator.readAllStandardOutput()).trimmed();
}

} // namespace

TEST_F(DemoUsers, StoredPasswordsAreEncodedAndDecodeToTheDemoPasswords)
{
    const std::pair<QString, QString> users[] = {
        {QStringLiteral("ADMIN"), QStringLiteral("admin")},
        {QStringLiteral("COMPRAS"), QStringLiteral("compras")},
        {QStringLiteral("DEPOSITO"), QStringLiteral("deposito")}};
    for (const auto &[user, password] : users) {
        const QString stored = storedPassword(user);
        EXPECT_NE(stored.compare(password, Qt::CaseInsensitive), 0) << user.toStdString() << " is stored plain";
        EXPECT_EQ(kit::Utilidades().Decodificar(stored), password) << user.toStdString();
    }
    EXPECT_TRUE(logsIn(QStringLiteral("ADMIN"), QStringLiteral("ADMIN")));
    EXPECT_FALSE(logsIn(QStringLiteral("ADMIN"), QStringLiteral("compras")));
}

TEST_F(DemoUsers, TheRunScriptsUserLogsInAsAdministrator)
{
    const QString user = scriptValue(QStringLiteral("user"));
    const QString password = scriptValue(QStringLiteral("password"));
    ASSERT_EQ(user, QStringLiteral("ADMIN"));
    ASSERT_EQ(password, QStringLiteral("admin"));
    EXPECT_TRUE(logsIn(user, password));
    EXPECT_EQ(TableDigest(s_fixture->databasePath())
                  .column(QStringLiteral("SELECT Administrador FROM TA_USUARIOS WHERE Nombre = '%1'").arg(user)),
              QStringList({"1"}));
}

// The README says how to reach the demo from the login window: that server, database, user
// and password must be the ones the run script and the generator use.
TEST_F(DemoUsers, TheReadmesLoginLineOpensTheDemo)
{
    const QRegularExpression line(QStringLiteral(
        "From the login window[^\\n]*(?:\\n[^\\n]+)*?server `([^`]+)`, database `([^`]+)` and user `([^`]+)`, password `([^`]+)`"));
    const QRegularExpressionMatch found = line.match(readme());
    ASSERT_TRUE(found.hasMatch());
    QFile script(testpaths::source(QStringLiteral("scripts/run-demo.sh")));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(script.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("@Server=%1;").arg(found.captured(1)), Qt::CaseInsensitive)) << found.captured(1).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("@DbName=%1;").arg(found.captured(2)), Qt::CaseInsensitive)) << found.captured(2).toStdString();
    EXPECT_TRUE(logsIn(found.captured(3), found.captured(4))) << found.captured(3).toStdString();
}

// Every folder or file the README's layout table names is there.
TEST(Readme, LayoutTableNamesWhatExists)
{
    const QString text = readme();
    const qsizetype start = text.indexOf(QStringLiteral("\n## Layout"));
    ASSERT_GE(start, 0);
    const QString table = text.mid(start, text.indexOf(QStringLiteral("\n## "), start + 1) - start);
    const QRegularExpression firstCell(QStringLiteral("(?m)^\\| ([^|]+) \\|"));
    int named = 0;
    for (auto rows = firstCell.globalMatch(table); rows.hasNext();) {
        const QString cell = rows.next().captured(1);
        for (auto names = QRegularExpression(QStringLiteral("`([^`<]+)`")).globalMatch(cell); names.hasNext();) {
            const QString name = names.next().captured(1);
            ++named;
            EXPECT_TRUE(QFileInfo::exists(testpaths::source(name))) << name.toStdString();
        }
    }
    EXPECT_GT(named, 10);
}

TEST(DemoSettings, GeneratorEncodesTheSettingsFileValuesReversibly)
{
    // The run script writes these into the settings file, which the program decodes.
    for (const QString &text : {QStringLiteral("admin"), QStringLiteral("ADMIN"), QStringLiteral("clave con 'comillas' y ñ")}) {
        const QString stored = encodedByGenerator(text);
        EXPECT_FALSE(stored.contains(QLatin1Char('|')) || stored.contains(QLatin1Char(' '))) << stored.toStdString();
        EXPECT_EQ(kit::Utilidades().Decodificar(stored), text) << stored.toStdString();
    }
}
