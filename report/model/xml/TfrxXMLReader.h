#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class TfrxXMLItem;

// Reads elements from a stream through a buffer of its own. The stream is read from its position at
// construction; the destructor puts the stream just after the last byte consumed, so further readers or
// callers go on from there.
//
// Limits for untrusted input (each breach raises TfrxInvalidXMLException, "Invalid file format"):
// elements nest at most kMaxDepth levels below the root, one reader keeps at most kMaxElements elements
// (those of parked elements are only passed over), and one tag (name and attribute text, so also the
// largest attribute value) holds at most kMaxTagBytes bytes. Memory therefore grows with the size of the
// input, no faster than a fixed multiple of it, and stays bounded whatever the input's size.
class TfrxXMLReader {
public:
    static constexpr int kMaxDepth = 256;
    static constexpr qsizetype kMaxTagBytes = 64 * 1024 * 1024;
    // Some hundred bytes each: a prepared report of thousands of certificate pages stays well below.
    static constexpr qsizetype kMaxElements = 1'000'000;

    explicit TfrxXMLReader(QIODevice& Stream);
    ~TfrxXMLReader();
    TfrxXMLReader(const TfrxXMLReader&) = delete;
    TfrxXMLReader& operator=(const TfrxXMLReader&) = delete;

    // Reads the declaration and takes the 8-bit flag from it.
    void ReadHeader();
    // Reads one element into Item. Without ReadChildren, elements marked unloadable are parked: their
    // children are dropped and Offset remembers where they start. At the end of input Item gets an
    // empty name.
    void ReadRootItem(TfrxXMLItem& Item, bool ReadChildren = true);
    [[noreturn]] void RaiseException();

    bool GetOldFormat() const { return FOldFormat; }
    // For re-reading a parked element of an 8-bit document, which has no declaration of its own there.
    void SetOldFormat(bool OldFormat) { FOldFormat = OldFormat; }
    qint64 GetPosition() const { return FPosition; }

private:
    struct Tag {
        QString name;
        QString text;
    };

    Tag readTag();
    bool readRawTag(QByteArray& tag);
    void readRestOfTag(QByteArray& tag);
    bool skipComment();
    bool nextByte(char& byte);
    bool fillBuffer();
    QString decode(QByteArrayView bytes) const;
    void readItem(TfrxXMLItem& item, bool readChildren, int depth);
    void readChildList(TfrxXMLItem& item, bool readChildren, bool keepChildren, int depth);

    QIODevice& FStream;
    QByteArray FBuffer;
    qsizetype FBufferPos = 0;
    qint64 FPosition = 0;
    bool FOldFormat = false;
    qsizetype FElements = 0;
};
