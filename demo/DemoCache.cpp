#include "DemoCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace demo {

namespace {

QString shortHash(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

DemoCache::DemoCache(QString root)
    : m_root(std::move(root))
{
}

QString DemoCache::defaultRoot()
{
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    return QDir::tempPath() + QStringLiteral("/rpq-demo-cache-") + user;
}

// One folder per executable path: its entries are the builds of that executable.
QString DemoCache::executableFolder() const
{
    return m_root + u'/' + shortHash(QCoreApplication::applicationFilePath());
}

// Names this build of the executable; empty when there is no application object to ask.
QString DemoCache::executableStamp()
{
    if (!QCoreApplication::instance())
        return {};
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    if (!executable.exists())
        return {};
    return shortHash(executable.filePath() + u'|' + QString::number(executable.size()) + u'|'
                     + QString::number(executable.lastModified().toMSecsSinceEpoch()));
}

QString DemoCache::entryName(const QString& stamp, const DemoGenerator::Options& options)
{
    return stamp + u'-' + options.database + u'-' + QString::number(options.size) + u'-' + QString::number(options.seed)
           + u'-' + QString::number(options.articles);
}

DemoCache::Outcome DemoCache::fill(const QString& folder, DemoGenerator::Options options) const
{
    const QString stamp = executableStamp();
    bool built = false;
    if (!stamp.isEmpty()) {
        const QString entry = executableFolder() + u'/' + entryName(stamp, options);
        if (ensureEntry(entry, stamp, options, built) && copyEntry(entry, folder))
            return built ? Outcome::Built : Outcome::Copied;
    }
    options.folder = folder;
    DemoGenerator(options).run();
    return Outcome::BuiltWithoutCache;
}

// True when the entry is there to copy: built by an earlier process, or now by this one (built
// says so), under the entry's lock so that the processes that need it at once build it once.
bool DemoCache::ensureEntry(const QString& entry, const QString& stamp, const DemoGenerator::Options& options, bool& built)
{
    const QString group = QFileInfo(entry).path();
    if (!QDir().mkpath(group) || !nameExecutable(group))
        return false;
    QLockFile lock(entry + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);   // only a dead holder frees it: a slow build is not a stale one
    if (!lock.lock())
        return false;
    if (QFileInfo::exists(entry))
        return true;
    removeOtherBuilds(group, stamp);
    removeGroupsOfRemovedExecutables(QFileInfo(group).path());
    built = buildEntry(group + u'/' + stamp, entry, options);
    return built;
}

// The entries of other builds of this executable are of no further use.
void DemoCache::removeOtherBuilds(const QString& folder, const QString& stamp)
{
    const QDir group(folder);
    for (const QString& name : group.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!name.startsWith(stamp))
            QDir(group.filePath(name)).removeRecursively();
    for (const QString& name : group.entryList({QStringLiteral("*.lock")}, QDir::Files))
        if (!name.startsWith(stamp))
            QFile::remove(group.filePath(name));
}

// The group says which executable it belongs to, for the clean-up below.
bool DemoCache::nameExecutable(const QString& group)
{
    QFile name(group + QStringLiteral("/executable"));
    if (name.exists())
        return true;
    return name.open(QIODevice::WriteOnly) && name.write(QFile::encodeName(QCoreApplication::applicationFilePath())) > 0;
}

// A build folder or clone that is gone leaves its executables' groups behind; a group whose
// executable no longer exists can serve no one. One that names none yet is left alone: its
// process may be about to name it.
void DemoCache::removeGroupsOfRemovedExecutables(const QString& root)
{
    const QDir folder(root);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile executable(folder.filePath(name) + QStringLiteral("/executable"));
        if (!executable.open(QIODevice::ReadOnly))
            continue;
        const QString path = QFile::decodeName(executable.readAll());
        if (!path.isEmpty() && !QFileInfo::exists(path))
            QDir(folder.filePath(name)).removeRecursively();
    }
}

// Built aside and renamed, so that an entry is either complete or missing. The folder aside
// starts with the build's stamp (prefix), so that no process of the same build takes it for an
// older build's and removes it while another entry is being built.
bool DemoCache::buildEntry(const QString& prefix, const QString& entry, DemoGenerator::Options options)
{
    QTemporaryDir aside(prefix + QStringLiteral("-partial-XXXXXX"));
    if (!aside.isValid())
        return false;
    options.folder = aside.path();
    DemoGenerator(options).run();
    if (!QDir().rename(aside.path(), entry))
        return false;
    aside.setAutoRemove(false);
    return true;
}

bool DemoCache::copyEntry(const QString& entry, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QDir from(entry);
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = QDir(folder).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(from.filePath(name), target))
            return false;
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

} // namespace demo
