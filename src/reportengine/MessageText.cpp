#include "reportengine/MessageText.h"
#include <algorithm>

namespace reportengine {

QString textAround(const QString& text, qsizetype position, qsizetype width)
{
    if (text.size() <= width)
        return text;
    qsizetype start = std::clamp(position - 1 - width / 2, qsizetype(0), text.size() - width);
    qsizetype end = start + width;
    // Never half of a character written as two UTF-16 units.
    if (start > 0 && text.at(start).isLowSurrogate())
        ++start;
    if (end < text.size() && text.at(end).isLowSurrogate())
        --end;
    const QString dots = QStringLiteral("...");
    return (start > 0 ? dots : QString()) + text.mid(start, end - start) + (end < text.size() ? dots : QString());
}

} // namespace reportengine
