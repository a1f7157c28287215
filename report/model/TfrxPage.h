#pragma once

#include "report/model/TfrxComponent.h"

// A page of a report: a printable page, a page of data objects or a dialog form.
class TfrxPage : public TfrxComponent {
public:
    using TfrxComponent::TfrxComponent;

    QString GetClassName() const override { return QStringLiteral("TfrxPage"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
};
