// Listed among the sources of a test executable whose print objects reach the report engine:
// the engine is put behind them before the first test runs, as the program does at start-up.
// A test that records what the engine is asked puts its own in place for its scope.
#include "reportengine/ReportJobEngine.h"

#include <gtest/gtest.h>

namespace {

class ReportEngineInstalled : public ::testing::Environment {
public:
    void SetUp() override { reportengine::ReportJobEngine::install(); }
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new ReportEngineInstalled);

} // namespace
