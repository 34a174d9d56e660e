// One entry point for every test executable: headless Qt, the Argentine regional settings,
// and an End hook that throws instead of leaving the process.
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rp_quindal"));
    ::testing::InitGoogleTest(&argc, argv);
    vb::Regional::reset();
    vb::setEndHook([] { throw vb::EndRequested(); });
    return RUN_ALL_TESTS();
}
