#include "kit/MessageText.h"
#include <algorithm>

namespace kit {

namespace {

// The text whole when it fits width; otherwise its start and its end with gap between them,
// width characters in all, never half of a character written as two UTF-16 units.
QString startAndEnd(const QString& text, qsizetype width, const QString& gap)
{
    if (text.size() <= width)
        return text;
    qsizetype head = (width - gap.size()) / 2;
    qsizetype tail = width - gap.size() - head;
    if (text.at(head).isLowSurrogate())
        --head;
    if (text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.left(head) + gap + text.right(tail);
}

} // namespace

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

QString pathText(const QString& path)
{
    return startAndEnd(path, 120, QStringLiteral("..."));
}

QString boundedMessage(const QString& message)
{
    return startAndEnd(message, MaxMessage, QStringLiteral(" ... "));
}

} // namespace kit
