#include "report/designer/TDesignerWorkspace.h"

TDesignerWorkspace::TDesignerWorkspace(QWidget* parent) : QWidget(parent) {}

TDesignerWorkspace::~TDesignerWorkspace() = default;

void TDesignerWorkspace::SetObjects(QList<TfrxComponent*>* objects) { FObjects = objects; }
void TDesignerWorkspace::SetSelectedObjects(QList<TfrxComponent*>* selected) { FSelectedObjects = selected; }
void TDesignerWorkspace::SetPage(TfrxPage* page) { FPage = page; update(); }
void TDesignerWorkspace::SetScale(double scale) { FScale = scale; update(); }
void TDesignerWorkspace::SetGridType(TfrxGridType) {}
void TDesignerWorkspace::SetShowGrid(bool) {}
void TDesignerWorkspace::SetGridAlign(bool) {}
void TDesignerWorkspace::SetGridStep(double, double) {}
void TDesignerWorkspace::SetShowRulers(bool) {}
void TDesignerWorkspace::SetShowGuides(bool) {}
void TDesignerWorkspace::DeleteGuides() {}
QSize TDesignerWorkspace::GetViewportSize() const { return size(); }
QPoint TDesignerWorkspace::GetScrollPosition() const { return {}; }
void TDesignerWorkspace::SetScrollPosition(const QPoint&) {}
void TDesignerWorkspace::UpdateView() { update(); }
void TDesignerWorkspace::DeleteObjects() {}
void TDesignerWorkspace::SelectAll() {}
void TDesignerWorkspace::CopyObjects() {}
void TDesignerWorkspace::CutObjects() {}
void TDesignerWorkspace::PasteObjects() {}
bool TDesignerWorkspace::CanPaste() const { return false; }
void TDesignerWorkspace::BringToFront() {}
void TDesignerWorkspace::SendToBack() {}
void TDesignerWorkspace::GroupObjects() {}
void TDesignerWorkspace::UngroupObjects() {}
