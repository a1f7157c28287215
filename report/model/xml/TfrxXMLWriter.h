#pragma once

#include <QByteArray>
#include <QIODevice>

class TfrxXMLItem;
class XMLTempStream;

// Writes elements to a stream as UTF-8 through a text buffer of its own, handed on whenever it passes
// 4096 bytes and at the end of each write operation. Write failures raise Exception("Stream write error").
class TfrxXMLWriter {
public:
    explicit TfrxXMLWriter(QIODevice& Stream);
    TfrxXMLWriter(const TfrxXMLWriter&) = delete;
    TfrxXMLWriter& operator=(const TfrxXMLWriter&) = delete;

    void WriteHeader();
    // Writes the element and its subtree; parked children are fetched from TempStream for the write and
    // parked again afterwards.
    void WriteRootItem(TfrxXMLItem& RootItem);

    bool GetAutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool AutoIndent) { FAutoIndent = AutoIndent; }
    XMLTempStream* GetTempStream() const { return FTempStream; }
    void SetTempStream(XMLTempStream* TempStream) { FTempStream = TempStream; }

private:
    void writeItem(TfrxXMLItem& item, int depth);
    void writePiece(const QByteArray& piece, int depth);
    void flush();

    QIODevice& FStream;
    QByteArray FBuffer;
    bool FAutoIndent = false;
    XMLTempStream* FTempStream = nullptr;
};
