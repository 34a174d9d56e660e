#include "commandbar/ColorStyle.h"

namespace commandbar {

QColor ColorStyle::toQColor(long color)
{
    return QColor(int(color & 255), int((color >> 8) & 255), int((color >> 16) & 255));
}

int ColorStyle::ClampStyle(int style)
{
    return style >= 1 && style <= 5 ? style : DefaultStyle;
}

BarColors ColorStyle::preset(int style)
{
    switch (ClampStyle(style)) {
    case 1: return {rgb(96, 138, 204), rgb(20, 78, 170), rgb(170, 205, 245)};
    case 3: return {rgb(160, 155, 135), rgb(130, 125, 105), rgb(70, 70, 70)};
    case 4: return {rgb(135, 133, 150), rgb(105, 103, 125), rgb(35, 75, 150)};
    case 5: return {rgb(122, 122, 122), rgb(88, 88, 88), rgb(212, 212, 212)};
    default: return {rgb(42, 42, 42), rgb(59, 59, 59), rgb(204, 204, 204)};
    }
}

BarColors ColorStyle::tervo()
{
    return {rgb(52, 52, 52), rgb(74, 74, 74), rgb(255, 255, 255)};
}

int ColorStyle::ClampByte(long n)
{
    return n < 0 ? 0 : (n > 255 ? 255 : int(n));
}

long ColorStyle::ShiftColor(long color, int delta)
{
    const int red = ClampByte((color & 255) + delta);
    const int green = ClampByte(((color / 256) & 255) + delta);
    const int blue = ClampByte(((color / 65536) & 255) + delta);
    return rgb(red, green, blue);
}

int ColorStyle::fromSkinNumber(int skin)
{
    return skin >= 0 && skin <= 4 ? skin + 1 : DefaultStyle;
}

} // namespace commandbar
