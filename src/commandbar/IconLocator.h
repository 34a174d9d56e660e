#pragma once
// Where a bar finds its icon files and which file an item shows in its present state.
// Names are KEY.png, KEY_over.png and KEY_dis.png in the icon folder.

#include <QString>

namespace commandbar {

struct BarItem;

class IconLocator {
public:
    // Trimmed; empty stays empty; a separator is appended unless there is one ("\" or "/").
    static QString WithTrailingBackslash(const QString& path);
    static bool FolderExists(const QString& path);
    static bool FileExists(const QString& path);
    // The first existing of: the bar's image folder; img_menu, imagenes/img_menu and
    // images/img_menu under the host's folder, then that folder; the same under the program's
    // folder, then that folder; and failing all, img_menu under the program's folder.
    static QString ResolveIconFolder(const QString& imageFolder, const QString& hostFolder);
    static QString IconFilePath(const QString& folder, const QString& key);
    static QString StateIconFilePath(const QString& folder, const QString& key, const QString& state);
    // The file an item shows: its disabled picture when not usable, its hover picture when
    // hovered or active, else its normal one.
    static QString StateIconFile(const BarItem& item, bool barEnabled, bool hot);

private:
    static QString firstExisting(const QString& base);
};

} // namespace commandbar
