#pragma once

#include <QByteArray>
#include <QGuiApplication>
#include <QLocale>

// New pages ask the printer layer for the default paper, which needs a GUI application; with no
// print server to reach it offers its virtual printer, whatever the machine has installed.
inline void startReportApplication(int* argc, char*** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/certprint-fuzz/cups.sock");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}
