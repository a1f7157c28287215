#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

// One element of a report XML document: a name, the attribute text of its start tag (values kept escaped)
// and its child elements, which it owns. Character data is not part of the model.
class TfrxXMLItem {
public:
    TfrxXMLItem() = default;
    // Destroys the children, then leaves the parent's list.
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem&) = delete;
    TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

    TfrxXMLItem* Add();
    TfrxXMLItem* Add(const QString& Name);
    // Moves an element that has a parent to the end of this one's children.
    void AddItem(TfrxXMLItem* Item);
    // Adopts an element that belongs to nobody yet.
    void AddItem(std::unique_ptr<TfrxXMLItem> Item);
    void InsertItem(int Index, TfrxXMLItem* Item);
    void InsertItem(int Index, std::unique_ptr<TfrxXMLItem> Item);
    // Moves all children of Source to the end of this element's children, keeping their order.
    void TakeItems(TfrxXMLItem& Source);

    TfrxXMLItem* GetItems(int Index) const;
    int GetCount() const { return int(FItems.size()); }
    int IndexOf(const TfrxXMLItem* Item) const;
    // Index of the first child named Name ignoring letter case, or -1.
    int Find(const QString& Name) const;
    // The first child named Name, appended when there is none.
    TfrxXMLItem* FindItem(const QString& Name);

    // Unescaped value of the attribute, "" when it is absent. Attribute names ignore letter case.
    QString GetProp(const QString& Name) const;
    // Replaces the attribute in place (spelled as given here) or appends it.
    void SetProp(const QString& Name, const QString& Value);
    bool PropExists(const QString& Name) const;
    void DeleteProp(const QString& Name);

    // Destroys the children; an unloadable element then counts as parked (not loaded).
    void Clear();
    TfrxXMLItem* GetRoot();

    const QString& GetName() const { return FName; }
    void SetName(const QString& Name) { FName = Name; }
    const QString& GetText() const { return FText; }
    void SetText(const QString& Text) { FText = Text; }
    TfrxXMLItem* GetParent() const { return FParent; }
    bool GetLoaded() const { return FLoaded; }
    void SetLoaded(bool Loaded) { FLoaded = Loaded; }
    bool GetUnloadable() const { return FUnloadable; }
    void SetUnloadable(bool Unloadable) { FUnloadable = Unloadable; }
    qint64 GetOffset() const { return FOffset; }
    void SetOffset(qint64 Offset) { FOffset = Offset; }

    // True while a copy of the children lies in a document's temporary stream at Offset. An unloadable
    // element that was emptied with Clear but never parked has no such copy and must not be fetched.
    bool GetParked() const { return FParked; }
    void SetParked(bool Parked) { FParked = Parked; }

private:
    std::unique_ptr<TfrxXMLItem> detachFromParent();
    void insert(qsizetype index, std::unique_ptr<TfrxXMLItem> item);
    void checkIndex(qsizetype index, qsizetype limit) const;
    void checkNotAncestor(const TfrxXMLItem* item) const;

    QString FName;
    QString FText;
    std::vector<std::unique_ptr<TfrxXMLItem>> FItems;
    TfrxXMLItem* FParent = nullptr;
    bool FLoaded = true;
    bool FUnloadable = false;
    bool FParked = false;
    qint64 FOffset = 0;
};
