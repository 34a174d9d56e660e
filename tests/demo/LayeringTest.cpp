// The libraries' layering, as docs/architecture.md draws it: a file of src/<folder> includes
// headers (with quotes or angle brackets) of its own folder and of the libraries its
// CMakeLists.txt declares only; every declared library stands on a lower level of the page's
// level table, so no library uses, directly or through others, the one that declares it; and the
// page's table of uses says what the CMakeLists.txt files declare.
#include "support/TestPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kSource = testpaths::source(QStringLiteral("src"));
const QString kArchitecture = testpaths::source(QStringLiteral("docs/architecture.md"));

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
    const QRegularExpression include(QStringLiteral("(?m)^\\s*#\\s*include\\s*[\"<](\\w+)/"));
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

// The page's table rows "| <first cell> | <second cell> | ...": first cell -> second cell.
QMap<QString, QString> tableRows(const QString& header)
{
    QMap<QString, QString> rows;
    const QString text = readAll(kArchitecture);
    const qsizetype start = text.indexOf(header);
    if (start < 0)
        return rows;
    const QStringList lines = text.mid(start).split(u'\n');
    for (qsizetype i = 2; i < lines.size() && lines[i].startsWith(u'|'); ++i) {
        const QStringList cells = lines[i].split(u'|');
        if (cells.size() >= 3)
            rows.insert(cells[1].trimmed(), cells[2].trimmed());
    }
    return rows;
}

// The project's library names a cell of the table of uses lists ("vb, ui, Qt PrintSupport").
QStringList libraryNames(const QString& cell, const QSet<QString>& known)
{
    QStringList names;
    const QRegularExpression word(QStringLiteral("\\b(\\w+)\\b"));
    for (auto found = word.globalMatch(cell); found.hasNext();) {
        const QString name = found.next().captured(1);
        if (known.contains(name))
            names << name;
    }
    return names;
}

// Library -> its level in the page's level table ("| 3 | `data`, `reportengine`, ... |").
QMap<QString, int> levels(const QSet<QString>& known)
{
    QMap<QString, int> level;
    const QMap<QString, QString> rows = tableRows(QStringLiteral("| level | libraries |"));
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        bool number = false;
        const int value = row.key().toInt(&number);
        if (!number)
            continue;
        const QRegularExpression quoted(QStringLiteral("`(\\w+)`"));
        for (auto found = quoted.globalMatch(row.value()); found.hasNext();) {
            const QString name = found.next().captured(1);
            if (known.contains(name))
                level.insert(name, value);
        }
    }
    return level;
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

TEST(Layering, EveryDeclaredLibraryStandsOnALowerLevelOfTheArchitecturePage)
{
    const QMap<QString, QSet<QString>> uses = declaredUses();
    const QSet<QString> libraries(uses.keyBegin(), uses.keyEnd());
    const QMap<QString, int> level = levels(libraries);
    for (const QString& library : libraries)
        ASSERT_TRUE(level.contains(library)) << library.toStdString() << " has no level on the architecture page";
    EXPECT_EQ(level.value(QStringLiteral("vb")), 0);
    EXPECT_LT(level.value(QStringLiteral("app")), level.value(QStringLiteral("lookup")));
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        for (const QString& used : it.value())
            EXPECT_LT(level.value(used), level.value(it.key()))
                << it.key().toStdString() << " (level " << level.value(it.key()) << ") uses " << used.toStdString() << " (level "
                << level.value(used) << ")";
}

TEST(Layering, TheArchitecturePagesTableOfUsesSaysWhatEachLibraryDeclares)
{
    const QMap<QString, QSet<QString>> uses = declaredUses();
    const QSet<QString> libraries(uses.keyBegin(), uses.keyEnd());
    const QMap<QString, QString> rows = tableRows(QStringLiteral("| library | uses | role |"));
    for (const QString& library : libraries) {
        const QString key = u'`' + library + u'`';
        ASSERT_TRUE(rows.contains(key)) << library.toStdString() << " has no row in the table of uses";
        const QStringList written = libraryNames(rows.value(key), libraries);
        EXPECT_EQ(QSet<QString>(written.cbegin(), written.cend()), uses.value(library))
            << library.toStdString() << ": the page says " << written.join(u',').toStdString();
    }
}
