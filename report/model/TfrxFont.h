#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

#include <QString>

#include <functional>

// A font description: family, height in pixels at PixelsPerInch (negative: character height),
// character set number, colour and style. Size in points follows from the height.
class TfrxFont : public TfrxPersistent {
public:
    // Arial, 10 points at 96 pixels per inch (height -13), black, the default character set.
    TfrxFont();

    QString GetClassName() const override { return QStringLiteral("TFont"); }
    const TfrxPropertyList& GetProperties() const override;
    static const TfrxPropertyList& ClassProperties();

    const QString& GetName() const { return FName; }
    void SetName(const QString& value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    int GetSize() const;
    void SetSize(int value);
    int GetCharset() const { return FCharset; }
    void SetCharset(int value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TFontPitch GetPitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    int GetOrientation() const { return FOrientation; }
    void SetOrientation(int value);
    TFontQuality GetQuality() const { return FQuality; }
    void SetQuality(TFontQuality value);
    int GetPixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value);

    void Assign(const TfrxFont& source);

    // Called after every setter and every Assign, also when the value stays the same, so that
    // whoever reads a font from a template knows the font was given explicitly.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    QString FName;
    int FHeight;
    int FCharset;
    TColor FColor;
    TFontStyles FStyle;
    TFontPitch FPitch;
    int FOrientation;
    TFontQuality FQuality;
    int FPixelsPerInch;
    std::function<void()> FOnChange;
};
