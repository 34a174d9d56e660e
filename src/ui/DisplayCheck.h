#pragma once
// Before the application object is created: Qt ends the process on its own when it finds no
// display, with a line that does not say what to do. This tells the person starting the
// program how to run it instead.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace ui {

class DisplayCheck {
public:
    // Empty when windows can be shown: an X or Wayland display is named, or a Qt platform is
    // chosen (QT_QPA_PLATFORM or the "-platform" argument). Otherwise the text to print, which
    // names the program and says how to run it under a virtual display (xvfb-run).
    static QString missingDisplayMessage(const QProcessEnvironment& environment, const QStringList& arguments);

    // The check on this process's environment and command line; the message goes to the
    // standard error stream. False when there is no display.
    static bool available(int argc, char** argv);
};

} // namespace ui
