#include "report/model/xml/TfrxXMLDocument.h"

#include "common/Exception.h"
#include "report/model/xml/TfrxXMLReader.h"
#include "report/model/xml/TfrxXMLWriter.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

QString fileError(const char* pattern, const QString& fileName, const QString& reason)
{
    return QString::fromLatin1(pattern).arg(QDir::toNativeSeparators(fileName), reason);
}

std::filesystem::path toPath(const QString& fileName)
{
    return std::filesystem::path(fileName.toStdU16String());
}

} // namespace

TfrxXMLDocument::TfrxXMLDocument() : FRoot(std::make_unique<TfrxXMLItem>()) {}

void TfrxXMLDocument::Clear()
{
    FRoot->Clear();
    FTempStream.close();
}

void TfrxXMLDocument::LoadFromStream(QIODevice& Stream)
{
    read(Stream, nullptr);
}

void TfrxXMLDocument::LoadFromStream(std::unique_ptr<QIODevice> Stream, bool AllowPartialLoading)
{
    if (!AllowPartialLoading || Stream->isSequential()) {
        read(*Stream, nullptr);
        return;
    }
    QIODevice& stream = *Stream;
    read(stream, std::move(Stream));
}

void TfrxXMLDocument::SaveToStream(QIODevice& Stream)
{
    TfrxXMLWriter writer(Stream);
    writer.SetAutoIndent(FAutoIndent);
    writer.SetTempStream(&FTempStream);
    writer.WriteHeader();
    writer.WriteRootItem(*FRoot);
}

void TfrxXMLDocument::LoadFromFile(const QString& FileName)
{
    auto file = std::make_unique<QFile>(FileName);
    if (!file->open(QIODevice::ReadOnly))
        throw Exception(fileError("Cannot open file \"%1\". %2", FileName, file->errorString()));
    LoadFromStream(std::move(file), true);
}

void TfrxXMLDocument::SaveToFile(const QString& FileName)
{
    const QString tempName = FileName + QStringLiteral(".tmp");
    QFile file(tempName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(fileError("Cannot create file \"%1\". %2", tempName, file.errorString()));
    try {
        SaveToStream(file);
        file.close();
        if (file.error() != QFileDevice::NoError)
            throw Exception(QStringLiteral("Stream write error"));
    } catch (...) {
        file.close();
        QFile::remove(tempName);
        throw;
    }
    // Replacing in one step keeps the old file until the new one is complete.
    std::error_code error;
    std::filesystem::rename(toPath(tempName), toPath(FileName), error);
    if (error) {
        QFile::remove(tempName);
        throw Exception(
            fileError("Cannot create file \"%1\". %2", FileName, QString::fromStdString(error.message())));
    }
    FTempStream.close();
    LoadFromFile(FileName);
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem* Item)
{
    if (Item->GetLoaded() || !Item->GetUnloadable())
        return;
    // An element emptied by Clear without ever being parked has nothing to fetch.
    if (Item->GetParked()) {
        if (!FTempStream.isOpen())
            return;
        FTempStream.fetch(*Item);
    }
    Item->SetLoaded(true);
}

void TfrxXMLDocument::UnloadItem(TfrxXMLItem* Item)
{
    if (Item->GetLoaded() && Item->GetUnloadable())
        FTempStream.park(*Item, FTempDir);
}

void TfrxXMLDocument::read(QIODevice& stream, std::unique_ptr<QIODevice> parkingSource)
{
    FTempStream.close();
    FRoot->Clear();
    FRoot->SetName(QString());
    FRoot->SetText(QString());
    FRoot->SetOffset(0);
    FOldVersion = false;

    TfrxXMLReader reader(stream);
    reader.ReadHeader();
    FOldVersion = reader.GetOldFormat();
    const bool partial = parkingSource != nullptr;
    // Adopted before the elements are read, so that what was parked before a syntax error stays fetchable.
    if (partial)
        FTempStream.adoptSource(std::move(parkingSource), FOldVersion);
    reader.ReadRootItem(*FRoot, !partial);
}
