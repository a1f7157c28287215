#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// Every unit test sees what an operator's desktop in Russia shows, whatever the machine's settings.
int main(int argc, char** argv)
{
    setenv("TZ", "Europe/Moscow", 1);
    tzset();
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
