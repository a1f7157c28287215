#include "StoredAttributes.h"

#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    QString url;
    TfrxHyperlinkKind kind;
    QString value;
};

std::ostream& operator<<(std::ostream& out, const UrlCase& c)
{
    return out << c.url.left(20).toStdString();
}

class UrlShorthand : public ::testing::TestWithParam<UrlCase> {};

} // namespace

TEST_P(UrlShorthand, SetsTheHyperlink)
{
    TfrxMemoView memo;
    memo.SetURL(GetParam().url);
    EXPECT_EQ(memo.GetHyperlink()->GetKind(), GetParam().kind);
    EXPECT_EQ(memo.GetHyperlink()->GetValue(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlShorthand,
    ::testing::Values(UrlCase{"@3", hkPageNumber, "3"}, UrlCase{"#Totals", hkAnchor, "Totals"},
                      UrlCase{"https://example.org/#x", hkURL, "https://example.org/#x"},
                      UrlCase{"@" + QString(300, 'x'), hkPageNumber, QString(255, 'x')}));

TEST(View, AnEmptyUrlLeavesTheHyperlink)
{
    TfrxMemoView memo;
    memo.SetURL("#Anchor");
    memo.SetURL("");
    EXPECT_EQ(memo.GetHyperlink()->GetKind(), hkAnchor);
    EXPECT_EQ(memo.GetHyperlink()->GetValue(), "Anchor");
}

TEST(View, PrintableIsTheVsPrintFlagOfVisibility)
{
    TfrxPictureView picture;
    EXPECT_TRUE(picture.GetPrintable());
    picture.SetPrintable(false);
    EXPECT_EQ(picture.GetVisibility(), (TfrxVisibilityTypes{vsPreview, vsExport}));
    EXPECT_EQ(picture.GetVisibility().bits(), 3u);
    EXPECT_TRUE(storedAttributes(picture).contains("Visibility"));
    EXPECT_FALSE(storedAttributes(picture).contains("Printable"));
    picture.SetVisibility({vsPreview});
    picture.SetPrintable(true);
    EXPECT_EQ(picture.GetVisibility(), (TfrxVisibilityTypes{vsPreview, vsPrint}));
}

TEST(View, AnotherFillTypeReplacesTheFillWithItsDefaults)
{
    TfrxMemoView memo;
    memo.SetColor(clRed);
    memo.SetFillType(ftBrush);
    EXPECT_EQ(memo.GetColor(), clRed) << "the same type keeps the fill";

    memo.SetFillType(ftGlass);
    EXPECT_EQ(memo.GetColor(), clNone);
    EXPECT_EQ(static_cast<const TfrxGlassFill*>(memo.GetFill())->GetColor(), clGray);
    const QStringList stored = storedAttributes(memo);
    EXPECT_TRUE(stored.contains("FillType"));
    EXPECT_TRUE(stored.contains("Fill.Color")) << "a new glass fill writes its grey";
    EXPECT_TRUE(stored.contains("Fill.Blend"));
    EXPECT_FALSE(stored.contains("Fill.Hatch"));

    memo.SetColor(clRed);
    EXPECT_EQ(memo.GetColor(), clNone) << "the colour shorthand only reaches a brush fill";
    EXPECT_EQ(memo.GetBrushStyle(), bsClear);
}

TEST(View, SettingAFillTakesItsClassAndProperties)
{
    TfrxMemoView memo;
    TfrxGradientFill gradient;
    gradient.SetStartColor(0x000000);
    gradient.SetEndColor(0x0000FF);
    gradient.SetGradientStyle(gsVertical);
    memo.SetFill(gradient);
    ASSERT_EQ(memo.GetFillType(), ftGradient);
    EXPECT_EQ(static_cast<const TfrxGradientFill*>(memo.GetFill())->GetGradientStyle(), gsVertical);
    EXPECT_EQ(memo.GetColor(), 0x00007F);
}

TEST(View, AGradientReportsTheBlendOfItsColours)
{
    TfrxGradientFill gradient;
    EXPECT_EQ(gradient.GetColor(), 0x808080) << "white to black";
    gradient.SetStartColor(0x102030);
    gradient.SetEndColor(0x102030);
    EXPECT_EQ(gradient.GetColor(), 0x102030);
    gradient.SetStartColor(0x000003);
    gradient.SetEndColor(0x000000);
    EXPECT_EQ(gradient.GetColor(), 0x000002) << "3 - 1.494 rounds to 2";
}

TEST(View, TheBrushStyleShorthandReachesTheBrushFill)
{
    TfrxMemoView memo;
    memo.SetBrushStyle(bsCross);
    EXPECT_EQ(static_cast<const TfrxBrushFill*>(memo.GetFill())->GetStyle(), bsCross);
    EXPECT_EQ(memo.GetBrushStyle(), bsCross);
}

TEST(Frame, TheFramesColorStyleAndWidthSetAllFourLines)
{
    TfrxFrame frame;
    frame.SetColor(clRed);
    frame.SetStyle(fsDot);
    frame.SetWidth(2);
    for (const TfrxFrameLine* line :
         {frame.GetLeftLine(), frame.GetTopLine(), frame.GetRightLine(), frame.GetBottomLine()}) {
        EXPECT_EQ(line->GetColor(), clRed);
        EXPECT_EQ(line->GetStyle(), fsDot);
        EXPECT_EQ(line->GetWidth(), 2);
    }
}

TEST(Frame, ALineIsStoredOnlyWhereItDiffersFromItsFrame)
{
    TfrxMemoView memo;
    EXPECT_EQ(storedAttributes(*memo.GetFrame()), QStringList());
    memo.GetFrame()->SetWidth(2);
    memo.GetFrame()->GetLeftLine()->SetWidth(1);
    EXPECT_EQ(storedAttributes(*memo.GetFrame(), "Frame."),
              (QStringList{"Frame.Width", "Frame.LeftLine.Width"}));
    memo.GetFrame()->SetTyp({ftLeft, ftBottom});
    memo.GetFrame()->GetTopLine()->SetColor(clRed);
    EXPECT_EQ(storedAttributes(*memo.GetFrame(), "Frame."),
              (QStringList{"Frame.Typ", "Frame.Width", "Frame.LeftLine.Width", "Frame.TopLine.Color"}));
}

TEST(Frame, AssignCopiesTheLinesExactly)
{
    TfrxFrame source;
    source.SetWidth(3);
    source.GetRightLine()->SetStyle(fsDouble);
    source.SetDropShadow(true);
    TfrxFrame target;
    target.SetShadowWidth(7);
    target.Assign(source);
    EXPECT_TRUE(target == source);
    EXPECT_EQ(target.GetShadowWidth(), 4);
    EXPECT_EQ(target.GetRightLine()->GetStyle(), fsDouble);
    EXPECT_EQ(target.GetLeftLine()->GetWidth(), 3);
}

TEST(Picture, ANewPictureHasTheDocumentedDefaults)
{
    TfrxPictureView picture;
    EXPECT_FALSE(picture.GetAutoSize());
    EXPECT_FALSE(picture.GetCenter());
    EXPECT_TRUE(picture.GetKeepAspectRatio());
    EXPECT_TRUE(picture.GetStretched());
    EXPECT_FALSE(picture.GetHightQuality());
    EXPECT_FALSE(picture.GetTransparent());
    EXPECT_EQ(picture.GetTransparentColor(), clWhite);
    EXPECT_TRUE(picture.GetIsPictureStored());
    EXPECT_TRUE(picture.GetPicture()->IsEmpty());
    EXPECT_EQ(picture.GetfrComponentStyle(), TfrxComponentStyles{csPreviewVisible});
    EXPECT_EQ(storedAttributes(picture), (QStringList{"Left", "Top", "Width", "Height", "HightQuality",
                                                      "Transparent", "TransparentColor"}));
}

TEST(Picture, ThePictureIsStoredAsItsDataWhileThePictureViewStoresIt)
{
    TfrxPictureView picture;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture.GetPicture()->SetImage(image);
    picture.SetVisibility({vsPreview, vsExport});
    EXPECT_EQ(storedAttributes(picture),
              (QStringList{"Left", "Top", "Width", "Height", "Visibility", "Picture.PropData", "HightQuality",
                           "Transparent", "TransparentColor"}));
    picture.SetIsPictureStored(false);
    EXPECT_FALSE(storedAttributes(picture).contains("Picture.PropData"));
}
