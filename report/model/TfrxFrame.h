#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

class TfrxFrame;

// One side of a frame. Templates store a property of a line only where it differs from the
// same property of its frame.
class TfrxFrameLine : public TfrxPersistent {
public:
    explicit TfrxFrameLine(const TfrxFrame& frame) : FFrame(frame) {}

    QString GetClassName() const override { return QStringLiteral("TfrxFrameLine"); }
    const TfrxPropertyList& GetProperties() const override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TfrxFrameStyle GetStyle() const { return FStyle; }
    void SetStyle(TfrxFrameStyle value) { FStyle = value; }
    double GetWidth() const { return FWidth; }
    void SetWidth(double value) { FWidth = value; }

    const TfrxFrame& GetFrame() const { return FFrame; }
    bool operator==(const TfrxFrameLine& other) const;

private:
    const TfrxFrame& FFrame;
    TColor FColor = clBlack;
    TfrxFrameStyle FStyle = fsSolid;
    double FWidth = 1;
};

// The lines drawn along an object's edges; Typ says which edges have one. Setting the frame's
// Color, Style or Width sets that of all four lines.
class TfrxFrame : public TfrxPersistent {
public:
    TfrxFrame();

    QString GetClassName() const override { return QStringLiteral("TfrxFrame"); }
    const TfrxPropertyList& GetProperties() const override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    bool GetDropShadow() const { return FDropShadow; }
    void SetDropShadow(bool value) { FDropShadow = value; }
    TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { FShadowColor = value; }
    double GetShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(double value) { FShadowWidth = value; }
    TfrxFrameStyle GetStyle() const { return FStyle; }
    void SetStyle(TfrxFrameStyle value);
    TfrxFrameTypes GetTyp() const { return FTyp; }
    void SetTyp(TfrxFrameTypes value) { FTyp = value; }
    double GetWidth() const { return FWidth; }
    void SetWidth(double value);

    TfrxFrameLine* GetLeftLine() { return &FLeftLine; }
    TfrxFrameLine* GetTopLine() { return &FTopLine; }
    TfrxFrameLine* GetRightLine() { return &FRightLine; }
    TfrxFrameLine* GetBottomLine() { return &FBottomLine; }
    const TfrxFrameLine* GetLeftLine() const { return &FLeftLine; }
    const TfrxFrameLine* GetTopLine() const { return &FTopLine; }
    const TfrxFrameLine* GetRightLine() const { return &FRightLine; }
    const TfrxFrameLine* GetBottomLine() const { return &FBottomLine; }

    void Assign(const TfrxFrame& source);
    bool operator==(const TfrxFrame& other) const;

private:
    TColor FColor = clBlack;
    bool FDropShadow = false;
    TColor FShadowColor = clBlack;
    double FShadowWidth = 4;
    TfrxFrameStyle FStyle = fsSolid;
    TfrxFrameTypes FTyp;
    double FWidth = 1;
    TfrxFrameLine FLeftLine;
    TfrxFrameLine FTopLine;
    TfrxFrameLine FRightLine;
    TfrxFrameLine FBottomLine;
};
