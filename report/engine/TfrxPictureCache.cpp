#include "report/engine/TfrxPictureCache.h"

#include "common/Exception.h"
#include "report/model/TfrxPicture.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryFile>

namespace {

constexpr qint64 kSegmentLimit = 1789569705;
constexpr std::size_t kDecodedKept = 8;

} // namespace

TfrxPictureCache::TfrxPictureCache() = default;
TfrxPictureCache::~TfrxPictureCache() = default;

void TfrxPictureCache::Clear()
{
    FDecoded.clear();
    FEntries.clear();
    FSegments.clear(); // a temporary file is removed with its object
}

QIODevice& TfrxPictureCache::WritableSegment()
{
    if (FSegments.empty() || FSegments.back()->size() > kSegmentLimit) {
        std::unique_ptr<QIODevice> segment;
        if (FUseFileCache) {
            const QString folder =
                !FTempDir.isEmpty() && QDir(FTempDir).exists() ? FTempDir : QDir::tempPath();
            auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/frPicXXXXXX"));
            if (!file->open())
                throw Exception(QStringLiteral("Cannot create a temporary file in ") + folder);
            segment = std::move(file);
        } else {
            auto buffer = std::make_unique<QBuffer>();
            buffer->open(QIODevice::ReadWrite);
            segment = std::move(buffer);
        }
        FSegments.push_back(std::move(segment));
    }
    return *FSegments.back();
}

int TfrxPictureCache::AddPicture(const TfrxPicture& Picture)
{
    if (Picture.IsEmpty())
        return 0;
    return AddBytes(Picture.GetGraphicData());
}

int TfrxPictureCache::AddBytes(const QByteArray& Bytes)
{
    QIODevice& segment = WritableSegment();
    const qint64 offset = segment.size();
    segment.seek(offset);
    if (segment.write(Bytes) != Bytes.size())
        throw Exception(QStringLiteral("Cannot write the picture cache"));
    FEntries.push_back(Entry{int(FSegments.size()) - 1, offset, Bytes.size()});
    return int(FEntries.size());
}

QByteArray TfrxPictureCache::GetBytes(int Index) const
{
    if (Index < 1 || Index > GetCount())
        return {};
    const Entry& entry = FEntries.at(Index - 1);
    QIODevice& segment = *FSegments.at(entry.Segment);
    segment.seek(entry.Offset);
    return segment.read(entry.Size);
}

void TfrxPictureCache::GetPicture(int Index, TfrxPicture& Picture)
{
    if (Index < 1 || Index > GetCount()) {
        Picture.Clear();
        return;
    }
    auto decoded = FDecoded.find(Index);
    if (decoded == FDecoded.end()) {
        if (FDecoded.size() >= kDecodedKept)
            FDecoded.clear();
        auto picture = std::make_unique<TfrxPicture>();
        picture->LoadFromBytes(GetBytes(Index));
        decoded = FDecoded.emplace(Index, std::move(picture)).first;
    }
    Picture.Assign(*decoded->second);
}
