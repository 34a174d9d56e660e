#pragma once
// Parts of texts for the operator's messages, so that a message does not grow with the formula,
// name or statement it quotes.

#include <QString>

namespace kit {

// About `width` characters of text round `position` (counted from 1), with "..." where the text
// was cut. A text that fits is given whole.
QString textAround(const QString& text, qsizetype position, qsizetype width = 60);

// A name or title as a message quotes it: its first 60 characters, "..." where it was cut.
QString nameText(const QString& name);

// A file path as a message quotes it: whole up to 120 characters, else its start and its end
// (where the file's name is) with "..." between them.
QString pathText(const QString& path);

// Messages stay under this many characters, whatever they quote or wrap.
constexpr qsizetype MaxMessage = 1900;

// The message whole when it fits MaxMessage; otherwise its start and its end, where the fault is
// said, with " ... " between them.
QString boundedMessage(const QString& message);

} // namespace kit
