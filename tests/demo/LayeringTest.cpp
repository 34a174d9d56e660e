// The libraries' layering, as docs/architecture.md draws it: a file of src/<folder> includes
// headers of its own folder and of the libraries its CMakeLists.txt declares only, and no
// declared library uses, directly or through others, the one that declares it.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral(RPQ_SOURCE_DIR "/src");

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Folder -> the project libraries its CMakeLists.txt lists after DEPENDS (rpq_x -> x).
QMap<QString, QSet<QString>> declaredUses()
{
    QMap<QString, QSet<QString>> uses;
    const QRegularExpression library(QStringLiteral("rpq_library\\(rpq_(\\w+)[^)]*DEPENDS([^)]*)\\)"));
    const QRegularExpression name(QStringLiteral("\\brpq_(\\w+)"));
    for (const QString& folder : QDir(kSource).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString text = readAll(kSource + u'/' + folder + QStringLiteral("/CMakeLists.txt"));
        for (auto found = library.globalMatch(text); found.hasNext();) {
            const auto m = found.next();
            if (m.captured(1) != folder)
                continue;
            QSet<QString>& mine = uses[folder];
            for (auto dep = name.globalMatch(m.captured(2)); dep.hasNext();)
                mine.insert(dep.next().captured(1));
        }
    }
    return uses;
}

// Every project folder a file of the folder includes a header from.
QMap<QString, QSet<QString>> includedFolders(const QStringList& folders)
{
    QMap<QString, QSet<QString>> included;
    const QRegularExpression include(QStringLiteral("(?m)^#include \"(\\w+)/"));
    for (const QString& folder : folders) {
        QDirIterator files(kSource + u'/' + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString text = readAll(files.next());
            for (auto found = include.globalMatch(text); found.hasNext();) {
                const QString target = found.next().captured(1);
                if (target != folder && folders.contains(target))
                    included[folder].insert(target + QStringLiteral(" (") + QDir(kSource).relativeFilePath(files.filePath()) + u')');
            }
        }
    }
    return included;
}

bool reaches(const QMap<QString, QSet<QString>>& uses, const QString& from, const QString& to, QSet<QString>& seen)
{
    for (const QString& next : uses.value(from)) {
        if (next == to)
            return true;
        if (!seen.contains(next) && (seen.insert(next), reaches(uses, next, to, seen)))
            return true;
    }
    return false;
}

} // namespace

TEST(Layering, EachLibraryIncludesOnlyWhatItDeclaresAndNoDeclarationRunsInACircle)
{
    const QMap<QString, QSet<QString>> uses = declaredUses();
    ASSERT_GE(uses.size(), 12);   // vb, ui, ado, json, kit, reportengine, data, app, commandbar, codebox, lookup, reports
    EXPECT_TRUE(uses.value(QStringLiteral("kit")).contains(QStringLiteral("vb")));
    EXPECT_FALSE(uses.value(QStringLiteral("kit")).contains(QStringLiteral("reportengine")));

    const QMap<QString, QSet<QString>> included = includedFolders(uses.keys());
    for (auto it = included.cbegin(); it != included.cend(); ++it)
        for (const QString& use : it.value()) {
            const QString target = use.section(u' ', 0, 0);
            EXPECT_TRUE(uses.value(it.key()).contains(target)) << it.key().toStdString() << " includes " << use.toStdString()
                                                              << " without declaring it";
        }
    for (const QString& folder : uses.keys()) {
        QSet<QString> seen;
        EXPECT_FALSE(reaches(uses, folder, folder, seen)) << folder.toStdString() << " uses itself through others";
    }
}
