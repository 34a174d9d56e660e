#include "commandbar/IconLocator.h"
#include "commandbar/BarItem.h"
#include "commandbar/BarEnvironment.h"
#include "commandbar/BarText.h"
#include "commandbar/ModUtilKorBar.h"

#include "vb/Files.h"

#include <QFileInfo>

namespace commandbar {

QString IconLocator::WithTrailingBackslash(const QString& path)
{
    return ModUtilKorBar::NormalizeFolder(path);
}

bool IconLocator::FolderExists(const QString& path)
{
    const QString f = WithTrailingBackslash(path);
    return !f.isEmpty() && QFileInfo(vb::resolvePath(f)).isDir();
}

bool IconLocator::FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(vb::resolvePath(path)).isFile();
}

// Subfolders first, then the folder itself; empty when none exists.
QString IconLocator::firstExisting(const QString& base)
{
    for (const char* sub : {"img_menu", "imagenes/img_menu", "images/img_menu"}) {
        const QString candidate = base + QLatin1String(sub);
        if (FolderExists(candidate))
            return WithTrailingBackslash(candidate);
    }
    return !base.isEmpty() && FolderExists(base) ? base : QString();
}

QString IconLocator::ResolveIconFolder(const QString& imageFolder, const QString& hostFolder)
{
    if (FolderExists(imageFolder))
        return WithTrailingBackslash(imageFolder);
    const QString host = ModUtilKorBar::NormalizeFolder(hostFolder);
    QString found = firstExisting(host);
    if (!found.isEmpty())
        return found;
    const QString program = ModUtilKorBar::NormalizeFolder(BarEnvironment::instance().programFolder());
    found = firstExisting(program);
    return found.isEmpty() ? program + QStringLiteral("img_menu/") : found;
}

QString IconLocator::IconFilePath(const QString& folder, const QString& key)
{
    if (folder.isEmpty() || key.isEmpty())
        return {};
    const QString p = folder + key + QStringLiteral(".png");
    return FileExists(p) ? p : QString();
}

QString IconLocator::StateIconFilePath(const QString& folder, const QString& key, const QString& state)
{
    if (folder.isEmpty() || key.isEmpty() || state.isEmpty())
        return {};
    const QString p = folder + key + u'_' + state.toLower() + QStringLiteral(".png");
    return FileExists(p) ? p : QString();
}

QString IconLocator::StateIconFile(const BarItem& item, bool barEnabled, bool hot)
{
    const bool usable = item.Enabled && barEnabled;
    if (!item.IconDisFile.isEmpty() && !usable)
        return item.IconDisFile;
    if (!item.IconOverFile.isEmpty() && usable && hot)
        return item.IconOverFile;
    return item.IconFile;
}

} // namespace commandbar
