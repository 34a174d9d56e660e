#pragma once
// The settings of a bar that its properties read and write and that persist with the host.

#include "commandbar/ColorStyle.h"

#include <QString>

namespace commandbar {

struct BarSettings {
    bool showCaptions = true;
    bool horizontal = false;
    bool autoOrientation = true;
    float itemHeight = 840;
    float itemGap = 120;
    float topOffset = 10;
    float groupGap = 0;
    QString groupBreakKey;           // trimmed, upper case
    float iconSize = 630;            // twips
    int iconPx = 42;
    QString imageFolder;
    bool debugMode = false;
    QString contextUserName;
    QString contextDbName;
    bool estiloTervo = false;
    int style = ColorStyle::DefaultStyle;
    BarColors colors = ColorStyle::preset(ColorStyle::DefaultStyle);
    bool enabled = true;
    bool impresoraCheckable = false;
    bool impresoraChecked = false;
    bool compartirCheckable = false;
    bool compartirChecked = false;
    bool mensajesVisible = false;
    bool mensajeEnabled = false;
};

} // namespace commandbar
