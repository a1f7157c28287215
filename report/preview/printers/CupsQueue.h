#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// What the printers need of a CUPS queue beyond Qt's print support: its paper sources, handing
// over a finished document with job options, and documents of raw bytes. The server is the one
// libcups finds (CUPS_SERVER, client.conf or the local default).
class CupsQueue {
public:
    struct MediaSource {
        QByteArray Keyword; // the IPP "media-source" value, e.g. "auto", "tray-1"
        QString Name;       // its name as the server presents it
    };
    using Options = QList<QPair<QByteArray, QByteArray>>;

    explicit CupsQueue(const QString& name) : FName(name.toUtf8()) {}

    QList<MediaSource> MediaSources() const;
    // The source used when a job names none; empty when the queue does not say.
    QByteArray DefaultMediaSource() const;

    // The resolution the queue prints at unless told otherwise, in dots per inch across the
    // paper; 0 when the queue does not say.
    int DefaultResolution() const;

    // Queues a file for printing; the server's error text on failure, else empty.
    QString PrintFile(const QString& fileName, const QString& title, const Options& options) const;

private:
    QByteArray FName;
};

// A job whose bytes reach the printer as they are (document format "application/vnd.cups-raw").
class CupsRawJob {
public:
    ~CupsRawJob();

    // Each returns the server's error text on failure, else empty.
    QString Start(const QString& printer, const QString& title);
    QString Write(const QByteArray& bytes);
    QString Finish();

    bool IsOpen() const { return FJob != 0; }

private:
    void Cancel();

    QByteArray FPrinter;
    int FJob = 0;
};
