#pragma once

#include "report/model/TfrxPropertyInfo.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// A picture container: one graphic of a named class (TPngImage, TJPEGImage, TBitmap, TIcon,
// TMetafile) kept as the graphic's own file bytes, so that a template writes it back unchanged,
// plus the decoded image for drawing. Metafiles are kept but not decoded: their image is null.
class TfrxPicture : public TfrxPersistent {
public:
    static constexpr QLatin1String kPngClass{"TPngImage"};
    static constexpr QLatin1String kJpegClass{"TJPEGImage"};
    static constexpr QLatin1String kBitmapClass{"TBitmap"};
    static constexpr QLatin1String kIconClass{"TIcon"};
    static constexpr QLatin1String kMetafileClass{"TMetafile"};
    // A template's pictures are untrusted: their headers may claim any size. Larger ones are refused
    // before their pixels take memory; the blank at 300 dots per inch has some 4.3 million pixels.
    static constexpr qint64 kMaxPixels = 32 * 1024 * 1024;

    QString GetClassName() const override { return QStringLiteral("TPicture"); }
    const TfrxPropertyList& GetProperties() const override;
    // One block "Data" (see SaveData) while the picture holds a graphic.
    QList<TfrxBinaryProperty> GetBinaryProperties() const override;
    void SetBinaryProperty(const QString& name, const QByteArray& value) override;

    bool IsEmpty() const { return FGraphicClass.isEmpty(); }
    const QString& GetGraphicClass() const { return FGraphicClass; }
    const QByteArray& GetGraphicData() const { return FGraphicData; }
    const QImage& GetImage() const { return FImage; }
    int GetWidth() const { return FImage.width(); }
    int GetHeight() const { return FImage.height(); }

    void Clear();
    void Assign(const TfrxPicture& source);
    // Takes the file bytes of a graphic of the named class. An unknown class, bytes that do not
    // decode or an image of more than kMaxPixels clear the picture and give false.
    bool LoadGraphic(const QString& graphicClass, const QByteArray& fileData);
    // Recognises the format from the leading bytes (bitmap, JPEG, PNG, placeable or enhanced
    // metafile, icon), skipping a small container header; false and cleared when none matches.
    bool LoadFromBytes(const QByteArray& data);
    // Keeps the image as a PNG graphic.
    void SetImage(const QImage& image);

    // The value of the template's "Data" block: a length byte and the class name, then the
    // graphic in the class's own layout (some classes put a 4-byte length before it).
    QByteArray SaveData() const;
    // False (picture cleared) for damaged data or an unknown class; "TPNGObject" reads as PNG.
    bool LoadData(const QByteArray& data);

    // Called after every change of the graphic.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    QString FGraphicClass;
    QByteArray FGraphicData;
    QImage FImage;
    std::function<void()> FOnChange;
};
