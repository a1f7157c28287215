#pragma once

class QWidget;
class TfrxCustomMemoView;

// The memo text editor ("Memo"); true when OK replaced the memo's text.
bool frxEditMemoText(TfrxCustomMemoView& memo, QWidget* parent);
