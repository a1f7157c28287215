#pragma once

#include "report/model/TfrxFormat.h"
#include "report/model/TfrxHighlight.h"
#include "report/model/TfrxStretcheable.h"

#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class TfrxStyleItem;

// A text object ("memo"): a list of lines drawn in the memo's bounds, with expressions in
// brackets expanded during preparation.
class TfrxCustomMemoView : public TfrxStretcheable {
public:
    explicit TfrxCustomMemoView(TfrxComponent* AOwner = nullptr);

    QString GetClassName() const override { return QStringLiteral("TfrxCustomMemoView"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    QString GetDescription() const override;

    const QStringList& GetMemo() const { return FMemo; }
    void SetMemo(const QStringList& value) { FMemo = value; }
    // Every line followed by CR LF; empty without lines.
    QString GetText() const;
    // Lines end at CR, LF, CR LF, U+2028 or NUL, and a NUL ends the text; a final line break
    // makes no empty last line.
    void SetText(const QString& Value);

    bool GetFirstParaBreak() const { return FFirstParaBreak; }
    void SetFirstParaBreak(bool value) { FFirstParaBreak = value; }
    bool GetLastParaBreak() const { return FLastParaBreak; }
    void SetLastParaBreak(bool value) { FLastParaBreak = value; }
    bool GetAutoWidth() const { return FAutoWidth; }
    void SetAutoWidth(bool value) { FAutoWidth = value; }
    bool GetAllowExpressions() const { return FAllowExpressions; }
    void SetAllowExpressions(bool value) { FAllowExpressions = value; }
    bool GetAllowHTMLTags() const { return FAllowHTMLTags; }
    void SetAllowHTMLTags(bool value) { FAllowHTMLTags = value; }
    double GetCharSpacing() const { return FCharSpacing; }
    void SetCharSpacing(double value) { FCharSpacing = value; }
    bool GetClipped() const { return FClipped; }
    void SetClipped(bool value) { FClipped = value; }
    const QString& GetExpressionDelimiters() const { return FExpressionDelimiters; }
    void SetExpressionDelimiters(const QString& value) { FExpressionDelimiters = value; }
    TfrxCustomMemoView* GetFlowTo() const { return FFlowTo.Get(); }
    void SetFlowTo(TfrxCustomMemoView* value) { FFlowTo.Set(value); }
    double GetGapX() const { return FGapX; }
    void SetGapX(double value) { FGapX = value; }
    double GetGapY() const { return FGapY; }
    void SetGapY(double value) { FGapY = value; }
    TfrxHAlign GetHAlign() const { return FHAlign; }
    void SetHAlign(TfrxHAlign value) { FHAlign = value; }
    bool GetHideZeros() const { return FHideZeros; }
    void SetHideZeros(bool value) { FHideZeros = value; }
    double GetLineSpacing() const { return FLineSpacing; }
    void SetLineSpacing(double value) { FLineSpacing = value; }
    double GetParagraphGap() const { return FParagraphGap; }
    void SetParagraphGap(double value) { FParagraphGap = value; }
    int GetRotation() const { return FRotation; }
    // Keeps the value modulo 360, sign included.
    void SetRotation(int value) { FRotation = value % 360; }
    bool GetRTLReading() const { return FRTLReading; }
    void SetRTLReading(bool value) { FRTLReading = value; }
    const QString& GetStyle() const { return FStyle; }
    // Applies the report's style of that name at once; an unknown name is only stored.
    void SetStyle(const QString& value);
    bool GetSuppressRepeated() const { return FSuppressRepeated; }
    void SetSuppressRepeated(bool value) { FSuppressRepeated = value; }
    bool GetUnderlines() const { return FUnderlines; }
    void SetUnderlines(bool value) { FUnderlines = value; }
    bool GetUseDefaultCharset() const { return FUseDefaultCharset; }
    void SetUseDefaultCharset(bool value) { FUseDefaultCharset = value; }
    bool GetWordBreak() const { return FWordBreak; }
    void SetWordBreak(bool value) { FWordBreak = value; }
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }
    bool GetWysiwyg() const { return FWysiwyg; }
    void SetWysiwyg(bool value) { FWysiwyg = value; }
    TfrxVAlign GetVAlign() const { return FVAlign; }
    void SetVAlign(TfrxVAlign value) { FVAlign = value; }

    // The last value of an expression of the text.
    const QVariant& GetValue() const { return FValue; }
    void SetValue(const QVariant& value) { FValue = value; }

    int GetFormatCount() const { return static_cast<int>(FFormats.size()); }
    TfrxFormat* GetFormatItem(int index) const { return FFormats.at(index).get(); }
    TfrxFormat* AddFormat();
    void ClearFormats() { FFormats.clear(); }
    // The first format, created when there is none; setting copies into it.
    TfrxFormat* GetDisplayFormat();
    void SetDisplayFormat(const TfrxFormat& value) { GetDisplayFormat()->Assign(value); }

    int GetHighlightCount() const { return static_cast<int>(FHighlights.size()); }
    TfrxHighlight* GetHighlightItem(int index) const { return FHighlights.at(index).get(); }
    TfrxHighlight* AddHighlight();
    void ClearHighlights() { FHighlights.clear(); }
    // The first highlight, created when there is none; setting copies into it.
    TfrxHighlight* GetHighlight();
    void SetHighlight(const TfrxHighlight& value) { GetHighlight()->Assign(value); }

    // Formats and Highlights, each as a nested collection when it holds more than one item (a
    // single one is written as DisplayFormat or Highlight).
    void WriteNestedProperties(TfrxXMLItem& Item, const TfrxXMLSerializer& Serializer) const override;
    bool ReadNestedProperty(const TfrxXMLItem& Item, TfrxXMLSerializer& Serializer) override;

    // Fill, then font, then frame, as far as the style's Apply flags say.
    void ApplyStyle(const TfrxStyleItem& Style);
    // Font, fill and frame as far as the highlight's Apply flags say, then its Visible.
    void ApplyHighlight(const TfrxHighlight& AHighlight);

    // One output during preparation. BeforePrint remembers the text (unless the memo is bound to
    // a data field); GetData expands the bracketed expressions, sets the script's "Value", applies
    // the first highlight whose condition holds and empties a repeated text when SuppressRepeated
    // is on; AfterPrint puts the text back and undoes the highlight. Expression errors are recorded
    // in the report's errors, prefixed with the memo's name, and raised.
    void BeforePrint() override;
    void GetData() override;
    void AfterPrint() override;

    // Handed over by the prepared pages when a page is drawn.
    int GetTotalPages() const { return FTotalPages; }
    void SetTotalPages(int value) { FTotalPages = value; }
    int GetCopyNo() const { return FCopyNo; }
    void SetCopyNo(int value) { FCopyNo = value; }
    // At drawing time: "[TotalPages#]" becomes TotalPages, "[CopyName#]" the copy's name.
    void ExtractMacros();
    // The text with its first "[TOTALPAGES]" replaced by TotalPages, for searching and exports.
    QString GetComponentText() const;

protected:
    void AssignProperties(const TfrxComponent& Source) override;

private:
    QStringList FMemo;
    bool FFirstParaBreak = false;
    bool FLastParaBreak = false;
    bool FAutoWidth = false;
    bool FAllowExpressions = true;
    bool FAllowHTMLTags = false;
    double FCharSpacing = 0;
    bool FClipped = true;
    QString FExpressionDelimiters = QStringLiteral("[,]");
    TfrxObjectRef<TfrxCustomMemoView> FFlowTo;
    double FGapX = 2;
    double FGapY = 1;
    TfrxHAlign FHAlign = haLeft;
    bool FHideZeros = false;
    double FLineSpacing = 2;
    double FParagraphGap = 0;
    int FRotation = 0;
    bool FRTLReading = false;
    QString FStyle;
    bool FSuppressRepeated = false;
    bool FUnderlines = false;
    bool FUseDefaultCharset = false;
    bool FWordBreak = false;
    bool FWordWrap = true;
    bool FWysiwyg = true;
    TfrxVAlign FVAlign = vaTop;
    QVariant FValue;
    std::vector<std::unique_ptr<TfrxFormat>> FFormats;
    std::vector<std::unique_ptr<TfrxHighlight>> FHighlights;
    // Per-output state.
    QStringList FTempMemo;
    QVariant FLastValue;
    bool FHighlightActivated = false;
    FillSlot FTempFill;
    TfrxFont FTempFont;
    TfrxFrame FTempFrame;
    bool FTempParentFont = true;
    bool FTempVisible = true;
    int FTotalPages = 0;
    int FCopyNo = 0;

    bool IsDataBound() const { return GetDataSet() && !GetDataField().isEmpty(); }
    void ApplyActiveHighlight(TfrxReport& report);
    void UndoHighlight();
};
