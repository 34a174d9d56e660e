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

QString nameText(const QString& name)
{
    return textAround(name, 1);
}

QString boundedMessage(const QString& message)
{
    if (message.size() <= MaxMessage)
        return message;
    const QString gap = QStringLiteral(" ... ");
    qsizetype head = (MaxMessage - gap.size()) / 2;
    qsizetype tail = MaxMessage - gap.size() - head;
    // Never half of a character written as two UTF-16 units.
    if (message.at(head).isLowSurrogate())
        --head;
    if (message.at(message.size() - tail).isLowSurrogate())
        --tail;
    return message.left(head) + gap + message.right(tail);
}

} // namespace reportengine
