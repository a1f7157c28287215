#include "report/model/TfrxView.h"

#include "report/model/MemoExpansion.h"
#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportScriptBinding.h"

TfrxView::TfrxView(TfrxComponent* AOwner) : TfrxReportComponent(AOwner)
{
    IncludeComponentStyle(csDefaultDiff);
}

const TfrxPropertyList& TfrxView::ClassProperties()
{
    using V = TfrxView;
    static const TfrxPropertyList list =
        TfrxPropertyTable<V>(TfrxComponent::ClassProperties())
            .String("Description", &V::GetDescriptionText, &V::SetDescription)
            .Enum("Align", "TfrxAlign", frxAlignNames(), &V::GetAlign, &V::SetAlign)
            .Default(baNone)
            .Boolean("Printable", &V::GetPrintable, &V::SetPrintable)
            .NeverStored()
            .Enum("ShiftMode", "TfrxShiftMode", frxShiftModeNames(), &V::GetShiftMode, &V::SetShiftMode)
            .Default(smAlways)
            .Float("Left", &V::GetLeft, &V::SetLeft)
            .Float("Top", &V::GetTop, &V::SetTop)
            .Float("Width", &V::GetWidth, &V::SetWidth)
            .Float("Height", &V::GetHeight, &V::SetHeight)
            .Integer("GroupIndex", &V::GetGroupIndex, &V::SetGroupIndex)
            .Default(0)
            .Set("Restrictions", "TfrxRestrictions", frxRestrictionNames(), &V::GetRestrictions,
                 &V::SetRestrictions)
            .Default(TfrxRestrictions())
            .Boolean("Visible", &V::GetVisible, &V::SetVisible)
            .Default(true)
            .Event("OnAfterData", &V::GetOnAfterData, &V::SetOnAfterData)
            .Event("OnAfterPrint", &V::GetOnAfterPrint, &V::SetOnAfterPrint)
            .Event("OnBeforePrint", &V::GetOnBeforePrint, &V::SetOnBeforePrint)
            .Event("OnMouseEnter", &V::GetOnMouseEnter, &V::SetOnMouseEnter)
            .Event("OnMouseLeave", &V::GetOnMouseLeave, &V::SetOnMouseLeave)
            .Event("OnMouseDown", &V::GetOnMouseDown, &V::SetOnMouseDown)
            .Event("OnMouseMove", &V::GetOnMouseMove, &V::SetOnMouseMove)
            .Event("OnMouseUp", &V::GetOnMouseUp, &V::SetOnMouseUp)
            .Event("OnPreviewClick", &V::GetOnPreviewClick, &V::SetOnPreviewClick)
            .Event("OnPreviewDblClick", &V::GetOnPreviewDblClick, &V::SetOnPreviewDblClick)
            .Object(pkObject, "Hyperlink", "TfrxHyperlink", &V::GetHyperlink)
            .String("Hint", &V::GetHint, &V::SetHint)
            .Boolean("ShowHint", &V::GetShowHint, &V::SetShowHint)
            .Default(false)
            .Set("Visibility", "TfrxVisibilityTypes", frxVisibilityNames(), &V::GetVisibility,
                 &V::SetVisibility)
            .Default(kAllVisibilities)
            .Build();
    return list;
}

const TfrxPropertyList& TfrxView::SharedProperties()
{
    using V = TfrxView;
    static const TfrxPropertyList list =
        TfrxPropertyTable<V>()
            .Integer("Cursor", &V::GetCursor, &V::SetCursor)
            .TypeName("TCursor")
            .Default(0)
            .String("TagStr", &V::GetTagStr, &V::SetTagStr)
            .String("URL", &V::GetURL, &V::SetURL)
            .NeverStored()
            .String("DataField", &V::GetDataField, &V::SetDataField)
            .Reference("DataSet", "TfrxDataSet", &V::GetDataSet, &V::SetDataSet)
            .String("DataSetName", &V::GetDataSetName, &V::SetDataSetName)
            .Object(pkFrame, "Frame", "TfrxFrame", &V::GetFrame)
            .Enum("FillType", "TfrxFillType", frxFillTypeNames(), &V::GetFillType, &V::SetFillType)
            .Default(ftBrush)
            .Object(pkFill, "Fill", "TfrxCustomFill", &V::GetFill)
            .Color("Color", &V::GetColor, &V::SetColor)
            .NeverStored()
            .Enum("BrushStyle", "TBrushStyle", frxBrushStyleNames(), &V::GetBrushStyle, &V::SetBrushStyle)
            .NeverStored()
            .Build();
    return list;
}

void TfrxView::BeforePrint()
{
    TfrxReportComponent::BeforePrint();
    FTempTagStr = FTagStr;
    FTempHyperlink = FHyperlink.GetValue();
    if (TfrxReport* report = GetReport())
        report->GetScript().SetSelf(this);
}

void TfrxView::GetData()
{
    TfrxReport* report = GetReport();
    if (!report)
        return;
    TfrxReportScriptBinding& script = report->GetScript();
    FTagStr = frxExpandText(FTagStr, script);
    FHyperlink.SetValue(frxExpandText(FHyperlink.GetValue(), script));
    if (!FHyperlink.GetExpression().isEmpty())
        FHyperlink.SetValue(VarToStr(script.Calc(FHyperlink.GetExpression())));
}

void TfrxView::AfterPrint()
{
    FTagStr = FTempTagStr;
    FHyperlink.SetValue(FTempHyperlink);
    TfrxReportComponent::AfterPrint();
}

void TfrxView::SetPrintable(bool value)
{
    if (value)
        FVisibility.include(vsPrint);
    else
        FVisibility.exclude(vsPrint);
}

void TfrxView::SetURL(const QString& value)
{
    if (value.isEmpty())
        return;
    FURL = value;
    constexpr qsizetype kMaxTarget = 255;
    if (value.startsWith(u'@')) {
        FHyperlink.SetKind(hkPageNumber);
        FHyperlink.SetValue(value.mid(1, kMaxTarget));
    } else if (value.startsWith(u'#')) {
        FHyperlink.SetKind(hkAnchor);
        FHyperlink.SetValue(value.mid(1, kMaxTarget));
    } else {
        FHyperlink.SetKind(hkURL);
        FHyperlink.SetValue(value);
    }
}
