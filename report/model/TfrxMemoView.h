#pragma once

#include "report/model/TfrxCustomMemoView.h"

// The memo of report pages.
class TfrxMemoView : public TfrxCustomMemoView {
public:
    using TfrxCustomMemoView::TfrxCustomMemoView;

    QString GetClassName() const override { return QStringLiteral("TfrxMemoView"); }
};
