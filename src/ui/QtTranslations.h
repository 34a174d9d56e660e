#pragma once

#include "QtCatalogueGaps.h"

#include <QLocale>
#include <QTranslator>

namespace ui {

// Qt's own windows (file and print dialogs, the buttons of its standard boxes) speak the
// program's language while this object lives: Qt's Spanish catalogue when the system holds
// it, the texts that catalogue lacks, and Argentine Spanish as the default locale, which
// gives those windows their dates and the names of file types. Without the catalogue the
// windows stay in English and the program goes on. Made once the application object exists.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    bool catalogueFound() const { return m_installed; }

private:
    QLocale m_previousLocale;
    QTranslator m_catalogue;
    QtCatalogueGaps m_gaps;
    bool m_installed = false;
};

} // namespace ui
