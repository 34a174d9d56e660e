// The report-definition reader and the checks a report gets when it is loaded: a .rpt text
// ends as a ready model (with its queries) or as a ReportError.
#include "FuzzSupport.h"

#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportModel.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const reportengine::ReportDefinition definition = reportengine::DefinitionReader::readText(fuzz::bytes(data, size));
        const reportengine::ReportModel model(definition);
        model.query();
        for (std::size_t i = 0; i < model.subModels().size(); ++i)
            model.subreportQuery(i);
    } catch (const reportengine::ReportError&) {
    }
    return 0;
}
