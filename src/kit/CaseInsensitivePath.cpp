#include "kit/CaseInsensitivePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kit {

QString CaseInsensitivePath::withSlashes(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString CaseInsensitivePath::matchEntry(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString CaseInsensitivePath::resolve(const QString& path)
{
    const QString p = withSlashes(path);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;

    const bool absolute = p.startsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    bool onDisk = true;                               // once a component is missing, the rest cannot match
    for (const QString& part : parts) {
        QString name = part;
        if (onDisk && part != u"." && part != u"..") {
            const QString folder = current.isEmpty() ? QStringLiteral(".") : current;
            name = matchEntry(folder, part);
        }
        if (!current.isEmpty() && !current.endsWith(u'/'))
            current += u'/';
        current += name;
        onDisk = onDisk && QFileInfo::exists(current);
    }
    if (p.endsWith(u'/') && !current.endsWith(u'/'))
        current += u'/';
    return current;
}

} // namespace kit
