#include "QtCatalogueGaps.h"

#include <QHash>
#include <QLatin1String>

namespace ui {

namespace {

using Key = std::pair<QLatin1String, QLatin1String>;   // context, source text

const QHash<Key, QString>& gaps()
{
    static const QHash<Key, QString> table = {
        {{QLatin1String("QAbstractFileIconProvider"), QLatin1String("Folder")}, QStringLiteral("Carpeta")},
        {{QLatin1String("QAbstractFileIconProvider"), QLatin1String("Drive")}, QStringLiteral("Unidad")},
        {{QLatin1String("QAbstractFileIconProvider"), QLatin1String("Shortcut")}, QStringLiteral("Acceso directo")},
        {{QLatin1String("QPrintSettingsOutput"), QLatin1String("Double Sided Printing")}, QStringLiteral("Impresión a doble cara")},
        {{QLatin1String("QPrintSettingsOutput"), QLatin1String("Off")}, QStringLiteral("No")},
        {{QLatin1String("QPrintSettingsOutput"), QLatin1String("Long side binding")},
         QStringLiteral("Encuadernado por el lado largo")},
        {{QLatin1String("QPrintSettingsOutput"), QLatin1String("Short side binding")},
         QStringLiteral("Encuadernado por el lado corto")},
        {{QLatin1String("QPrintSettingsOutput"), QLatin1String("Pages")}, QStringLiteral("Páginas")},
        {{QLatin1String("QPrintSettingsOutput"),
          QLatin1String("Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
                        "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.")},
         QStringLiteral("Indique páginas o intervalos separados por comas; un intervalo son dos números unidos por "
                        "un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.")},
    };
    return table;
}

} // namespace

QString QtCatalogueGaps::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return {};
    return gaps().value(Key(QLatin1String(context), QLatin1String(sourceText)));
}

} // namespace ui
