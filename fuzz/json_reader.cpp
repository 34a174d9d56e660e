// The JSON reader: any text ends with a document, an error text, or both.
#include "FuzzSupport.h"

#include "json/JSON.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vb::ObjectPtr document = json::ParseJson(fuzz::text(data, size));
    const QString errors = json::JsonParserErrors();
    if (!document && errors.isEmpty())
        qFatal("the reader gave neither a document nor an error");
    return 0;
}
