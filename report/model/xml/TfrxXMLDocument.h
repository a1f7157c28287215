#pragma once

#include "report/model/xml/TfrxXMLItem.h"
#include "report/model/xml/XMLTempStream.h"

#include <QIODevice>
#include <QString>
#include <memory>

// A report XML document: the root element, how it is written, and the temporary stream that holds the
// children of parked elements (partial loading).
//
// Streams are QIODevice: QFile for files, QBuffer for memory. The caller opens them; a document only
// reads or writes from the current position. A stream handed over by unique_ptr belongs to the document
// from then on; one passed by reference stays the caller's.
class TfrxXMLDocument {
public:
    TfrxXMLDocument();
    TfrxXMLDocument(const TfrxXMLDocument&) = delete;
    TfrxXMLDocument& operator=(const TfrxXMLDocument&) = delete;

    // Empties the root and closes the temporary stream (deleting a temporary file of ours).
    void Clear();

    // Reads the whole document; the caller keeps the stream.
    void LoadFromStream(QIODevice& Stream);
    // With AllowPartialLoading, elements marked unloadable are parked and the document keeps the stream to
    // fetch them from; a sequential stream, which cannot be read again, is read whole.
    void LoadFromStream(std::unique_ptr<QIODevice> Stream, bool AllowPartialLoading);
    void SaveToStream(QIODevice& Stream);
    // Loads with partial loading; the file stays open until the document is cleared, reloaded or destroyed.
    void LoadFromFile(const QString& FileName);
    // Writes FileName + ".tmp" first and replaces FileName with it only when the whole document was
    // written, then loads the document back from FileName.
    void SaveToFile(const QString& FileName);

    void LoadItem(TfrxXMLItem* Item);
    void UnloadItem(TfrxXMLItem* Item);

    TfrxXMLItem* GetRoot() const { return FRoot.get(); }
    bool GetAutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool AutoIndent) { FAutoIndent = AutoIndent; }
    bool GetOldVersion() const { return FOldVersion; }
    const QString& GetTempDir() const { return FTempDir; }
    void SetTempDir(const QString& TempDir) { FTempDir = TempDir; }

private:
    // Reads from stream; with a parkingSource (the same stream, handed over) marked elements are parked.
    void read(QIODevice& stream, std::unique_ptr<QIODevice> parkingSource);

    std::unique_ptr<TfrxXMLItem> FRoot;
    bool FAutoIndent = false;
    bool FOldVersion = false;
    QString FTempDir;
    XMLTempStream FTempStream;
};
