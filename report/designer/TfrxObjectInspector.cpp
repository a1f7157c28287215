#include "report/designer/TfrxObjectInspector.h"

TfrxObjectInspector::TfrxObjectInspector(QWidget* parent) : QWidget(parent) {}

TfrxObjectInspector::~TfrxObjectInspector() = default;

void TfrxObjectInspector::SetObjects(QList<TfrxComponent*>* objects) { FObjects = objects; }
void TfrxObjectInspector::SetSelectedObjects(QList<TfrxComponent*>* selected) { FSelectedObjects = selected; }
void TfrxObjectInspector::UpdateSelection() {}
void TfrxObjectInspector::UpdateProperties() {}
void TfrxObjectInspector::SetUnits(TfrxDesignerUnits) {}
void TfrxObjectInspector::CommitPendingEdit() {}
