#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

// Where a click on a view in the preview leads.
class TfrxHyperlink : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxHyperlink"); }
    const TfrxPropertyList& GetProperties() const override;

    TfrxHyperlinkKind GetKind() const { return FKind; }
    void SetKind(TfrxHyperlinkKind value) { FKind = value; }
    const QString& GetDetailReport() const { return FDetailReport; }
    void SetDetailReport(const QString& value) { FDetailReport = value; }
    const QString& GetDetailPage() const { return FDetailPage; }
    void SetDetailPage(const QString& value) { FDetailPage = value; }
    const QString& GetExpression() const { return FExpression; }
    void SetExpression(const QString& value) { FExpression = value; }
    const QString& GetReportVariable() const { return FReportVariable; }
    void SetReportVariable(const QString& value) { FReportVariable = value; }
    const QString& GetTabCaption() const { return FTabCaption; }
    void SetTabCaption(const QString& value) { FTabCaption = value; }
    const QString& GetValue() const { return FValue; }
    void SetValue(const QString& value) { FValue = value; }
    const QString& GetValuesSeparator() const { return FValuesSeparator; }
    void SetValuesSeparator(const QString& value) { FValuesSeparator = value; }

    void Assign(const TfrxHyperlink& source);

private:
    TfrxHyperlinkKind FKind = hkURL;
    QString FDetailReport;
    QString FDetailPage;
    QString FExpression;
    QString FReportVariable;
    QString FTabCaption;
    QString FValue;
    QString FValuesSeparator = QStringLiteral(";");
};
