#pragma once

#include "report/designer/TfrxDesignerTypes.h"

#include <QList>
#include <QWidget>

class TfrxComponent;
class TfrxPage;

// The page area of the designer window: the current page at the zoom with its grid, on which the
// selected objects are moved and resized. The object list and the selection belong to the designer;
// the workspace changes them in place and tells the designer through its signals.
class TDesignerWorkspace : public QWidget {
    Q_OBJECT
public:
    explicit TDesignerWorkspace(QWidget* parent = nullptr);
    ~TDesignerWorkspace() override;

    void SetObjects(QList<TfrxComponent*>* objects);
    void SetSelectedObjects(QList<TfrxComponent*>* selected);
    void SetPage(TfrxPage* page);
    TfrxPage* GetPage() const { return FPage; }
    void SetScale(double scale);
    double GetScale() const { return FScale; }
    void SetGridType(TfrxGridType type);
    void SetShowGrid(bool value);
    void SetGridAlign(bool value);
    void SetGridStep(double x, double y);
    void SetShowRulers(bool value);
    void SetShowGuides(bool value);
    void DeleteGuides();
    // The visible part of the page area in screen pixels, for the page-width and whole-page zooms.
    QSize GetViewportSize() const;
    // Scroll position kept across undo and redo.
    QPoint GetScrollPosition() const;
    void SetScrollPosition(const QPoint& position);
    // Repaints after the objects were changed from outside (undo, inspector, toolbars).
    void UpdateView();

    // The commands of the designer's Edit menu that act on the selection.
    void DeleteObjects();
    void SelectAll();
    void CopyObjects();
    void CutObjects();
    void PasteObjects();
    bool CanPaste() const;
    void BringToFront();
    void SendToBack();
    void GroupObjects();
    void UngroupObjects();

signals:
    void SelectionChanged();
    void Modified();
    void ObjectInserted(TfrxComponent* object);
    void EditRequested();
    void PositionChanged();

private:
    QList<TfrxComponent*>* FObjects = nullptr;
    QList<TfrxComponent*>* FSelectedObjects = nullptr;
    TfrxPage* FPage = nullptr;
    double FScale = 1;
};
