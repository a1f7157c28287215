#include "report/model/TfrxHighlight.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

TfrxHighlight::TfrxHighlight()
{
    FFont.SetColor(clRed);
}

const TfrxPropertyList& TfrxHighlight::GetProperties() const
{
    using H = TfrxHighlight;
    static const TfrxPropertyList list =
        TfrxPropertyTable<H>()
            .Boolean("Active", &H::GetActive, &H::SetActive)
            .NeverStored()
            .Boolean("ApplyFont", &H::GetApplyFont, &H::SetApplyFont)
            .Default(true)
            .Boolean("ApplyFill", &H::GetApplyFill, &H::SetApplyFill)
            .Default(true)
            .Boolean("ApplyFrame", &H::GetApplyFrame, &H::SetApplyFrame)
            .Default(false)
            .Object(pkFont, "Font", "TFont", &H::GetFont)
            .Color("Color", &H::GetColor, &H::SetColor)
            .NeverStored()
            .String("Condition", &H::GetCondition, &H::SetCondition)
            .Enum("FillType", "TfrxFillType", frxFillTypeNames(), &H::GetFillType, &H::SetFillType)
            .Default(ftBrush)
            .Object(pkFill, "Fill", "TfrxCustomFill", &H::GetFill)
            .Object(pkFrame, "Frame", "TfrxFrame", &H::GetFrame)
            .Boolean("Visible", &H::GetVisible, &H::SetVisible)
            .Default(true)
            .Build();
    return list;
}

void TfrxHighlight::Assign(const TfrxHighlight& source)
{
    if (&source == this)
        return;
    frxCopyProperties(*this, source);
    FActive = source.FActive;
}
