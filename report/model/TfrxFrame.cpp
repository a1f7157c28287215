#include "report/model/TfrxFrame.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxFrameLine::GetProperties() const
{
    using L = TfrxFrameLine;
    static const TfrxPropertyList list =
        TfrxPropertyTable<L>()
            .Color("Color", &L::GetColor, &L::SetColor)
            .StoredWhen([](const L& l) { return l.GetColor() != l.GetFrame().GetColor(); })
            .Enum("Style", "TfrxFrameStyle", frxFrameStyleNames(), &L::GetStyle, &L::SetStyle)
            .StoredWhen([](const L& l) { return l.GetStyle() != l.GetFrame().GetStyle(); })
            .Float("Width", &L::GetWidth, &L::SetWidth)
            .StoredWhen([](const L& l) { return l.GetWidth() != l.GetFrame().GetWidth(); })
            .Build();
    return list;
}

bool TfrxFrameLine::operator==(const TfrxFrameLine& other) const
{
    return FColor == other.FColor && FStyle == other.FStyle && FWidth == other.FWidth;
}

TfrxFrame::TfrxFrame() : FLeftLine(*this), FTopLine(*this), FRightLine(*this), FBottomLine(*this) {}

const TfrxPropertyList& TfrxFrame::GetProperties() const
{
    using F = TfrxFrame;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .Color("Color", &F::GetColor, &F::SetColor)
            .Default(clBlack)
            .Boolean("DropShadow", &F::GetDropShadow, &F::SetDropShadow)
            .Default(false)
            .Color("ShadowColor", &F::GetShadowColor, &F::SetShadowColor)
            .Default(clBlack)
            .Float("ShadowWidth", &F::GetShadowWidth, &F::SetShadowWidth)
            .StoredWhen([](const F& f) { return f.GetShadowWidth() != 4; })
            .Enum("Style", "TfrxFrameStyle", frxFrameStyleNames(), &F::GetStyle, &F::SetStyle)
            .Default(fsSolid)
            .Set("Typ", "TfrxFrameTypes", frxFrameTypeNames(), &F::GetTyp, &F::SetTyp)
            .Default(TfrxFrameTypes())
            .Float("Width", &F::GetWidth, &F::SetWidth)
            .StoredWhen([](const F& f) { return f.GetWidth() != 1; })
            .Object(pkObject, "LeftLine", "TfrxFrameLine", &F::GetLeftLine)
            .Object(pkObject, "TopLine", "TfrxFrameLine", &F::GetTopLine)
            .Object(pkObject, "RightLine", "TfrxFrameLine", &F::GetRightLine)
            .Object(pkObject, "BottomLine", "TfrxFrameLine", &F::GetBottomLine)
            .Build();
    return list;
}

void TfrxFrame::SetColor(TColor value)
{
    FColor = value;
    for (TfrxFrameLine* line : {&FLeftLine, &FTopLine, &FRightLine, &FBottomLine})
        line->SetColor(value);
}

void TfrxFrame::SetStyle(TfrxFrameStyle value)
{
    FStyle = value;
    for (TfrxFrameLine* line : {&FLeftLine, &FTopLine, &FRightLine, &FBottomLine})
        line->SetStyle(value);
}

void TfrxFrame::SetWidth(double value)
{
    FWidth = value;
    for (TfrxFrameLine* line : {&FLeftLine, &FTopLine, &FRightLine, &FBottomLine})
        line->SetWidth(value);
}

void TfrxFrame::Assign(const TfrxFrame& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}

bool TfrxFrame::operator==(const TfrxFrame& other) const
{
    return FColor == other.FColor && FDropShadow == other.FDropShadow && FShadowColor == other.FShadowColor &&
           FShadowWidth == other.FShadowWidth && FStyle == other.FStyle && FTyp == other.FTyp &&
           FWidth == other.FWidth && FLeftLine == other.FLeftLine && FTopLine == other.FTopLine &&
           FRightLine == other.FRightLine && FBottomLine == other.FBottomLine;
}
