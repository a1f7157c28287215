#include "report/model/TfrxDataPage.h"

#include "report/model/TfrxPropertyTable.h"
#include "report/model/resources/TfrxResources.h"

TfrxDataPage::TfrxDataPage(TfrxComponent* AOwner) : TfrxPage(AOwner)
{
    SetWidth(1000);
    SetHeight(1000);
}

const TfrxPropertyList& TfrxDataPage::ClassProperties()
{
    using P = TfrxDataPage;
    static const TfrxPropertyList list = TfrxPropertyTable<P>(TfrxPage::ClassProperties())
                                             .Float("Height", &P::GetHeight, &P::SetHeight)
                                             .Float("Left", &P::GetLeft, &P::SetLeft)
                                             .Float("Top", &P::GetTop, &P::SetTop)
                                             .Float("Width", &P::GetWidth, &P::SetWidth)
                                             .Build();
    return list;
}

QString TfrxDataPage::GetDescription() const
{
    return frxGet(QStringLiteral("obDataPage"));
}
