#include "report/model/TfrxPage.h"

#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxPage::ClassProperties()
{
    using P = TfrxPage;
    static const TfrxPropertyList list = TfrxPropertyTable<P>(TfrxComponent::ClassProperties())
                                             .Object(pkFont, "Font", "TFont", &P::GetFont)
                                             .StoredWhen([](const P& p) { return !p.GetParentFont(); })
                                             .Boolean("Visible", &P::GetVisible, &P::SetVisible)
                                             .Default(true)
                                             .Build();
    return list;
}
