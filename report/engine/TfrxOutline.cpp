#include "report/engine/TfrxOutline.h"

#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/xml/TfrxXMLItem.h"

TfrxOutline::TfrxOutline(TfrxCustomPreviewPages& APreviewPages) : FPreviewPages(APreviewPages) {}

void TfrxOutline::SetRoot(TfrxXMLItem* Root)
{
    FRoot = Root;
    FCurItem = Root;
}

void TfrxOutline::AddItem(const QString& Text, int Top)
{
    if (!FCurItem)
        return;
    TfrxXMLItem* item = FCurItem->Add(QStringLiteral("item"));
    item->SetProp(QStringLiteral("text"), Text);
    item->SetProp(QStringLiteral("page"), QString::number(FPreviewPages.GetCurPage()));
    item->SetProp(QStringLiteral("top"), QString::number(Top));
    FCurItem = item;
}

void TfrxOutline::LevelRoot()
{
    FCurItem = FRoot;
}

void TfrxOutline::LevelDown(int Index)
{
    if (FCurItem && Index >= 0 && Index < FCurItem->GetCount())
        FCurItem = FCurItem->GetItems(Index);
}

void TfrxOutline::LevelUp()
{
    if (FCurItem && FCurItem != FRoot && FCurItem->GetParent())
        FCurItem = FCurItem->GetParent();
}

int TfrxOutline::GetCount() const
{
    return FCurItem ? FCurItem->GetCount() : 0;
}

TfrxOutlineItem TfrxOutline::GetItem(int Index) const
{
    if (!FCurItem || Index < 0 || Index >= FCurItem->GetCount())
        return {};
    const TfrxXMLItem* item = FCurItem->GetItems(Index);
    return {item->GetProp(QStringLiteral("text")), item->GetProp(QStringLiteral("page")).toInt(),
            item->GetProp(QStringLiteral("top")).toInt()};
}

TfrxXMLItem* TfrxOutline::GetCurPosition() const
{
    return FCurItem && FCurItem->GetCount() > 0 ? FCurItem->GetItems(FCurItem->GetCount() - 1) : nullptr;
}

namespace {

void shiftTree(TfrxXMLItem& item, int delta)
{
    item.SetProp(QStringLiteral("page"), QString::number(item.GetProp(QStringLiteral("page")).toInt() + 1));
    item.SetProp(QStringLiteral("top"), QString::number(item.GetProp(QStringLiteral("top")).toInt() + delta));
    for (int i = 0; i < item.GetCount(); ++i)
        shiftTree(*item.GetItems(i), delta);
}

} // namespace

void TfrxOutline::ShiftItems(TfrxXMLItem* From, int NewTop)
{
    if (!FCurItem)
        return;
    const int start = From ? FCurItem->IndexOf(From) + 1 : 0;
    if (start >= FCurItem->GetCount())
        return;
    const int delta = NewTop - FCurItem->GetItems(start)->GetProp(QStringLiteral("top")).toInt();
    for (int i = start; i < FCurItem->GetCount(); ++i)
        shiftTree(*FCurItem->GetItems(i), delta);
}
