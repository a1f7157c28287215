#include <QGuiApplication>

#include <gtest/gtest.h>

// New report pages ask the printer layer for the default paper, which needs a GUI application.
// The tests never reach the system's print server: with nothing listening at CUPS_SERVER the
// printer layer offers its virtual printer (A4 portrait), whatever the machine has installed.
int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/frx-model-tests/cups.sock");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
