#pragma once
// What both bars learn about who runs them, on which database and with which look: the INI
// file "vu000va.ini" in the program's folder, the environment and the command line.

#include <QString>

namespace commandbar {

class ModUtilKorBar {
public:
    static inline const QString IniFile = QStringLiteral("vu000va.ini");

    static QString NormalizeFolder(const QString& path);
    static QString CurrentUserName();
    static QString CurrentDbName();
    static QString WorkstationName();
    // The value of "key=value" on the command line, the key matched as a whole key only: at the
    // start of the line or after a ";".
    static QString CommandLineValue(const QString& key);
    static QString IniFilePath(const QString& file);
    // Private-profile read: a missing file, section or key, or an empty value, gives the default.
    static QString ReadIni(const QString& file, const QString& section, const QString& key,
                           const QString& defaultValue);
    static int ReadStyleNumber(const QString& file, const QString& section);
    static QString ScanStylesSection(const QString& file);
    static QString FindStyleKey(const QString& file, const QString& user, const QString& db);
    static int ResolveBarStyle(const QString& user, const QString& db);
    static int StyleToTheme(int skin);

    // The caption font of the user and database context, "Segoe UI" when none is set.
    static QString CaptionFontName();
    // The icon folder the saved bars load with: "img_menu" under "PathSistema", else under the
    // program's folder.
    static QString IniImageFolder();

private:
    static QString firstVariable(const QStringList& names);
    static int wholeKeyPosition(const QString& upperLine, const QString& key);
    static double numericValue(const QString& text);
};

} // namespace commandbar
