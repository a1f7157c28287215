#pragma once

#include "report/model/TfrxFill.h"
#include "report/model/TfrxFrame.h"
#include "report/model/TfrxHyperlink.h"
#include "report/model/TfrxObjectRef.h"
#include "report/model/TfrxReportComponent.h"

#include <memory>

// A visible object of a page, with its owned frame, fill and hyperlink.
class TfrxView : public TfrxReportComponent {
public:
    explicit TfrxView(TfrxComponent* AOwner = nullptr);

    QString GetClassName() const override { return QStringLiteral("TfrxView"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    // Properties every view has but each kind of view lists at its own place (TfrxPropertyTable::Take).
    static const TfrxPropertyList& SharedProperties();

    TfrxAlign GetAlign() const { return FAlign; }
    void SetAlign(TfrxAlign value) { FAlign = value; }
    TfrxShiftMode GetShiftMode() const { return FShiftMode; }
    void SetShiftMode(TfrxShiftMode value) { FShiftMode = value; }
    TfrxVisibilityTypes GetVisibility() const { return FVisibility; }
    void SetVisibility(TfrxVisibilityTypes value) { FVisibility = value; }
    // Whether Visibility contains vsPrint; setting leaves the other two alone.
    bool GetPrintable() const { return FVisibility.contains(vsPrint); }
    void SetPrintable(bool value);

    TfrxFrame* GetFrame() { return &FFrame; }
    const TfrxFrame* GetFrame() const { return &FFrame; }
    void SetFrame(const TfrxFrame& value) { FFrame.Assign(value); }

    TfrxFillType GetFillType() const { return FFill.GetFillType(); }
    void SetFillType(TfrxFillType value) { FFill.SetFillType(value); }
    TfrxCustomFill* GetFill() { return FFill.Get(); }
    const TfrxCustomFill* GetFill() const { return FFill.Get(); }
    void SetFill(const TfrxCustomFill& value) { FFill.Set(value); }
    // Shorthands of the brush fill's BackColor and Style (see FillSlot).
    TColor GetColor() const { return FFill.GetColor(); }
    void SetColor(TColor value) { FFill.SetColor(value); }
    TBrushStyle GetBrushStyle() const { return FFill.GetBrushStyle(); }
    void SetBrushStyle(TBrushStyle value) { FFill.SetBrushStyle(value); }

    TfrxHyperlink* GetHyperlink() { return &FHyperlink; }
    const TfrxHyperlink* GetHyperlink() const { return &FHyperlink; }
    void SetHyperlink(const TfrxHyperlink& value) { FHyperlink.Assign(value); }
    // "@n" links to page n, "#name" to an anchor, anything else to a URL; empty does nothing.
    const QString& GetURL() const { return FURL; }
    void SetURL(const QString& value);

    int GetCursor() const { return FCursor; }
    void SetCursor(int value) { FCursor = value; }
    const QString& GetTagStr() const { return FTagStr; }
    void SetTagStr(const QString& value) { FTagStr = value; }
    const QString& GetHint() const { return FHint; }
    void SetHint(const QString& value) { FHint = value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    const QString& GetDataField() const { return FDataField; }
    void SetDataField(const QString& value) { FDataField = value; }
    TfrxComponent* GetDataSet() const { return FDataSet.Get(); }
    void SetDataSet(TfrxComponent* value) { FDataSet.Set(value); }
    const QString& GetDataSetName() const { return FDataSetName; }
    void SetDataSetName(const QString& value) { FDataSetName = value; }

    const QString& GetOnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(const QString& value) { FOnMouseEnter = value; }
    const QString& GetOnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(const QString& value) { FOnMouseLeave = value; }
    const QString& GetOnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(const QString& value) { FOnMouseDown = value; }
    const QString& GetOnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(const QString& value) { FOnMouseMove = value; }
    const QString& GetOnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(const QString& value) { FOnMouseUp = value; }

    // Drawing without background, text in black; and plain-text output for exports.
    bool GetDrawAsMask() const { return FDrawAsMask; }
    void SetDrawAsMask(bool value) { FDrawAsMask = value; }
    bool GetPlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }

    // One output during preparation: BeforePrint also remembers TagStr and Hyperlink.Value and
    // makes the view the script's Self; GetData expands the bracketed expressions of both and
    // evaluates Hyperlink.Expression; AfterPrint puts them back.
    void BeforePrint() override;
    void GetData() override;
    void AfterPrint() override;

private:
    TfrxAlign FAlign = baNone;
    TfrxShiftMode FShiftMode = smAlways;
    TfrxVisibilityTypes FVisibility = kAllVisibilities;
    TfrxFrame FFrame;
    FillSlot FFill;
    TfrxHyperlink FHyperlink;
    QString FURL;
    int FCursor = 0;
    QString FTagStr;
    QString FHint;
    bool FShowHint = false;
    QString FDataField;
    TfrxObjectRef<TfrxComponent> FDataSet;
    QString FDataSetName;
    QString FOnMouseEnter;
    QString FOnMouseLeave;
    QString FOnMouseDown;
    QString FOnMouseMove;
    QString FOnMouseUp;
    bool FDrawAsMask = false;
    bool FPlainText = false;
    QString FTempTagStr;
    QString FTempHyperlink;
};
