#include "report/engine/EngineRegistration.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and images need a GUI application; new report pages ask the printer layer for the default
// paper, which must not reach the machine's print server (nothing listens at CUPS_SERVER).
int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/frx-engine-tests/cups.sock");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    frxRegisterEngine();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
