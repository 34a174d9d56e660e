// The JSON script evaluator: a script ends with its output or with the error it raises (a
// value of the wrong kind, output past the limit); boxes get their default answers.
#include "FuzzSupport.h"

#include "json/cJSONScript.h"
#include "vb/Error.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    json::cJSONScript script;
    try {
        script.Eval(fuzz::text(data, size));
        script.Eval(fuzz::text(data, size));   // variables kept from the first run
    } catch (const vb::Error&) {
    }
    fuzz::dialogs().clear();
    return 0;
}
