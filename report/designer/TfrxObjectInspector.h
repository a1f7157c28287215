#pragma once

#include "report/designer/TfrxDesignerTypes.h"

#include <QList>
#include <QWidget>

class TfrxComponent;

// The designer's object inspector: the object selector, the property grid of the selection and the
// description area. The object list and the selection belong to the designer.
class TfrxObjectInspector : public QWidget {
    Q_OBJECT
public:
    explicit TfrxObjectInspector(QWidget* parent = nullptr);
    ~TfrxObjectInspector() override;

    // Fills the object selector.
    void SetObjects(QList<TfrxComponent*>* objects);
    void SetSelectedObjects(QList<TfrxComponent*>* selected);
    // The selection changed: rebuilds the property lists.
    void UpdateSelection();
    // Re-reads every shown value after a change made elsewhere.
    void UpdateProperties();
    void SetUnits(TfrxDesignerUnits units);
    // Writes a value typed and not yet written; the designer calls it before save, preview and close.
    void CommitPendingEdit();
    int GetSplitPos() const { return FSplitPos; }
    void SetSplitPos(int value) { FSplitPos = value; }
    int GetSplit1Pos() const { return FSplit1Pos; }
    void SetSplit1Pos(int value) { FSplit1Pos = value; }

signals:
    void Modified();
    void SelectionChanged();

private:
    QList<TfrxComponent*>* FObjects = nullptr;
    QList<TfrxComponent*>* FSelectedObjects = nullptr;
    int FSplitPos = 0;
    int FSplit1Pos = 65;
};
