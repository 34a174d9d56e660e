#include <QCoreApplication>
#include <gtest/gtest.h>

// No window is ever shown here: the scripted dialog service answers every prompt, so a core
// application is enough, also when the tests are listed at build time without a display.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
