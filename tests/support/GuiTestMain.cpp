#include <QApplication>
#include <gtest/gtest.h>

// The main of every GUI test program: windows need a QApplication, and tests run without a
// screen unless the environment picks another platform.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
