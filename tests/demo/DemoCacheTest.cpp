// The demo databases a test executable's processes share: built once, copied after, each copy
// the test's own, and the same rows as a database built apart.
#include "DemoCache.h"
#include "DemoGenerator.h"
#include "TableDigest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = demo::DemoCache::Outcome;

class DemoCacheTest : public ::testing::Test
{
protected:
    DemoCacheTest()
    {
        options.size = 12;
        options.seed = 3;
    }

    QString root() const { return m_root.path() + QStringLiteral("/cache"); }
    // A new empty folder for one fill.
    QString folder()
    {
        const QString path = m_work.path() + QStringLiteral("/f") + QString::number(++m_folders);
        QDir().mkpath(path);
        return path;
    }
    QString suite(const QString& folder) const { return demo::DemoGenerator::databasePath(folder, options.database); }
    QByteArray documents(const QString& folder) const
    {
        return TableDigest(suite(folder)).digest(QStringLiteral("C_MV_CPTE"));
    }
    QString documentCount(const QString& folder) const
    {
        return TableDigest(suite(folder)).column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE")).value(0);
    }

    demo::DemoGenerator::Options options;
    QTemporaryDir emptyFolder;   // a folder without the executable a planted group names

private:
    QTemporaryDir m_root;
    QTemporaryDir m_work;
    int m_folders = 0;
};

} // namespace

TEST_F(DemoCacheTest, TheFirstFillBuildsTheNextCopyAndBothHoldWhatTheGeneratorBuildsApart)
{
    const demo::DemoCache cache(root());
    const QString first = folder();
    const QString second = folder();
    EXPECT_EQ(cache.fill(first, options), Outcome::Built);
    EXPECT_EQ(cache.fill(second, options), Outcome::Copied);

    demo::DemoGenerator::Options apart = options;
    apart.folder = folder();
    demo::DemoGenerator(apart).run();
    ASSERT_EQ(documentCount(second), QStringLiteral("12"));
    EXPECT_EQ(documents(first), documents(apart.folder));
    EXPECT_EQ(documents(second), documents(apart.folder));
    EXPECT_TRUE(QFile::exists(demo::DemoGenerator::databasePath(second, demo::DemoGenerator::statisticsDatabase())));
}

TEST_F(DemoCacheTest, ATestThatWritesItsCopyLeavesTheNextCopyAsBuilt)
{
    const demo::DemoCache cache(root());
    const QString written = folder();
    cache.fill(written, options);
    const QByteArray before = documents(written);
    {
        QFile file(suite(written));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    const QString next = folder();
    EXPECT_EQ(cache.fill(next, options), Outcome::Copied);
    EXPECT_EQ(documents(next), before);
    EXPECT_TRUE(QFileInfo(suite(next)).isWritable());
}

TEST_F(DemoCacheTest, AnotherSeedOrSizeIsAnotherDatabase)
{
    const demo::DemoCache cache(root());
    const QString first = folder();
    cache.fill(first, options);
    demo::DemoGenerator::Options other = options;
    other.seed = 4;
    const QString reseeded = folder();
    EXPECT_EQ(cache.fill(reseeded, other), Outcome::Built);
    EXPECT_NE(documents(reseeded), documents(first));
    other = options;
    other.size = 13;
    const QString larger = folder();
    EXPECT_EQ(cache.fill(larger, other), Outcome::Built);
    EXPECT_EQ(documentCount(larger), QStringLiteral("13"));
}

TEST_F(DemoCacheTest, TheFirstFillOfANewBuildRemovesTheOlderBuildsEntries)
{
    const demo::DemoCache cache(root());
    cache.fill(folder(), options);
    const QStringList groups = QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(groups.size(), 1);
    const QDir group(QDir(root()).filePath(groups.first()));
    const QString older = group.filePath(QStringLiteral("0123456789abcdef-DEMO-12-3-0"));
    ASSERT_TRUE(QDir().mkpath(older));
    ASSERT_TRUE(QFile(older + QStringLiteral(".lock")).open(QIODevice::WriteOnly));

    options.seed = 5;
    EXPECT_EQ(cache.fill(folder(), options), Outcome::Built);
    EXPECT_FALSE(QFileInfo::exists(older));
    EXPECT_FALSE(QFileInfo::exists(older + QStringLiteral(".lock")));
    EXPECT_EQ(group.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(DemoCacheTest, ACacheThatCannotBeMadeStillGivesTheDatabase)
{
    QFile blocker(root());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));   // a file where the cache folder would go
    blocker.close();
    const QString target = folder();
    EXPECT_EQ(demo::DemoCache(root()).fill(target, options), Outcome::BuiltWithoutCache);
    EXPECT_EQ(documentCount(target), QStringLiteral("12"));
}

TEST_F(DemoCacheTest, AGroupWhoseExecutableIsGoneIsRemovedAndOthersStay)
{
    const auto plant = [this](const QString& name, const QString& executable) {
        const QString group = root() + u'/' + name;
        QDir().mkpath(group + QStringLiteral("/0123456789abcdef-DEMO-12-3-0"));
        QFile file(group + QStringLiteral("/executable"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QFile::encodeName(executable)) > 0);
        return group;
    };
    const QString gone = plant(QStringLiteral("feedfeedfeedfeed"), emptyFolder.path() + QStringLiteral("/tests_gone"));
    const QString alive = plant(QStringLiteral("abababababababab"), QCoreApplication::applicationFilePath());
    const QString unnamed = root() + QStringLiteral("/cdcdcdcdcdcdcdcd");
    QDir().mkpath(unnamed);

    EXPECT_EQ(demo::DemoCache(root()).fill(folder(), options), Outcome::Built);
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_TRUE(QFileInfo::exists(alive + QStringLiteral("/0123456789abcdef-DEMO-12-3-0")));
    EXPECT_TRUE(QFileInfo::exists(unnamed));
}
