#include "report/model/TfrxPreviewOptions.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxPreviewOptions::GetProperties() const
{
    using P = TfrxPreviewOptions;
    static const TfrxPropertyList list =
        TfrxPropertyTable<P>()
            .Boolean("AllowEdit", &P::GetAllowEdit, &P::SetAllowEdit)
            .Default(true)
            .Set("Buttons", "TfrxPreviewButtons", frxPreviewButtonNames(), &P::GetButtons, &P::SetButtons)
            .Boolean("DoubleBuffered", &P::GetDoubleBuffered, &P::SetDoubleBuffered)
            .Default(true)
            .Boolean("Maximized", &P::GetMaximized, &P::SetMaximized)
            .Default(true)
            .Boolean("MDIChild", &P::GetMDIChild, &P::SetMDIChild)
            .Default(false)
            .Boolean("Modal", &P::GetModal, &P::SetModal)
            .Default(true)
            .Boolean("OutlineExpand", &P::GetOutlineExpand, &P::SetOutlineExpand)
            .Default(true)
            .Boolean("OutlineVisible", &P::GetOutlineVisible, &P::SetOutlineVisible)
            .Default(false)
            .Integer("OutlineWidth", &P::GetOutlineWidth, &P::SetOutlineWidth)
            .Default(120)
            .Integer("PagesInCache", &P::GetPagesInCache, &P::SetPagesInCache)
            .Default(50)
            .Boolean("ThumbnailVisible", &P::GetThumbnailVisible, &P::SetThumbnailVisible)
            .Default(false)
            .Boolean("ShowCaptions", &P::GetShowCaptions, &P::SetShowCaptions)
            .Default(false)
            .Float("Zoom", &P::GetZoom, &P::SetZoom)
            .Enum("ZoomMode", "TfrxZoomMode", frxZoomModeNames(), &P::GetZoomMode, &P::SetZoomMode)
            .Default(zmDefault)
            .Boolean("PictureCacheInFile", &P::GetPictureCacheInFile, &P::SetPictureCacheInFile)
            .Default(false)
            .Build();
    return list;
}

void TfrxPreviewOptions::Clear()
{
    FOutlineExpand = true;
    FOutlineVisible = false;
    FOutlineWidth = 120;
    FPagesInCache = 50;
    FThumbnailVisible = false;
}

void TfrxPreviewOptions::Assign(const TfrxPreviewOptions& source)
{
    if (&source == this)
        return;
    frxCopyProperties(*this, source);
    FRTLPreview = source.FRTLPreview;
}
