#include "report/model/xml/TfrxXMLItem.h"

#include "common/Exception.h"
#include "report/model/xml/XMLEscaping.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

// Where one attribute lies in an attribute text: from the first letter of its name to one past its
// closing quote; the escaped value runs from valueStart to valueEnd.
struct AttributeSpan {
    qsizetype start;
    qsizetype valueStart;
    qsizetype valueEnd;
    qsizetype end;
};

bool isBlank(QChar c)
{
    return c.unicode() <= ' ';
}

// The attribute text is walked pair by pair rather than searched for ` NAME="`, so that a value ending
// in, say, " Left=" is never taken for the start of the attribute Left. Pairs without a quoted value are
// stepped over.
std::optional<AttributeSpan> findAttribute(QStringView text, QStringView name)
{
    const qsizetype length = text.size();
    qsizetype pos = 0;
    while (true) {
        while (pos < length && isBlank(text[pos]))
            ++pos;
        const qsizetype equals = text.indexOf(QLatin1Char('='), pos);
        if (pos >= length || equals < 0)
            return std::nullopt;
        // Anything before the last blank ahead of "=" is debris, not part of the name.
        qsizetype nameEnd = equals;
        while (nameEnd > pos && isBlank(text[nameEnd - 1]))
            --nameEnd;
        qsizetype nameStart = nameEnd;
        while (nameStart > pos && !isBlank(text[nameStart - 1]))
            --nameStart;
        const qsizetype quote = equals + 1;
        if (quote >= length || text[quote] != QLatin1Char('"')) {
            pos = quote;
            while (pos < length && !isBlank(text[pos]))
                ++pos;
            continue;
        }
        qsizetype close = text.indexOf(QLatin1Char('"'), quote + 1);
        if (close < 0)
            close = length;
        const qsizetype end = std::min(close + 1, length);
        if (text.sliced(nameStart, nameEnd - nameStart).compare(name, Qt::CaseInsensitive) == 0)
            return AttributeSpan{nameStart, quote + 1, close, end};
        pos = end;
    }
}

} // namespace

TfrxXMLItem::~TfrxXMLItem()
{
    Clear();
    if (FParent)
        detachFromParent().release();
}

TfrxXMLItem* TfrxXMLItem::Add()
{
    auto item = std::make_unique<TfrxXMLItem>();
    TfrxXMLItem* added = item.get();
    insert(qsizetype(FItems.size()), std::move(item));
    return added;
}

TfrxXMLItem* TfrxXMLItem::Add(const QString& Name)
{
    TfrxXMLItem* added = Add();
    added->FName = Name;
    return added;
}

void TfrxXMLItem::AddItem(TfrxXMLItem* Item)
{
    InsertItem(GetCount(), Item);
}

void TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> Item)
{
    InsertItem(GetCount(), std::move(Item));
}

void TfrxXMLItem::InsertItem(int Index, TfrxXMLItem* Item)
{
    if (!Item->FParent)
        throw std::logic_error(
            "TfrxXMLItem::InsertItem: an element without a parent must be passed as unique_ptr");
    checkNotAncestor(Item);
    checkIndex(Index, qsizetype(FItems.size()) + (Item->FParent == this ? 0 : 1));
    insert(Index, Item->detachFromParent());
}

void TfrxXMLItem::InsertItem(int Index, std::unique_ptr<TfrxXMLItem> Item)
{
    checkNotAncestor(Item.get());
    checkIndex(Index, qsizetype(FItems.size()) + 1);
    insert(Index, std::move(Item));
}

void TfrxXMLItem::TakeItems(TfrxXMLItem& Source)
{
    checkNotAncestor(&Source);
    for (auto& item : Source.FItems) {
        item->FParent = this;
        FItems.push_back(std::move(item));
    }
    Source.FItems.clear();
}

TfrxXMLItem* TfrxXMLItem::GetItems(int Index) const
{
    checkIndex(Index, qsizetype(FItems.size()));
    return FItems[Index].get();
}

int TfrxXMLItem::IndexOf(const TfrxXMLItem* Item) const
{
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == Item; });
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

int TfrxXMLItem::Find(const QString& Name) const
{
    const auto found = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) {
        return p->FName.compare(Name, Qt::CaseInsensitive) == 0;
    });
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

TfrxXMLItem* TfrxXMLItem::FindItem(const QString& Name)
{
    const int index = Find(Name);
    return index >= 0 ? FItems[index].get() : Add(Name);
}

QString TfrxXMLItem::GetProp(const QString& Name) const
{
    const auto span = findAttribute(FText, Name);
    if (!span)
        return QString();
    return UnescapeAttributeValue(FText.mid(span->valueStart, span->valueEnd - span->valueStart));
}

void TfrxXMLItem::SetProp(const QString& Name, const QString& Value)
{
    const QString attribute = Name + QStringLiteral("=\"") + EscapeAttributeValue(Value) + QLatin1Char('"');
    if (const auto span = findAttribute(FText, Name)) {
        FText.replace(span->start, span->end - span->start, attribute);
        return;
    }
    if (!FText.isEmpty() && !FText.endsWith(QLatin1Char(' ')))
        FText.append(QLatin1Char(' '));
    FText.append(attribute);
}

bool TfrxXMLItem::PropExists(const QString& Name) const
{
    return findAttribute(FText, Name).has_value();
}

void TfrxXMLItem::DeleteProp(const QString& Name)
{
    if (const auto span = findAttribute(FText, Name))
        FText.remove(span->start, std::min(span->end + 1, FText.size()) - span->start);
}

void TfrxXMLItem::Clear()
{
    // Children must not search this list for themselves while it is being emptied.
    for (auto& item : FItems)
        item->FParent = nullptr;
    FItems.clear();
    if (FUnloadable)
        FLoaded = false;
}

TfrxXMLItem* TfrxXMLItem::GetRoot()
{
    TfrxXMLItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item;
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::detachFromParent()
{
    auto& siblings = FParent->FItems;
    const auto found =
        std::find_if(siblings.begin(), siblings.end(), [&](const auto& p) { return p.get() == this; });
    std::unique_ptr<TfrxXMLItem> self = std::move(*found);
    siblings.erase(found);
    FParent = nullptr;
    return self;
}

void TfrxXMLItem::checkNotAncestor(const TfrxXMLItem* item) const
{
    for (const TfrxXMLItem* ancestor = this; ancestor; ancestor = ancestor->FParent) {
        if (ancestor == item)
            throw std::logic_error("TfrxXMLItem: an element cannot become its own descendant");
    }
}

void TfrxXMLItem::insert(qsizetype index, std::unique_ptr<TfrxXMLItem> item)
{
    item->FParent = this;
    FItems.insert(FItems.begin() + index, std::move(item));
}

void TfrxXMLItem::checkIndex(qsizetype index, qsizetype limit) const
{
    if (index < 0 || index >= limit)
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}
