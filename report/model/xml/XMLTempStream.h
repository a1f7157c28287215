#pragma once

#include <QIODevice>
#include <QString>
#include <QTemporaryFile>
#include <memory>

class TfrxXMLItem;

// Keeps the children of parked elements out of memory. Elements parked while a document was partially
// loaded stay where they are in the stream it was loaded from, which is only ever read, never written
// (it may be the caller's own file). Elements parked later go to a temporary file of our own; their
// offsets count on from the end of the loaded stream, so one Offset per element tells both apart. The
// temporary file ("fr" + a unique suffix) is removed when the stream is closed or destroyed.
class XMLTempStream {
public:
    XMLTempStream() = default;
    XMLTempStream(const XMLTempStream&) = delete;
    XMLTempStream& operator=(const XMLTempStream&) = delete;

    // Takes over the stream a document was partially loaded from; oldFormat tells how its text is encoded.
    void adoptSource(std::unique_ptr<QIODevice> source, bool oldFormat);
    bool isOpen() const { return FSource || FTempFile; }
    void close();

    // Writes the element with its subtree to the temporary file (created in tempDir when that is an
    // existing folder, else in the system's temporary folder) and drops its children.
    void park(TfrxXMLItem& item, const QString& tempDir);
    // Reads the element's parked children back; the element keeps its own name and attribute text,
    // which may have changed while it was parked.
    void fetch(TfrxXMLItem& item);

private:
    QFile& tempFile(const QString& tempDir);

    std::unique_ptr<QIODevice> FSource;
    qint64 FSourceSize = 0;
    bool FSourceOldFormat = false;
    std::unique_ptr<QTemporaryFile> FTempFile;
};
