#include <QGuiApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Report pages ask the printer layer for the default paper, which needs a GUI application; with
// nothing listening at CUPS_SERVER it offers its virtual printer, whatever the machine has installed.
int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/fault-tests/cups.sock");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
