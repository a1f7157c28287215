#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class TfrxPicture;

// The distinct pictures of a prepared report, each kept once as its graphic's own file bytes and
// referred to by a 1-based index. The bytes live in memory, or in temporary files ("frPic…") when
// the file cache is on; they are decoded again when a page is rebuilt, with the last few decoded
// pictures kept so that thousands of pages showing the same picture decode it once.
class TfrxPictureCache {
public:
    TfrxPictureCache();
    ~TfrxPictureCache();

    void Clear();
    bool IsEmpty() const { return FEntries.empty(); }
    int GetCount() const { return int(FEntries.size()); }
    // Takes effect for the segments started afterwards.
    void SetUseFileCache(bool value) { FUseFileCache = value; }
    void SetTempDir(const QString& value) { FTempDir = value; }

    // The entry number of the stored graphic; 0 (nothing stored) for an empty picture.
    int AddPicture(const TfrxPicture& Picture);
    int AddBytes(const QByteArray& Bytes);
    QByteArray GetBytes(int Index) const;
    // Fills Picture from entry Index (1-based); an index outside the cache clears it.
    void GetPicture(int Index, TfrxPicture& Picture);

private:
    struct Entry {
        int Segment;
        qint64 Offset;
        qint64 Size;
    };
    QIODevice& WritableSegment();

    bool FUseFileCache = false;
    QString FTempDir;
    std::vector<std::unique_ptr<QIODevice>> FSegments;
    std::vector<Entry> FEntries;
    std::map<int, std::unique_ptr<TfrxPicture>> FDecoded;
};
