#pragma once

#include "report/model/TfrxPage.h"

// The page that holds a report's data objects; 1000 × 1000 report pixels when new.
class TfrxDataPage : public TfrxPage {
public:
    explicit TfrxDataPage(TfrxComponent* AOwner = nullptr);

    QString GetClassName() const override { return QStringLiteral("TfrxDataPage"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    QString GetDescription() const override;
};
