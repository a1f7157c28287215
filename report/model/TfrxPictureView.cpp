#include "report/model/TfrxPictureView.h"

#include "report/model/TfrxPropertyTable.h"
#include "report/model/resources/TfrxResources.h"

TfrxPictureView::TfrxPictureView(TfrxComponent* AOwner) : TfrxView(AOwner)
{
    ExcludeComponentStyle(csDefaultDiff);
    FPicture.SetOnChange([this] { PictureChanged(); });
}

const TfrxPropertyList& TfrxPictureView::ClassProperties()
{
    using P = TfrxPictureView;
    const TfrxPropertyList& shared = TfrxView::SharedProperties();
    static const TfrxPropertyList list =
        TfrxPropertyTable<P>(TfrxView::ClassProperties())
            .Take(shared, {"Cursor"})
            .Boolean("AutoSize", &P::GetAutoSize, &P::SetAutoSize)
            .Default(false)
            .Boolean("Center", &P::GetCenter, &P::SetCenter)
            .Default(false)
            .Take(shared, {"DataField", "DataSet", "DataSetName", "Frame", "FillType", "Fill"})
            .String("FileLink", &P::GetFileLink, &P::SetFileLink)
            .Integer("ImageIndex", &P::GetImageIndex, &P::SetImageIndex)
            .StoredWhen([](const P& p) { return p.GetIsImageIndexStored(); })
            .Boolean("KeepAspectRatio", &P::GetKeepAspectRatio, &P::SetKeepAspectRatio)
            .Default(true)
            .Object(pkPicture, "Picture", "TPicture", &P::GetPicture)
            .StoredWhen([](const P& p) { return p.GetIsPictureStored(); })
            .Boolean("Stretched", &P::GetStretched, &P::SetStretched)
            .Default(true)
            .Take(shared, {"TagStr", "URL"})
            .Boolean("HightQuality", &P::GetHightQuality, &P::SetHightQuality)
            .Boolean("Transparent", &P::GetTransparent, &P::SetTransparent)
            .Color("TransparentColor", &P::GetTransparentColor, &P::SetTransparentColor)
            .Build();
    return list;
}

QString TfrxPictureView::GetDescription() const
{
    return frxGet(QStringLiteral("obPicture"));
}

void TfrxPictureView::SetAutoSize(bool value)
{
    FAutoSize = value;
    ApplyAutoSize();
}

void TfrxPictureView::PictureChanged()
{
    FPictureChanged = true;
    ApplyAutoSize();
}

void TfrxPictureView::ApplyAutoSize()
{
    // A metafile has no decoded image, so its size is unknown and the bounds stay.
    if (FAutoSize && !FPicture.GetImage().isNull()) {
        SetWidth(FPicture.GetWidth());
        SetHeight(FPicture.GetHeight());
    }
}
