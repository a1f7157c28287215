#pragma once

#include "report/model/TfrxView.h"

// A view whose height may follow its contents during preparation.
class TfrxStretcheable : public TfrxView {
public:
    using TfrxView::TfrxView;

    QString GetClassName() const override { return QStringLiteral("TfrxStretcheable"); }

    TfrxStretchMode GetStretchMode() const { return FStretchMode; }
    void SetStretchMode(TfrxStretchMode value) { FStretchMode = value; }

private:
    TfrxStretchMode FStretchMode = smDontStretch;
};
