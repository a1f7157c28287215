#pragma once

#include "report/model/TfrxComponent.h"

// An object that can be printed. Preparation may change its bounds for one output:
// BeforePrint saves them and AfterPrint puts them back.
class TfrxReportComponent : public TfrxComponent {
public:
    using TfrxComponent::TfrxComponent;

    QString GetClassName() const override { return QStringLiteral("TfrxReportComponent"); }

    const QString& GetOnAfterData() const { return FOnAfterData; }
    void SetOnAfterData(const QString& value) { FOnAfterData = value; }
    const QString& GetOnAfterPrint() const { return FOnAfterPrint; }
    void SetOnAfterPrint(const QString& value) { FOnAfterPrint = value; }
    const QString& GetOnBeforePrint() const { return FOnBeforePrint; }
    void SetOnBeforePrint(const QString& value) { FOnBeforePrint = value; }
    const QString& GetOnPreviewClick() const { return FOnPreviewClick; }
    void SetOnPreviewClick(const QString& value) { FOnPreviewClick = value; }
    const QString& GetOnPreviewDblClick() const { return FOnPreviewDblClick; }
    void SetOnPreviewDblClick(const QString& value) { FOnPreviewDblClick = value; }

    // The objects that shift with this one while a page is prepared; not owned.
    QList<TfrxReportComponent*>& GetShiftChildren() { return FShiftChildren; }

    virtual void BeforePrint();
    // Takes the object's data for one output, between BeforePrint and AfterPrint.
    virtual void GetData() {}
    virtual void AfterPrint();

private:
    QString FOnAfterData;
    QString FOnAfterPrint;
    QString FOnBeforePrint;
    QString FOnPreviewClick;
    QString FOnPreviewDblClick;
    QList<TfrxReportComponent*> FShiftChildren;
    double FSavedLeft = 0;
    double FSavedTop = 0;
    double FSavedWidth = 0;
    double FSavedHeight = 0;
};

// Base of the bands; the certificate's template has none.
class TfrxBand : public TfrxReportComponent {
public:
    using TfrxReportComponent::TfrxReportComponent;

    QString GetClassName() const override { return QStringLiteral("TfrxBand"); }
};
