#pragma once

#include <QAbstractScrollArea>

// A borderless custom-drawn surface with its own scroll bars. A position is clamped to
// [0, range − page]; a change moves the painted pixels, repaints only the uncovered strip and runs
// the scroll handler. A range smaller than the page leaves the scroll bar without movement.
class TfrxScrollWin : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TfrxScrollWin(QWidget* parent = nullptr);

    int GetHorzPosition() const;
    void SetHorzPosition(int value);
    int GetHorzRange() const { return FHorzRange; }
    void SetHorzRange(int value);
    int GetVertPosition() const;
    void SetVertPosition(int value);
    int GetVertRange() const { return FVertRange; }
    void SetVertRange(int value);
    int GetHorzPage() const;
    int GetVertPage() const;
    int GetSmallChange() const { return FSmallChange; }
    int GetLargeChange() const { return FLargeChange; }

protected:
    // The position moved by Delta pixels (content already moved).
    virtual void OnHScrollChange(int Delta) { Q_UNUSED(Delta); }
    virtual void OnVScrollChange(int Delta) { Q_UNUSED(Delta); }

    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

    int FSmallChange = 8;
    int FLargeChange = 300;

private:
    void UpdateScrollBars();

    int FHorzRange = 0;
    int FVertRange = 0;
};
