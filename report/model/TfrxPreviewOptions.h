#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

// How the preview window shows the report (PreviewOptions in templates).
class TfrxPreviewOptions : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxPreviewOptions"); }
    const TfrxPropertyList& GetProperties() const override;

    bool GetAllowEdit() const { return FAllowEdit; }
    void SetAllowEdit(bool value) { FAllowEdit = value; }
    TfrxPreviewButtons GetButtons() const { return FButtons; }
    void SetButtons(TfrxPreviewButtons value) { FButtons = value; }
    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    bool GetMaximized() const { return FMaximized; }
    void SetMaximized(bool value) { FMaximized = value; }
    bool GetMDIChild() const { return FMDIChild; }
    void SetMDIChild(bool value) { FMDIChild = value; }
    bool GetModal() const { return FModal; }
    void SetModal(bool value) { FModal = value; }
    bool GetOutlineExpand() const { return FOutlineExpand; }
    void SetOutlineExpand(bool value) { FOutlineExpand = value; }
    bool GetOutlineVisible() const { return FOutlineVisible; }
    void SetOutlineVisible(bool value) { FOutlineVisible = value; }
    int GetOutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int value) { FOutlineWidth = value; }
    int GetPagesInCache() const { return FPagesInCache; }
    void SetPagesInCache(int value) { FPagesInCache = value; }
    bool GetThumbnailVisible() const { return FThumbnailVisible; }
    void SetThumbnailVisible(bool value) { FThumbnailVisible = value; }
    bool GetShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool value) { FShowCaptions = value; }
    double GetZoom() const { return FZoom; }
    void SetZoom(double value) { FZoom = value; }
    TfrxZoomMode GetZoomMode() const { return FZoomMode; }
    void SetZoomMode(TfrxZoomMode value) { FZoomMode = value; }
    bool GetPictureCacheInFile() const { return FPictureCacheInFile; }
    void SetPictureCacheInFile(bool value) { FPictureCacheInFile = value; }
    bool GetRTLPreview() const { return FRTLPreview; }
    void SetRTLPreview(bool value) { FRTLPreview = value; }

    // What clearing the report resets: the outline and thumbnail settings and PagesInCache.
    void Clear();
    void Assign(const TfrxPreviewOptions& source);

private:
    bool FAllowEdit = true;
    TfrxPreviewButtons FButtons = kDefaultPreviewButtons;
    bool FDoubleBuffered = true;
    bool FMaximized = true;
    bool FMDIChild = false;
    bool FModal = true;
    bool FOutlineExpand = true;
    bool FOutlineVisible = false;
    int FOutlineWidth = 120;
    int FPagesInCache = 50;
    bool FThumbnailVisible = false;
    bool FShowCaptions = false;
    double FZoom = 1;
    TfrxZoomMode FZoomMode = zmDefault;
    bool FPictureCacheInFile = false;
    bool FRTLPreview = false;
};
