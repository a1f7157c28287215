#include "report/model/TfrxFill.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

#include <cmath>

std::unique_ptr<TfrxCustomFill> TfrxCustomFill::Create(TfrxFillType type)
{
    switch (type) {
    case ftGradient:
        return std::make_unique<TfrxGradientFill>();
    case ftGlass:
        return std::make_unique<TfrxGlassFill>();
    default:
        return std::make_unique<TfrxBrushFill>();
    }
}

void TfrxCustomFill::Assign(const TfrxCustomFill& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}

const TfrxPropertyList& TfrxBrushFill::GetProperties() const
{
    using F = TfrxBrushFill;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .Color("BackColor", &F::GetBackColor, &F::SetBackColor)
            .Default(clNone)
            .Color("ForeColor", &F::GetForeColor, &F::SetForeColor)
            .Default(clBlack)
            .Enum("Style", "TBrushStyle", frxBrushStyleNames(), &F::GetStyle, &F::SetStyle)
            .Default(bsSolid)
            .Build();
    return list;
}

const TfrxPropertyList& TfrxGradientFill::GetProperties() const
{
    using F = TfrxGradientFill;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .Color("StartColor", &F::GetStartColor, &F::SetStartColor)
            .Default(clWhite)
            .Color("EndColor", &F::GetEndColor, &F::SetEndColor)
            .Default(clBlack)
            .Enum("GradientStyle", "TfrxGradientStyle", frxGradientStyleNames(), &F::GetGradientStyle,
                  &F::SetGradientStyle)
            .Build();
    return list;
}

TColor TfrxGradientFill::GetColor() const
{
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        const int start = (FStartColor >> shift) & 0xFF;
        const int end = (FEndColor >> shift) & 0xFF;
        const int channel = start + static_cast<int>(std::lround(127.0 * (end - start) / 255));
        result |= (channel & 0xFF) << shift;
    }
    return result;
}

const TfrxPropertyList& TfrxGlassFill::GetProperties() const
{
    using F = TfrxGlassFill;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .Color("Color", &F::GetColor, &F::SetColor)
            .Default(clWhite)
            .Float("Blend", &F::GetBlend, &F::SetBlend)
            .Boolean("Hatch", &F::GetHatch, &F::SetHatch)
            .Default(false)
            .Enum("Orientation", "TfrxFillOrientation", frxFillOrientationNames(), &F::GetOrientation,
                  &F::SetOrientation)
            .Default(foHorizontal)
            .Build();
    return list;
}

void FillSlot::SetFillType(TfrxFillType value)
{
    if (FFill->GetFillType() != value)
        FFill = TfrxCustomFill::Create(value);
}

void FillSlot::Set(const TfrxCustomFill& value)
{
    SetFillType(value.GetFillType());
    FFill->Assign(value);
}

TColor FillSlot::GetColor() const
{
    if (auto* brush = dynamic_cast<const TfrxBrushFill*>(FFill.get()))
        return brush->GetBackColor();
    if (auto* gradient = dynamic_cast<const TfrxGradientFill*>(FFill.get()))
        return gradient->GetColor();
    return clNone;
}

void FillSlot::SetColor(TColor value)
{
    if (auto* brush = dynamic_cast<TfrxBrushFill*>(FFill.get()))
        brush->SetBackColor(value);
}

TBrushStyle FillSlot::GetBrushStyle() const
{
    if (auto* brush = dynamic_cast<const TfrxBrushFill*>(FFill.get()))
        return brush->GetStyle();
    return bsClear;
}

void FillSlot::SetBrushStyle(TBrushStyle value)
{
    if (auto* brush = dynamic_cast<TfrxBrushFill*>(FFill.get()))
        brush->SetStyle(value);
}
