#pragma once

#include <QString>

class TfrxCustomPreviewPages;
class TfrxXMLItem;

// One entry of the report outline.
struct TfrxOutlineItem {
    QString Text;
    int Page = 0; // 0-based page index
    int Top = 0;  // report pixels
};

// The report outline of a prepared report: a view on the store's "outline" section with a current
// element that AddItem descends into and LevelUp leaves.
class TfrxOutline {
public:
    explicit TfrxOutline(TfrxCustomPreviewPages& APreviewPages);

    // The section the outline works on; the store hands it over whenever its document changes.
    void SetRoot(TfrxXMLItem* Root);

    // A child of the current element on the store's current page, which becomes current.
    void AddItem(const QString& Text, int Top);
    void LevelRoot();
    void LevelDown(int Index);
    void LevelUp();
    // Children of the current element.
    int GetCount() const;
    TfrxOutlineItem GetItem(int Index) const;
    // The last child of the current element, or none.
    TfrxXMLItem* GetCurPosition() const;
    // The elements after From (recursively) move to the next page, shifted so that the first
    // lands at NewTop.
    void ShiftItems(TfrxXMLItem* From, int NewTop);

private:
    TfrxCustomPreviewPages& FPreviewPages;
    TfrxXMLItem* FRoot = nullptr;
    TfrxXMLItem* FCurItem = nullptr;
};
