#pragma once

#include "report/model/TfrxPicture.h"
#include "report/model/TfrxView.h"

// A picture object: one graphic drawn into the object's bounds.
class TfrxPictureView : public TfrxView {
public:
    explicit TfrxPictureView(TfrxComponent* AOwner = nullptr);

    QString GetClassName() const override { return QStringLiteral("TfrxPictureView"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    QString GetDescription() const override;

    // With AutoSize on, every change of the graphic sizes the object to the graphic's pixels.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool GetCenter() const { return FCenter; }
    void SetCenter(bool value) { FCenter = value; }
    const QString& GetFileLink() const { return FFileLink; }
    void SetFileLink(const QString& value) { FFileLink = value; }
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool GetIsImageIndexStored() const { return FIsImageIndexStored; }
    void SetIsImageIndexStored(bool value) { FIsImageIndexStored = value; }
    bool GetIsPictureStored() const { return FIsPictureStored; }
    void SetIsPictureStored(bool value) { FIsPictureStored = value; }
    bool GetKeepAspectRatio() const { return FKeepAspectRatio; }
    void SetKeepAspectRatio(bool value) { FKeepAspectRatio = value; }
    TfrxPicture* GetPicture() { return &FPicture; }
    const TfrxPicture* GetPicture() const { return &FPicture; }
    void SetPicture(const TfrxPicture& value) { FPicture.Assign(value); }
    // Set by every change of the graphic; the prepared-page store clears it once it has the graphic.
    bool GetPictureChanged() const { return FPictureChanged; }
    void SetPictureChanged(bool value) { FPictureChanged = value; }
    bool GetStretched() const { return FStretched; }
    void SetStretched(bool value) { FStretched = value; }
    bool GetHightQuality() const { return FHightQuality; }
    void SetHightQuality(bool value) { FHightQuality = value; }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TColor GetTransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor value) { FTransparentColor = value; }

private:
    void PictureChanged();
    void ApplyAutoSize();

    bool FAutoSize = false;
    bool FCenter = false;
    QString FFileLink;
    int FImageIndex = 0;
    bool FIsImageIndexStored = false;
    bool FIsPictureStored = true;
    bool FKeepAspectRatio = true;
    TfrxPicture FPicture;
    bool FPictureChanged = false;
    bool FStretched = true;
    bool FHightQuality = false;
    bool FTransparent = false;
    TColor FTransparentColor = clWhite;
};
