#pragma once

#include "report/model/TfrxFill.h"
#include "report/model/TfrxFont.h"
#include "report/model/TfrxFrame.h"

// A conditional appearance of a memo: while Condition holds during preparation, the memo takes
// the font, fill and frame that the Apply flags name, and the highlight's Visible.
class TfrxHighlight : public TfrxPersistent {
public:
    // Applies font (Arial 10, red) and fill, not the frame.
    TfrxHighlight();

    QString GetClassName() const override { return QStringLiteral("TfrxHighlight"); }
    const TfrxPropertyList& GetProperties() const override;

    bool GetActive() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    bool GetApplyFont() const { return FApplyFont; }
    void SetApplyFont(bool value) { FApplyFont = value; }
    bool GetApplyFill() const { return FApplyFill; }
    void SetApplyFill(bool value) { FApplyFill = value; }
    bool GetApplyFrame() const { return FApplyFrame; }
    void SetApplyFrame(bool value) { FApplyFrame = value; }
    TfrxFont* GetFont() { return &FFont; }
    const TfrxFont* GetFont() const { return &FFont; }
    TColor GetColor() const { return FFill.GetColor(); }
    void SetColor(TColor value) { FFill.SetColor(value); }
    const QString& GetCondition() const { return FCondition; }
    void SetCondition(const QString& value) { FCondition = value; }
    TfrxFillType GetFillType() const { return FFill.GetFillType(); }
    void SetFillType(TfrxFillType value) { FFill.SetFillType(value); }
    TfrxCustomFill* GetFill() { return FFill.Get(); }
    const TfrxCustomFill* GetFill() const { return FFill.Get(); }
    TfrxFrame* GetFrame() { return &FFrame; }
    const TfrxFrame* GetFrame() const { return &FFrame; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }

    void Assign(const TfrxHighlight& source);

private:
    bool FActive = false;
    bool FApplyFont = true;
    bool FApplyFill = true;
    bool FApplyFrame = false;
    TfrxFont FFont;
    QString FCondition;
    FillSlot FFill;
    TfrxFrame FFrame;
    bool FVisible = true;
};
