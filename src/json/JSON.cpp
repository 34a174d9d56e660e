#include "json/JSON.h"

#include "json/JsonReader.h"

namespace json {

namespace {
thread_local QString lastErrors;
}

vb::ObjectPtr ParseJson(const QString& text)
{
    JsonReader reader(text);
    vb::ObjectPtr result = reader.read();
    lastErrors = reader.errors();
    return result;
}

QString JsonParserErrors()
{
    return lastErrors;
}

} // namespace json
