#include "report/model/TfrxPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

const char* imageFormatOf(const QString& graphicClass)
{
    if (graphicClass == TfrxPicture::kPngClass)
        return "PNG";
    if (graphicClass == TfrxPicture::kJpegClass)
        return "JPG";
    if (graphicClass == TfrxPicture::kBitmapClass)
        return "BMP";
    if (graphicClass == TfrxPicture::kIconClass)
        return "ICO";
    return nullptr;
}

// Classes whose data block carries a 4-byte little-endian length before the graphic.
bool hasLengthPrefix(const QString& graphicClass)
{
    return graphicClass == TfrxPicture::kJpegClass || graphicClass == TfrxPicture::kBitmapClass ||
           graphicClass == TfrxPicture::kMetafileClass;
}

quint32 readUInt32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 readUInt16(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

QByteArray uint32Bytes(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The size a header claims is checked first; for formats whose header tells none, the reader's own
// allocation limit stops the decoding instead.
QImage decodeWithinLimit(const QByteArray& data, const char* format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > TfrxPicture::kMaxPixels)
        return {};
    constexpr int kBytesPerPixel = 4;
    reader.setAllocationLimit(int(TfrxPicture::kMaxPixels * kBytesPerPixel / (1024 * 1024)));
    return reader.read();
}

QString graphicClassOf(const QByteArray& data)
{
    static const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
    if (data.startsWith("BM"))
        return TfrxPicture::kBitmapClass;
    if (data.startsWith("\xFF\xD8"))
        return TfrxPicture::kJpegClass;
    if (data.startsWith(kPngSignature))
        return TfrxPicture::kPngClass;
    if (data.size() >= 4 && readUInt32(data, 0) == 0x9AC6CDD7)
        return TfrxPicture::kMetafileClass;
    if (data.size() >= 44 && data.mid(40, 4) == " EMF")
        return TfrxPicture::kMetafileClass;
    if (data.size() >= 6 && (readUInt16(data, 2) == 1 || readUInt16(data, 2) == 2))
        return TfrxPicture::kIconClass;
    return {};
}

} // namespace

const TfrxPropertyList& TfrxPicture::GetProperties() const
{
    static const TfrxPropertyList kNone;
    return kNone;
}

QList<TfrxBinaryProperty> TfrxPicture::GetBinaryProperties() const
{
    if (IsEmpty())
        return {};
    return {{QStringLiteral("Data"), SaveData()}};
}

void TfrxPicture::SetBinaryProperty(const QString& name, const QByteArray& value)
{
    if (name == QLatin1String("Data"))
        LoadData(value);
}

void TfrxPicture::Clear()
{
    FGraphicClass.clear();
    FGraphicData.clear();
    FImage = QImage();
    Changed();
}

void TfrxPicture::Assign(const TfrxPicture& source)
{
    if (&source == this)
        return;
    FGraphicClass = source.FGraphicClass;
    FGraphicData = source.FGraphicData;
    FImage = source.FImage;
    Changed();
}

bool TfrxPicture::LoadGraphic(const QString& graphicClass, const QByteArray& fileData)
{
    QImage image;
    const char* format = imageFormatOf(graphicClass);
    const bool known = format || graphicClass == kMetafileClass;
    if (format)
        image = decodeWithinLimit(fileData, format);
    if (!known || fileData.isEmpty() || (format && image.isNull())) {
        Clear();
        return false;
    }
    FGraphicClass = graphicClass;
    FGraphicData = fileData;
    FImage = image;
    Changed();
    return true;
}

bool TfrxPicture::LoadFromBytes(const QByteArray& data)
{
    QByteArray graphic = data;
    // A small container header: a 16-bit 1, a 16-bit 256 and the length of what follows.
    if (graphic.size() >= 8 && readUInt16(graphic, 0) == 1 && readUInt16(graphic, 2) == 256 &&
        readUInt32(graphic, 4) == static_cast<quint32>(graphic.size() - 8))
        graphic.remove(0, 8);
    const QString graphicClass = graphicClassOf(graphic);
    if (graphicClass.isEmpty()) {
        Clear();
        return false;
    }
    return LoadGraphic(graphicClass, graphic);
}

void TfrxPicture::SetImage(const QImage& image)
{
    if (image.isNull()) {
        Clear();
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    FGraphicClass = kPngClass;
    FGraphicData = png;
    FImage = image;
    Changed();
}

QByteArray TfrxPicture::SaveData() const
{
    if (IsEmpty())
        return {};
    const QByteArray className = FGraphicClass.toUtf8();
    QByteArray data;
    data.append(static_cast<char>(className.size()));
    data.append(className);
    if (FGraphicClass == kMetafileClass)
        data.append(uint32Bytes(static_cast<quint32>(FGraphicData.size() + 4)));
    else if (hasLengthPrefix(FGraphicClass))
        data.append(uint32Bytes(static_cast<quint32>(FGraphicData.size())));
    data.append(FGraphicData);
    return data;
}

bool TfrxPicture::LoadData(const QByteArray& data)
{
    const qsizetype nameLength = data.isEmpty() ? 0 : static_cast<quint8>(data.at(0));
    if (nameLength == 0 || data.size() < 1 + nameLength) {
        Clear();
        return false;
    }
    QString graphicClass = QString::fromUtf8(data.mid(1, nameLength));
    if (graphicClass == QLatin1String("TPNGObject"))
        graphicClass = kPngClass;
    qsizetype at = 1 + nameLength;
    qsizetype length = data.size() - at;
    if (hasLengthPrefix(graphicClass)) {
        if (data.size() < at + 4) {
            Clear();
            return false;
        }
        const qint64 stated =
            static_cast<qint64>(readUInt32(data, at)) - (graphicClass == kMetafileClass ? 4 : 0);
        at += 4;
        if (stated < 0 || stated > data.size() - at) {
            Clear();
            return false;
        }
        length = stated;
    }
    return LoadGraphic(graphicClass, data.mid(at, length));
}

void TfrxPicture::Changed()
{
    if (FOnChange)
        FOnChange();
}
