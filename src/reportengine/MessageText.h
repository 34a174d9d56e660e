#pragma once
// Parts of texts for the operator's messages, so that a message does not grow with the formula,
// name or statement it quotes.

#include <QString>

namespace reportengine {

// About `width` characters of text round `position` (counted from 1), with "..." where the text
// was cut. A text that fits is given whole.
QString textAround(const QString& text, qsizetype position, qsizetype width = 60);

} // namespace reportengine
