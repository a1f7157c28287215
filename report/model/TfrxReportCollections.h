#pragma once

#include "report/model/TfrxCollection.h"
#include "report/model/TfrxFill.h"
#include "report/model/TfrxFont.h"
#include "report/model/TfrxFrame.h"
#include "report/model/TfrxObjectRef.h"

#include <QVariant>

// A data source used by the report.
class TfrxDataSetItem : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxDataSetItem"); }
    const TfrxPropertyList& GetProperties() const override;

    TfrxComponent* GetDataSet() const { return FDataSet.Get(); }
    void SetDataSet(TfrxComponent* value) { FDataSet.Set(value); }
    const QString& GetDataSetName() const { return FDataSetName; }
    void SetDataSetName(const QString& value) { FDataSetName = value; }

    void Assign(const TfrxDataSetItem& source);

private:
    TfrxObjectRef<TfrxComponent> FDataSet;
    QString FDataSetName;
};

// A report variable; a name that begins with a space is a category heading.
class TfrxVariable : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxVariable"); }
    const TfrxPropertyList& GetProperties() const override;

    const QString& GetName() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    const QVariant& GetValue() const { return FValue; }
    void SetValue(const QVariant& value) { FValue = value; }

    void Assign(const TfrxVariable& source);

private:
    QString FName;
    QVariant FValue;
};

// A named appearance that memos take by their Style.
class TfrxStyleItem : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxStyleItem"); }
    const TfrxPropertyList& GetProperties() const override;

    const QString& GetName() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    TfrxFont* GetFont() { return &FFont; }
    const TfrxFont* GetFont() const { return &FFont; }
    TfrxFrame* GetFrame() { return &FFrame; }
    const TfrxFrame* GetFrame() const { return &FFrame; }
    bool GetApplyFont() const { return FApplyFont; }
    void SetApplyFont(bool value) { FApplyFont = value; }
    bool GetApplyFill() const { return FApplyFill; }
    void SetApplyFill(bool value) { FApplyFill = value; }
    bool GetApplyFrame() const { return FApplyFrame; }
    void SetApplyFrame(bool value) { FApplyFrame = value; }
    TfrxFillType GetFillType() const { return FFill.GetFillType(); }
    void SetFillType(TfrxFillType value) { FFill.SetFillType(value); }
    TfrxCustomFill* GetFill() { return FFill.Get(); }
    const TfrxCustomFill* GetFill() const { return FFill.Get(); }

    void Assign(const TfrxStyleItem& source);

private:
    QString FName;
    TfrxFont FFont;
    TfrxFrame FFrame;
    bool FApplyFont = true;
    bool FApplyFill = true;
    bool FApplyFrame = true;
    FillSlot FFill;
};

// Written as the report's nested elements Datasets, Variables and Styles.
using TfrxReportDataSets = TfrxCollection<TfrxDataSetItem>;
using TfrxVariables = TfrxCollection<TfrxVariable>;
using TfrxStyles = TfrxCollection<TfrxStyleItem>;
