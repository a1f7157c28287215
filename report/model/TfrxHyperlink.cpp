#include "report/model/TfrxHyperlink.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxHyperlink::GetProperties() const
{
    using H = TfrxHyperlink;
    static const TfrxPropertyList list =
        TfrxPropertyTable<H>()
            .Enum("Kind", "TfrxHyperlinkKind", frxHyperlinkKindNames(), &H::GetKind, &H::SetKind)
            .Default(hkURL)
            .String("DetailReport", &H::GetDetailReport, &H::SetDetailReport)
            .String("DetailPage", &H::GetDetailPage, &H::SetDetailPage)
            .String("Expression", &H::GetExpression, &H::SetExpression)
            .String("ReportVariable", &H::GetReportVariable, &H::SetReportVariable)
            .String("TabCaption", &H::GetTabCaption, &H::SetTabCaption)
            .String("Value", &H::GetValue, &H::SetValue)
            .String("ValuesSeparator", &H::GetValuesSeparator, &H::SetValuesSeparator)
            .StoredWhen([](const H& h) { return h.GetValuesSeparator() != QLatin1String(";"); })
            .Build();
    return list;
}

void TfrxHyperlink::Assign(const TfrxHyperlink& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}
