#pragma once
// The JSON module: reads a JSON text into Dictionary objects (for objects) and Collection
// objects (for arrays). It never raises; the caller checks JsonParserErrors() afterwards.

#include "vb/Variant.h"

#include <QString>

namespace json {

// The Dictionary or Collection of the top-level value, or null ("Nothing") when the text
// starts with neither "{" nor "[".
vb::ObjectPtr ParseJson(const QString& text);

// Problems met by the last ParseJson call on this thread, one line each; empty when none.
QString JsonParserErrors();

} // namespace json
