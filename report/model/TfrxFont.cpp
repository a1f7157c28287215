#include "report/model/TfrxFont.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

#include <cmath>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c)
{
    return c == 0 ? -1 : static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

} // namespace

TfrxFont::TfrxFont()
    : FName(QStringLiteral("Arial")), FHeight(-13), FCharset(DEFAULT_CHARSET), FColor(clBlack),
      FPitch(fpDefault), FOrientation(0), FQuality(fqDefault), FPixelsPerInch(96)
{
}

const TfrxPropertyList& TfrxFont::GetProperties() const
{
    return ClassProperties();
}

const TfrxPropertyList& TfrxFont::ClassProperties()
{
    using F = TfrxFont;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .Integer("Charset", &F::GetCharset, &F::SetCharset)
            .TypeName("TFontCharset")
            .Color("Color", &F::GetColor, &F::SetColor)
            .Integer("Height", &F::GetHeight, &F::SetHeight)
            .String("Name", &F::GetName, &F::SetName)
            .TypeName("TFontName")
            .Integer("Orientation", &F::GetOrientation, &F::SetOrientation)
            .Default(0)
            .Enum("Pitch", "TFontPitch", frxFontPitchNames(), &F::GetPitch, &F::SetPitch)
            .Default(fpDefault)
            .Integer("Size", &F::GetSize, &F::SetSize)
            .NeverStored()
            .Set("Style", "TFontStyles", frxFontStyleNames(), &F::GetStyle, &F::SetStyle)
            .Enum("Quality", "TFontQuality", frxFontQualityNames(), &F::GetQuality, &F::SetQuality)
            .Default(fqDefault)
            .Build();
    return list;
}

void TfrxFont::SetName(const QString& value)
{
    FName = value;
    Changed();
}

void TfrxFont::SetHeight(int value)
{
    FHeight = value;
    Changed();
}

int TfrxFont::GetSize() const
{
    return -mulDiv(FHeight, 72, FPixelsPerInch);
}

void TfrxFont::SetSize(int value)
{
    SetHeight(-mulDiv(value, FPixelsPerInch, 72));
}

void TfrxFont::SetCharset(int value)
{
    FCharset = value;
    Changed();
}

void TfrxFont::SetColor(TColor value)
{
    FColor = value;
    Changed();
}

void TfrxFont::SetStyle(TFontStyles value)
{
    FStyle = value;
    Changed();
}

void TfrxFont::SetPitch(TFontPitch value)
{
    FPitch = value;
    Changed();
}

void TfrxFont::SetOrientation(int value)
{
    FOrientation = value;
    Changed();
}

void TfrxFont::SetQuality(TFontQuality value)
{
    FQuality = value;
    Changed();
}

void TfrxFont::SetPixelsPerInch(int value)
{
    FPixelsPerInch = value;
    Changed();
}

void TfrxFont::Assign(const TfrxFont& source)
{
    FName = source.FName;
    FHeight = source.FHeight;
    FCharset = source.FCharset;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FPitch = source.FPitch;
    FOrientation = source.FOrientation;
    FQuality = source.FQuality;
    FPixelsPerInch = source.FPixelsPerInch;
    Changed();
}

void TfrxFont::Changed()
{
    if (FOnChange)
        FOnChange();
}
