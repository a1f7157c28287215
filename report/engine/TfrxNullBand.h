#pragma once

#include "report/model/TfrxReportComponent.h"

// The band that carries a page's own objects (those placed on the page, not on a band) onto the
// prepared page. It takes no space and is never shown by the band rules.
class TfrxNullBand : public TfrxBand {
public:
    using TfrxBand::TfrxBand;

    QString GetClassName() const override { return QStringLiteral("TfrxNullBand"); }
};
