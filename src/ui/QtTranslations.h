#pragma once

class QCoreApplication;
class QTranslator;

namespace ui {

// Qt's own windows (file and print dialogs, the buttons of its standard boxes) speak the
// program's language, Spanish, when the system holds Qt's Spanish catalogue. Returns the
// installed translator (owned by the application), or nullptr when the catalogue is missing:
// those windows then stay in English and the program goes on.
QTranslator* translateQtWindows(QCoreApplication& application);

} // namespace ui
