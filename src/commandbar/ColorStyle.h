#pragma once
// The five colour styles of the bars and the colour arithmetic their painting uses.
// Colours are RGB numbers as the suite stores them: red in the low byte.

#include <QColor>

namespace commandbar {

struct BarColors {
    long normalBack = 0;
    long activeBack = 0;
    long activeBar = 0;
};

class ColorStyle {
public:
    static constexpr int DefaultStyle = 2;

    static long rgb(int red, int green, int blue) { return long(red) + 256L * green + 65536L * blue; }
    static QColor toQColor(long color);
    static long fromQColor(const QColor& color) { return rgb(color.red(), color.green(), color.blue()); }

    // 1 to 5 as given, anything else is style 2.
    static int ClampStyle(int style);
    static BarColors preset(int style);
    // The compact dark look.
    static BarColors tervo();

    static int ClampByte(long n);
    static long ShiftColor(long color, int delta);
    static long SeparatorColor(long normalBack) { return ShiftColor(normalBack, 28); }

    // A skin number of the INI file (0 to 99) as a style: n + 1 for 0 to 4, else 2.
    static int fromSkinNumber(int skin);
};

} // namespace commandbar
