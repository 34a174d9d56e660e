#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

QTranslator* translateQtWindows(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    // Argentine Spanish first, then the general Spanish catalogue Debian ships.
    const bool found = translator->load(QLocale(QLocale::Spanish, QLocale::Argentina),
                                        QStringLiteral("qtbase"), QStringLiteral("_"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!found || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace ui
