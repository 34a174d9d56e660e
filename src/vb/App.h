#pragma once
// The original's App object, Environ and Command$.

#include <QString>
#include <QStringList>

namespace vb {

class App {
public:
    // Records the program's arguments (Command$) and its executable's folder and name.
    static void init(int argc, char** argv);
    static QString path();                      // folder of the executable, no trailing "/"; tests set it
    static void setPath(const QString& folder);
    static QString exeName();                   // file name of the executable without extension
    static void setExeName(const QString& name);
    static QString title();                     // EXEName unless set
    static void setTitle(const QString& title);
    static int major();
    static int minor();
    static int revision();
    static void setVersion(int major, int minor, int revision);
    static bool prevInstance() { return false; }
    // The raw command-line text: the arguments after the program name joined with blanks.
    static QString commandLine();
    static void setCommandLine(const QString& text);
    static void setArguments(const QStringList& arguments);
};

QString Command();                              // Command$
QString Environ(const QString& name);           // "" when not set
QString Environ(int index);                     // "NAME=value", 1-based; "" past the end; error 5 below 1

} // namespace vb
