#pragma once
// A freedesktop launcher (.desktop file) that starts the program with a parameter line, the
// Linux counterpart of a Windows desktop shortcut.

#include <QString>

namespace data {

class DesktopShortcut {
public:
    // The user's desktop folder; tests point it elsewhere ("" restores the real one).
    static QString desktopFolder();
    static void setDesktopFolder(const QString& folder);

    // The parameter line hands over server, database and user; the password is never written.
    static QString parameterLine(const QString& server, const QString& database, const QString& user);
    // Exec value: the program and the whole parameter line as one argument, quoted and escaped
    // by the desktop-entry rules, so the started program sees the line unchanged.
    static QString execValue(const QString& program, const QString& parameterLine);
    static QString fileText(const QString& title, const QString& program, const QString& parameterLine);

    // Writes the launcher and makes it executable, as desktops require before they trust it.
    // Raises vb::Error 75 when it cannot be written.
    static void write(const QString& path, const QString& title, const QString& program, const QString& parameterLine);

private:
    static QString quotedArgument(const QString& argument);
    static QString escapedValue(const QString& value);
};

} // namespace data
