#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

#include <memory>

// The background of a view; its class follows the view's FillType.
class TfrxCustomFill : public TfrxPersistent {
public:
    virtual TfrxFillType GetFillType() const = 0;

    // A fill of the class that a FillType names, with its defaults.
    static std::unique_ptr<TfrxCustomFill> Create(TfrxFillType type);
    // Copies a fill of the same class.
    void Assign(const TfrxCustomFill& source);
};

class TfrxBrushFill : public TfrxCustomFill {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxBrushFill"); }
    const TfrxPropertyList& GetProperties() const override;
    TfrxFillType GetFillType() const override { return ftBrush; }

    TColor GetBackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { FBackColor = value; }
    TColor GetForeColor() const { return FForeColor; }
    void SetForeColor(TColor value) { FForeColor = value; }
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle value) { FStyle = value; }

private:
    TColor FBackColor = clNone;
    TColor FForeColor = clBlack;
    TBrushStyle FStyle = bsSolid;
};

class TfrxGradientFill : public TfrxCustomFill {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxGradientFill"); }
    const TfrxPropertyList& GetProperties() const override;
    TfrxFillType GetFillType() const override { return ftGradient; }

    TColor GetStartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { FStartColor = value; }
    TColor GetEndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { FEndColor = value; }
    TfrxGradientStyle GetGradientStyle() const { return FGradientStyle; }
    void SetGradientStyle(TfrxGradientStyle value) { FGradientStyle = value; }

    // The colour between start and end that a view reports as its Color.
    TColor GetColor() const;

private:
    TColor FStartColor = clWhite;
    TColor FEndColor = clBlack;
    TfrxGradientStyle FGradientStyle = gsHorizontal;
};

class TfrxGlassFill : public TfrxCustomFill {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxGlassFill"); }
    const TfrxPropertyList& GetProperties() const override;
    TfrxFillType GetFillType() const override { return ftGlass; }

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    double GetBlend() const { return FBlend; }
    void SetBlend(double value) { FBlend = value; }
    bool GetHatch() const { return FHatch; }
    void SetHatch(bool value) { FHatch = value; }
    TfrxFillOrientation GetOrientation() const { return FOrientation; }
    void SetOrientation(TfrxFillOrientation value) { FOrientation = value; }

private:
    TColor FColor = clGray;
    double FBlend = 0.5;
    bool FHatch = false;
    TfrxFillOrientation FOrientation = foHorizontal;
};

// The owned fill of a view, highlight or style, replaced when another fill type is asked for.
class FillSlot {
public:
    FillSlot() : FFill(std::make_unique<TfrxBrushFill>()) {}

    TfrxFillType GetFillType() const { return FFill->GetFillType(); }
    // Replaces the fill by one of the requested class with its defaults, unless it has it already.
    void SetFillType(TfrxFillType value);
    TfrxCustomFill* Get() { return FFill.get(); }
    const TfrxCustomFill* Get() const { return FFill.get(); }
    // Takes the class of value, then its properties.
    void Set(const TfrxCustomFill& value);

    // The brush fill's BackColor; a blend of a gradient's colours; none for glass. Setting only
    // affects a brush fill.
    TColor GetColor() const;
    void SetColor(TColor value);
    // The brush fill's Style, bsClear for other fills; setting only affects a brush fill.
    TBrushStyle GetBrushStyle() const;
    void SetBrushStyle(TBrushStyle value);

private:
    std::unique_ptr<TfrxCustomFill> FFill;
};
