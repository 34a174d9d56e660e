#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

QtTranslations::QtTranslations()
{
    const QLocale argentine(QLocale::Spanish, QLocale::Argentina);
    QLocale::setDefault(argentine);
    // Argentine Spanish first, then the general Spanish catalogue Debian ships.
    m_installed = m_catalogue.load(argentine, QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))
               && QCoreApplication::installTranslator(&m_catalogue);
    // Installed last, asked first; it answers only for the texts the catalogue lacks.
    if (m_installed)
        QCoreApplication::installTranslator(&m_gaps);
}

QtTranslations::~QtTranslations()
{
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_gaps);
        QCoreApplication::removeTranslator(&m_catalogue);
    }
    QLocale::setDefault(m_previousLocale);
}

} // namespace ui
