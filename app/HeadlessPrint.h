#pragma once

struct HeadlessRequest;

// Exit statuses of the program run without windows.
inline constexpr int kHeadlessPrinted = 0;
inline constexpr int kHeadlessFailed = 1;
inline constexpr int kHeadlessRecordInvalid = 2;

// The print command without windows: opens the certificate file into the certificate window's
// controls (the window is never shown), runs the print command's validation, template load and
// fill, prepares the report and prints it through the print job, into the PDF file or on the
// printer. Every message goes to the standard error stream. Needs the application object.
int runHeadlessPrint(const HeadlessRequest& request);
