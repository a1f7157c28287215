#pragma once

#include <QString>

#include <memory>
#include <vector>

// An owned, ordered list of collection items (data sets, variables, styles of a report). Items
// are created by Add and copied with their Assign.
template <class Item> class TfrxCollection {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    bool IsEmpty() const { return FItems.empty(); }
    Item* GetItem(int index) const { return FItems.at(index).get(); }
    Item* Add()
    {
        FItems.push_back(std::make_unique<Item>());
        return FItems.back().get();
    }
    void Clear() { FItems.clear(); }

    // The first item whose Name equals name ignoring letter case; none for an empty name.
    Item* Find(const QString& name) const
    {
        if (name.isEmpty())
            return nullptr;
        for (const auto& item : FItems)
            if (item->GetName().compare(name, Qt::CaseInsensitive) == 0)
                return item.get();
        return nullptr;
    }

    void Assign(const TfrxCollection& source)
    {
        if (&source == this)
            return;
        Clear();
        for (const auto& item : source.FItems)
            Add()->Assign(*item);
    }

private:
    std::vector<std::unique_ptr<Item>> FItems;
};
