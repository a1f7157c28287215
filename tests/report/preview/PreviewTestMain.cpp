#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// The print job opens windows (progress, error boxes), so the tests run in a widget application.
// CUPS_SERVER names the private print server when the test needs one; otherwise nothing listens
// there and the printer layer offers its virtual printer alone, whatever the machine has installed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "/nonexistent/frx-preview-tests/cups.sock");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
