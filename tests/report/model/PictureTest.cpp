#include "report/model/TfrxPictureView.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QImage testImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray lengthBytes(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray dataBlock(const QByteArray& className, const QByteArray& rest)
{
    return QByteArray(1, static_cast<char>(className.size())) + className + rest;
}

// An enhanced metafile is recognised by " EMF" at offset 40.
QByteArray fakeEmf()
{
    QByteArray emf(64, '\0');
    emf.replace(40, 4, " EMF");
    return emf;
}

} // namespace

TEST(PictureView, AutoSizeTakesThePicturesPixelSize)
{
    TfrxPictureView view;
    view.SetBounds(0, 0, 10, 10);
    view.SetAutoSize(true);
    EXPECT_EQ(view.GetWidth(), 10) << "no picture, no change";
    view.GetPicture()->SetImage(testImage(100, 50));
    EXPECT_EQ(view.GetWidth(), 100);
    EXPECT_EQ(view.GetHeight(), 50);
}

TEST(PictureView, TurningAutoSizeOnSizesToThePictureHeld)
{
    TfrxPictureView view;
    view.GetPicture()->SetImage(testImage(30, 40));
    EXPECT_EQ(view.GetWidth(), 0);
    view.SetAutoSize(true);
    EXPECT_EQ(view.GetWidth(), 30);
    EXPECT_EQ(view.GetHeight(), 40);
}

TEST(PictureView, EveryChangeOfThePictureMarksItChanged)
{
    TfrxPictureView view;
    EXPECT_FALSE(view.GetPictureChanged());
    TfrxPicture picture;
    picture.SetImage(testImage(1, 1));
    view.SetPicture(picture);
    EXPECT_TRUE(view.GetPictureChanged());
    EXPECT_EQ(view.GetPicture()->GetGraphicData(), picture.GetGraphicData());
    view.SetPictureChanged(false);
    view.GetPicture()->Clear();
    EXPECT_TRUE(view.GetPictureChanged());
}

TEST(Picture, PngDataIsTheClassNameAndTheUnchangedFile)
{
    const QByteArray png = encoded(testImage(3, 2), "PNG");
    TfrxPicture picture;
    ASSERT_TRUE(picture.LoadGraphic(TfrxPicture::kPngClass, png));
    EXPECT_EQ(picture.SaveData(), dataBlock("TPngImage", png));
    ASSERT_EQ(picture.GetBinaryProperties().size(), 1);
    EXPECT_EQ(picture.GetBinaryProperties().first().name, "Data");

    TfrxPicture copy;
    copy.SetBinaryProperty("Data", picture.SaveData());
    EXPECT_EQ(copy.GetGraphicClass(), "TPngImage");
    EXPECT_EQ(copy.GetGraphicData(), png);
    EXPECT_EQ(copy.GetWidth(), 3);
    EXPECT_EQ(copy.GetHeight(), 2);
}

TEST(Picture, JpegAndBitmapDataCarryTheirLength)
{
    for (auto [className, format] : {std::pair{"TJPEGImage", "JPG"}, {"TBitmap", "BMP"}}) {
        const QByteArray file = encoded(testImage(4, 4), format);
        TfrxPicture picture;
        ASSERT_TRUE(picture.LoadGraphic(className, file)) << className;
        EXPECT_EQ(picture.SaveData(), dataBlock(className, lengthBytes(file.size()) + file));
        TfrxPicture copy;
        ASSERT_TRUE(copy.LoadData(picture.SaveData() + "trailing")) << className;
        EXPECT_EQ(copy.GetGraphicData(), file);
        EXPECT_EQ(copy.GetWidth(), 4);
    }
}

TEST(Picture, MetafilesAreKeptUndecodedWithALengthCountingItself)
{
    TfrxPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(fakeEmf()));
    EXPECT_EQ(picture.GetGraphicClass(), "TMetafile");
    EXPECT_TRUE(picture.GetImage().isNull());
    EXPECT_EQ(picture.SaveData(), dataBlock("TMetafile", lengthBytes(64 + 4) + fakeEmf()));
    TfrxPicture copy;
    ASSERT_TRUE(copy.LoadData(picture.SaveData()));
    EXPECT_EQ(copy.GetGraphicData(), fakeEmf());
}

TEST(Picture, TheOldPngClassNameReadsAsPng)
{
    const QByteArray png = encoded(testImage(1, 1), "PNG");
    TfrxPicture picture;
    ASSERT_TRUE(picture.LoadData(dataBlock("TPNGObject", png)));
    EXPECT_EQ(picture.GetGraphicClass(), "TPngImage");
}

TEST(Picture, DamagedDataLeavesThePictureEmpty)
{
    const QByteArray png = encoded(testImage(1, 1), "PNG");
    const QByteArray bmp = encoded(testImage(1, 1), "BMP");
    const QList<QByteArray> damaged{
        QByteArray(),
        dataBlock("", png),
        QByteArray("\x20TPng", 5),
        dataBlock("TGifImage", png),
        dataBlock("TPngImage", "not a png"),
        dataBlock("TBitmap", lengthBytes(bmp.size() + 1) + bmp),
        dataBlock("TBitmap", QByteArray(2, '\0')),
        dataBlock("TMetafile", lengthBytes(2)),
    };
    for (const QByteArray& data : damaged) {
        TfrxPicture picture;
        picture.LoadGraphic(TfrxPicture::kPngClass, png);
        EXPECT_FALSE(picture.LoadData(data)) << data.toHex().constData();
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_TRUE(picture.GetBinaryProperties().isEmpty());
    }
}

TEST(Picture, TheFormatIsRecognisedFromTheBytes)
{
    QByteArray icon = encoded(testImage(16, 16), "ICO");
    const QList<std::pair<QByteArray, QString>> cases{
        {encoded(testImage(2, 2), "PNG"), "TPngImage"},
        {encoded(testImage(2, 2), "JPG"), "TJPEGImage"},
        {encoded(testImage(2, 2), "BMP"), "TBitmap"},
        {icon, "TIcon"},
        {fakeEmf(), "TMetafile"},
    };
    for (const auto& [bytes, className] : cases) {
        TfrxPicture picture;
        EXPECT_TRUE(picture.LoadFromBytes(bytes)) << className.toStdString();
        EXPECT_EQ(picture.GetGraphicClass(), className);
    }
    TfrxPicture picture;
    EXPECT_FALSE(picture.LoadFromBytes("garbage of no format"));
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(Picture, ASmallContainerHeaderIsSkipped)
{
    const QByteArray png = encoded(testImage(2, 2), "PNG");
    QByteArray header(8, '\0');
    qToLittleEndian<quint16>(1, header.data());
    qToLittleEndian<quint16>(256, header.data() + 2);
    qToLittleEndian<quint32>(png.size(), header.data() + 4);
    TfrxPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(header + png));
    EXPECT_EQ(picture.GetGraphicData(), png);
}

namespace {

// Picture files whose headers claim a size, with no pixels after them.
QByteArray bitmapClaiming(qint32 width, qint32 height)
{
    QByteArray header("BM");
    const auto append32 = [&](quint32 value) { header += lengthBytes(value); };
    const auto append16 = [&](quint16 value) { header += lengthBytes(value).left(2); };
    append32(54);
    append32(0);
    append32(54);
    append32(40);
    append32(quint32(width));
    append32(quint32(height));
    append16(1);
    append16(24);
    for (int i = 0; i < 6; ++i)
        append32(0);
    return header;
}

QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray jpeg = encoded(testImage(8, 8), "JPG");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

} // namespace

TEST(Picture, APictureClaimingMorePixelsThanTheLimitIsRefusedUndecoded)
{
    const qint64 side = 1 << 13; // the limit is a power of two: side × (limit / side) pixels fit
    const qint64 other = TfrxPicture::kMaxPixels / side;
    ASSERT_GT((side + 1) * (other + 1), TfrxPicture::kMaxPixels);
    const struct {
        QLatin1String className;
        QByteArray file;
    } cases[] = {
        {TfrxPicture::kBitmapClass, bitmapClaiming(qint32(side + 1), qint32(other + 1))},
        {TfrxPicture::kJpegClass, jpegClaiming(quint16(side + 1), quint16(other + 1))},
        {TfrxPicture::kBitmapClass, bitmapClaiming(0x7FFFFFFF, 0x7FFFFFFF)},
    };
    for (const auto& c : cases) {
        TfrxPicture picture;
        picture.SetImage(testImage(2, 2));
        EXPECT_FALSE(picture.LoadGraphic(c.className, c.file)) << c.className.data();
        EXPECT_TRUE(picture.IsEmpty()) << c.className.data();
        EXPECT_TRUE(picture.GetImage().isNull()) << c.className.data();
    }
}
