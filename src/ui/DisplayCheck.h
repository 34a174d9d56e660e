#pragma once
// Before the application object is created: Qt ends the process on its own when it finds no
// display, or one that does not answer, with a line that does not say what to do. This tells
// the person starting the program how to run it instead.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace ui {

class DisplayCheck {
public:
    // Whether an X display of that name, or the Wayland socket at that path, accepts a
    // connection from this process.
    using DisplayProbe = std::function<bool(const QString& display)>;

    // Empty when windows can be shown: an X display or a Wayland display is named that answers
    // its probe, or a Qt platform is chosen (QT_QPA_PLATFORM or the "-platform" argument).
    // Otherwise the text to print, which names the program (and each display that does not
    // answer) and says how to run it under a virtual display (xvfb-run).
    static QString missingDisplayMessage(const QProcessEnvironment& environment, const QStringList& arguments,
                                         const DisplayProbe& answers = xDisplayAnswers,
                                         const DisplayProbe& waylandAnswers = waylandSocketAnswers);

    // Connects to the X display and lets go at once. True as well when the X client library
    // cannot be loaded: Qt then says itself what is missing.
    static bool xDisplayAnswers(const QString& display);

    // The socket WAYLAND_DISPLAY names: itself when absolute, else in XDG_RUNTIME_DIR.
    static QString waylandSocket(const QProcessEnvironment& environment);
    // Connects to the compositor's socket and lets go at once.
    static bool waylandSocketAnswers(const QString& socketPath);

    // The check on this process's environment and command line; the message goes to the
    // standard error stream. False when there is no display.
    static bool available(int argc, char** argv);
};

} // namespace ui
