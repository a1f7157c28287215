#include "report/model/xml/XMLTempStream.h"

#include "common/Exception.h"
#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/model/xml/TfrxXMLReader.h"
#include "report/model/xml/TfrxXMLWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

void XMLTempStream::adoptSource(std::unique_ptr<QIODevice> source, bool oldFormat)
{
    close();
    FSourceSize = source->size();
    FSourceOldFormat = oldFormat;
    FSource = std::move(source);
}

void XMLTempStream::close()
{
    FTempFile.reset();
    FSource.reset();
    FSourceSize = 0;
    FSourceOldFormat = false;
}

void XMLTempStream::park(TfrxXMLItem& item, const QString& tempDir)
{
    // Written to memory first: the subtree may hold parked elements that are fetched from the file
    // while it is being written.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TfrxXMLWriter writer(buffer);
    writer.SetTempStream(this);
    writer.WriteRootItem(item);

    QFile& file = tempFile(tempDir);
    const qint64 at = file.size();
    if (!file.seek(at) || file.write(bytes) != bytes.size() || !file.flush())
        throw Exception(QStringLiteral("Stream write error"));
    item.Clear();
    item.SetOffset(FSourceSize + at);
    item.SetLoaded(false);
    item.SetParked(true);
}

void XMLTempStream::fetch(TfrxXMLItem& item)
{
    const qint64 offset = item.GetOffset();
    const bool inSource = FSource && offset < FSourceSize;
    QIODevice* device = inSource ? FSource.get() : FTempFile.get();
    if (!device || offset < 0)
        throw TfrxInvalidXMLException();
    if (!device->seek(inSource ? offset : offset - FSourceSize))
        throw TfrxInvalidXMLException();
    TfrxXMLItem stored;
    {
        TfrxXMLReader reader(*device);
        reader.SetOldFormat(inSource && FSourceOldFormat);
        reader.ReadRootItem(stored, true);
    }
    // A different element at that offset means the stream was damaged; its children must not be taken.
    if (stored.GetName().compare(item.GetName(), Qt::CaseInsensitive) != 0)
        throw TfrxInvalidXMLException();
    item.TakeItems(stored);
    item.SetLoaded(true);
}

QFile& XMLTempStream::tempFile(const QString& tempDir)
{
    if (!FTempFile) {
        const QString folder = !tempDir.isEmpty() && QFileInfo(tempDir).isDir() ? tempDir : QDir::tempPath();
        auto file = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral("frXXXXXX")));
        if (!file->open())
            throw Exception(QStringLiteral("Cannot create file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(file->fileTemplate()), file->errorString()));
        // The platform may keep a temporary file unnamed until its name is asked for; parked pages are
        // to lie in a named "fr" file in the folder the report's options chose.
        file->fileName();
        FTempFile = std::move(file);
    }
    return *FTempFile;
}
