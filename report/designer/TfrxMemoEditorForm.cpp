#include "report/designer/TfrxMemoEditorForm.h"

bool frxEditMemoText(TfrxCustomMemoView&, QWidget*) { return false; }
