#include "report/model/TfrxCustomMemoView.h"

#include "report/model/MemoExpansion.h"
#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportScriptBinding.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/resources/TfrxResources.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/script/VariantOperators.h"

TfrxCustomMemoView::TfrxCustomMemoView(TfrxComponent* AOwner) : TfrxStretcheable(AOwner)
{
    ExcludeComponentStyle(csDefaultDiff);
    IncludeComponentStyle(csHandlesNestedProperties);
}

const TfrxPropertyList& TfrxCustomMemoView::ClassProperties()
{
    using M = TfrxCustomMemoView;
    const TfrxPropertyList& shared = TfrxView::SharedProperties();
    static const TfrxPropertyList list =
        TfrxPropertyTable<M>(TfrxView::ClassProperties())
            .Enum("StretchMode", "TfrxStretchMode", frxStretchModeNames(), &M::GetStretchMode,
                  &M::SetStretchMode)
            .Default(smDontStretch)
            .Boolean("FirstParaBreak", &M::GetFirstParaBreak, &M::SetFirstParaBreak)
            .Default(false)
            .Boolean("LastParaBreak", &M::GetLastParaBreak, &M::SetLastParaBreak)
            .Default(false)
            .Take(shared, {"Cursor", "TagStr", "URL"})
            .Boolean("AutoWidth", &M::GetAutoWidth, &M::SetAutoWidth)
            .Default(false)
            .Boolean("AllowExpressions", &M::GetAllowExpressions, &M::SetAllowExpressions)
            .Default(true)
            .Boolean("AllowHTMLTags", &M::GetAllowHTMLTags, &M::SetAllowHTMLTags)
            .Default(false)
            .Take(shared, {"BrushStyle"})
            .Float("CharSpacing", &M::GetCharSpacing, &M::SetCharSpacing)
            .StoredWhen([](const M& m) { return m.GetCharSpacing() != 0; })
            .Boolean("Clipped", &M::GetClipped, &M::SetClipped)
            .Default(true)
            .Take(shared, {"Color", "DataField", "DataSet", "DataSetName"})
            .Object(pkObject, "DisplayFormat", "TfrxFormat", &M::GetDisplayFormat)
            .StoredWhen([](const M& m) { return m.GetFormatCount() == 1; })
            .String("ExpressionDelimiters", &M::GetExpressionDelimiters, &M::SetExpressionDelimiters)
            .StoredWhen([](const M& m) { return m.GetExpressionDelimiters() != QLatin1String("[,]"); })
            .Reference("FlowTo", "TfrxCustomMemoView", &M::GetFlowTo, &M::SetFlowTo)
            .Object(pkFont, "Font", "TFont", &M::GetFont)
            .StoredWhen([](const M& m) { return !m.GetParentFont(); })
            .Take(shared, {"Frame", "FillType", "Fill"})
            .Float("GapX", &M::GetGapX, &M::SetGapX)
            .StoredWhen([](const M& m) { return m.GetGapX() != 2; })
            .Float("GapY", &M::GetGapY, &M::SetGapY)
            .StoredWhen([](const M& m) { return m.GetGapY() != 1; })
            .Enum("HAlign", "TfrxHAlign", frxHAlignNames(), &M::GetHAlign, &M::SetHAlign)
            .Default(haLeft)
            .Boolean("HideZeros", &M::GetHideZeros, &M::SetHideZeros)
            .Default(false)
            .Object(pkObject, "Highlight", "TfrxHighlight", &M::GetHighlight)
            .StoredWhen([](const M& m) {
                return m.GetHighlightCount() == 1 &&
                       !m.GetHighlightItem(0)->GetCondition().trimmed().isEmpty();
            })
            .Float("LineSpacing", &M::GetLineSpacing, &M::SetLineSpacing)
            .StoredWhen([](const M& m) { return m.GetLineSpacing() != 2; })
            .Strings("Memo", &M::GetMemo, &M::SetMemo)
            .TypeName("TWideStrings")
            .NeverStored()
            .Float("ParagraphGap", &M::GetParagraphGap, &M::SetParagraphGap)
            .StoredWhen([](const M& m) { return m.GetParagraphGap() != 0; })
            .Boolean("ParentFont", &M::GetParentFont, &M::SetParentFont)
            .Default(true)
            .Integer("Rotation", &M::GetRotation, &M::SetRotation)
            .Default(0)
            .Boolean("RTLReading", &M::GetRTLReading, &M::SetRTLReading)
            .Default(false)
            .String("Style", &M::GetStyle, &M::SetStyle)
            .Boolean("SuppressRepeated", &M::GetSuppressRepeated, &M::SetSuppressRepeated)
            .Default(false)
            .Boolean("Underlines", &M::GetUnderlines, &M::SetUnderlines)
            .Default(false)
            .Boolean("UseDefaultCharset", &M::GetUseDefaultCharset, &M::SetUseDefaultCharset)
            .Default(false)
            .Boolean("WordBreak", &M::GetWordBreak, &M::SetWordBreak)
            .Default(false)
            .Boolean("WordWrap", &M::GetWordWrap, &M::SetWordWrap)
            .Default(true)
            .Boolean("Wysiwyg", &M::GetWysiwyg, &M::SetWysiwyg)
            .Default(true)
            .Enum("VAlign", "TfrxVAlign", frxVAlignNames(), &M::GetVAlign, &M::SetVAlign)
            .Default(vaTop)
            .Build();
    return list;
}

QString TfrxCustomMemoView::GetDescription() const
{
    return frxGet(QStringLiteral("obText"));
}

QString TfrxCustomMemoView::GetText() const
{
    QString text;
    for (const QString& line : FMemo)
        text += line + QLatin1String("\r\n");
    return text;
}

void TfrxCustomMemoView::SetText(const QString& Value)
{
    constexpr char16_t kLineSeparator = 0x2028;
    const auto endsLine = [](QChar c) {
        return c == u'\r' || c == u'\n' || c == kLineSeparator || c == u'\0';
    };
    FMemo.clear();
    qsizetype at = 0;
    const qsizetype length = Value.size();
    while (at < length && Value[at] != u'\0') {
        const qsizetype start = at;
        while (at < length && !endsLine(Value[at]))
            ++at;
        FMemo.append(Value.mid(start, at - start));
        for (char16_t skipped : {u'\r', u'\n', kLineSeparator})
            if (at < length && Value[at] == skipped)
                ++at;
    }
}

void TfrxCustomMemoView::SetStyle(const QString& value)
{
    FStyle = value;
    const TfrxReport* report = GetReport();
    if (const TfrxStyleItem* style = report ? report->GetStyles().Find(value) : nullptr)
        ApplyStyle(*style);
}

TfrxFormat* TfrxCustomMemoView::AddFormat()
{
    FFormats.push_back(std::make_unique<TfrxFormat>());
    return FFormats.back().get();
}

TfrxFormat* TfrxCustomMemoView::GetDisplayFormat()
{
    return FFormats.empty() ? AddFormat() : FFormats.front().get();
}

TfrxHighlight* TfrxCustomMemoView::AddHighlight()
{
    FHighlights.push_back(std::make_unique<TfrxHighlight>());
    return FHighlights.back().get();
}

TfrxHighlight* TfrxCustomMemoView::GetHighlight()
{
    return FHighlights.empty() ? AddHighlight() : FHighlights.front().get();
}

namespace {

template <class Item>
void writeItems(TfrxXMLItem& parent, const TfrxXMLSerializer& serializer, const QString& name,
                const std::vector<std::unique_ptr<Item>>& items)
{
    if (items.size() <= 1)
        return;
    QList<const TfrxPersistent*> persistent;
    for (const auto& item : items)
        persistent.append(item.get());
    serializer.WriteCollection(parent, name, persistent);
}

} // namespace

void TfrxCustomMemoView::WriteNestedProperties(TfrxXMLItem& Item, const TfrxXMLSerializer& Serializer) const
{
    writeItems(Item, Serializer, QStringLiteral("Formats"), FFormats);
    writeItems(Item, Serializer, QStringLiteral("Highlights"), FHighlights);
}

bool TfrxCustomMemoView::ReadNestedProperty(const TfrxXMLItem& Item, TfrxXMLSerializer& Serializer)
{
    if (Item.GetName().compare(QLatin1String("Formats"), Qt::CaseInsensitive) == 0)
        Serializer.ReadCollection(Item, [this] { return AddFormat(); });
    else if (Item.GetName().compare(QLatin1String("Highlights"), Qt::CaseInsensitive) == 0)
        Serializer.ReadCollection(Item, [this] { return AddHighlight(); });
    else
        return false;
    return true;
}

void TfrxCustomMemoView::ApplyStyle(const TfrxStyleItem& Style)
{
    if (Style.GetApplyFill())
        SetFill(*Style.GetFill());
    if (Style.GetApplyFont())
        SetFont(*Style.GetFont());
    if (Style.GetApplyFrame())
        SetFrame(*Style.GetFrame());
}

void TfrxCustomMemoView::ApplyHighlight(const TfrxHighlight& AHighlight)
{
    if (AHighlight.GetApplyFont())
        SetFont(*AHighlight.GetFont());
    if (AHighlight.GetApplyFill())
        SetFill(*AHighlight.GetFill());
    if (AHighlight.GetApplyFrame())
        SetFrame(*AHighlight.GetFrame());
    SetVisible(AHighlight.GetVisible());
}

void TfrxCustomMemoView::BeforePrint()
{
    if (!IsDataBound())
        FTempMemo = FMemo;
    TfrxStretcheable::BeforePrint();
}

void TfrxCustomMemoView::GetData()
{
    TfrxStretcheable::GetData();
    TfrxReport* report = GetReport();
    if (!report) {
        GetDisplayFormat();
        return;
    }
    ExpandMemoExpressions(*this, report->GetScript());
    ApplyActiveHighlight(*report);
    if (FSuppressRepeated) {
        const QString text = GetText();
        if (FLastValue.isValid() && FLastValue.toString() == text)
            FMemo.clear();
        else
            FLastValue = text;
    }
}

void TfrxCustomMemoView::AfterPrint()
{
    if (!IsDataBound())
        FMemo = FTempMemo;
    UndoHighlight();
    TfrxStretcheable::AfterPrint();
}

void TfrxCustomMemoView::ApplyActiveHighlight(TfrxReport& report)
{
    for (const auto& highlight : FHighlights) {
        if (highlight->GetCondition().isEmpty())
            continue;
        const TfsVariant holds = report.GetScript().Calc(highlight->GetCondition());
        bool isTrue = false;
        try {
            isTrue = variantEquals(holds, TfsVariant(true));
        } catch (const Exception&) {
            // a condition whose value cannot be compared with true does not hold
        }
        if (!isTrue)
            continue;
        FTempFill.Set(*GetFill());
        FTempFont.Assign(*GetFont());
        FTempParentFont = GetParentFont();
        FTempFrame.Assign(*GetFrame());
        FTempVisible = GetVisible();
        FHighlightActivated = true;
        ApplyHighlight(*highlight);
        return;
    }
}

void TfrxCustomMemoView::UndoHighlight()
{
    if (!FHighlightActivated)
        return;
    FHighlightActivated = false;
    SetFill(*FTempFill.Get());
    SetFont(FTempFont);
    if (FTempParentFont)
        SetParentFont(true);
    SetFrame(FTempFrame);
    SetVisible(FTempVisible);
}

void TfrxCustomMemoView::ExtractMacros()
{
    ::ExtractMacros(*this, FTotalPages, FCopyNo);
}

QString TfrxCustomMemoView::GetComponentText() const
{
    QString text = GetText();
    if (!FAllowExpressions)
        return text;
    const qsizetype at = text.indexOf(QLatin1String("[TOTALPAGES]"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        text.replace(at, 12, QString::number(FTotalPages));
    return text;
}

void TfrxCustomMemoView::AssignProperties(const TfrxComponent& Source)
{
    TfrxStretcheable::AssignProperties(Source);
    const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&Source);
    if (!memo)
        return;
    FMemo = memo->FMemo;
    ClearFormats();
    for (const auto& format : memo->FFormats)
        AddFormat()->Assign(*format);
    ClearHighlights();
    for (const auto& highlight : memo->FHighlights)
        AddHighlight()->Assign(*highlight);
}
