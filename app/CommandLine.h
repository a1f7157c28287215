#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked to do without its windows:
//   certprint --pdf OUT.pdf FILE.vod            prints the certificate into a PDF file;
//   certprint --print FILE.vod [--printer NAME] prints it on a printer (the default one without NAME).
struct HeadlessRequest {
    QString certificateFile;
    // The PDF file to write; empty when printing on a printer.
    QString pdfFile;
    // The printer to print on; empty for the default one.
    QString printerName;
};

// The command line's arguments after the program name. Nothing when none of the headless options
// is given (the window opens); an Exception with the usage when they are given wrongly.
std::optional<HeadlessRequest> parseHeadlessRequest(const QStringList& arguments);

// The usage lines of the headless options.
QString headlessUsage();
