#pragma once
// Demo databases kept between the processes of one executable. CTest runs every test in a
// process of its own, and each of them building the same small demo database again took most of
// the suite's processor time (far more under the sanitizers); now the first process to need a
// database builds it once into the cache, and the others copy it.
//
// An entry belongs to one build of one executable (its path, size and modification time), so a
// rebuilt executable never copies what an older generator wrote, and its first use removes the
// older build's entries (and the groups of executables that are gone, e.g. with a removed
// clone). Entries appear complete or not at all (built aside, then renamed), and
// one process builds a given entry while the others wait on its lock.

#include "DemoGenerator.h"

#include <QString>

namespace demo {

class DemoCache
{
public:
    enum class Outcome { Copied, Built, BuiltWithoutCache };

    // root: the folder that holds the cache (made when missing).
    explicit DemoCache(QString root = defaultRoot());

    // Fills folder with the databases options describes (options.folder is ignored): copied
    // from the cache when this executable built them before, else built into the cache and
    // copied. Where the cache cannot be used (no application object to name the executable, a
    // root that cannot be written) they are built straight into folder.
    Outcome fill(const QString& folder, DemoGenerator::Options options) const;

    // A folder of the system's temporary folder, one per user.
    static QString defaultRoot();

private:
    QString executableFolder() const;
    static QString executableStamp();
    static QString entryName(const QString& stamp, const DemoGenerator::Options& options);
    static bool ensureEntry(const QString& entry, const QString& stamp, const DemoGenerator::Options& options, bool& built);
    static void removeOtherBuilds(const QString& folder, const QString& stamp);
    static bool nameExecutable(const QString& group);
    static void removeGroupsOfRemovedExecutables(const QString& root);
    static bool buildEntry(const QString& prefix, const QString& entry, DemoGenerator::Options options);
    static bool copyEntry(const QString& entry, const QString& folder);

    QString m_root;
};

} // namespace demo
