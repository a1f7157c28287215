#include "report/model/TfrxReportCollections.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxDataSetItem::GetProperties() const
{
    using D = TfrxDataSetItem;
    static const TfrxPropertyList list =
        TfrxPropertyTable<D>()
            .Reference("DataSet", "TfrxDataSet", &D::GetDataSet, &D::SetDataSet)
            .String("DataSetName", &D::GetDataSetName, &D::SetDataSetName)
            .Build();
    return list;
}

void TfrxDataSetItem::Assign(const TfrxDataSetItem& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}

const TfrxPropertyList& TfrxVariable::GetProperties() const
{
    using V = TfrxVariable;
    static const TfrxPropertyList list = TfrxPropertyTable<V>()
                                             .String("Name", &V::GetName, &V::SetName)
                                             .Variant("Value", &V::GetValue, &V::SetValue)
                                             .Build();
    return list;
}

void TfrxVariable::Assign(const TfrxVariable& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}

const TfrxPropertyList& TfrxStyleItem::GetProperties() const
{
    using S = TfrxStyleItem;
    static const TfrxPropertyList list =
        TfrxPropertyTable<S>()
            .String("Name", &S::GetName, &S::SetName)
            .Object(pkFont, "Font", "TFont", &S::GetFont)
            .Object(pkFrame, "Frame", "TfrxFrame", &S::GetFrame)
            .Boolean("ApplyFont", &S::GetApplyFont, &S::SetApplyFont)
            .Default(true)
            .Boolean("ApplyFill", &S::GetApplyFill, &S::SetApplyFill)
            .Default(true)
            .Boolean("ApplyFrame", &S::GetApplyFrame, &S::SetApplyFrame)
            .Default(true)
            .Enum("FillType", "TfrxFillType", frxFillTypeNames(), &S::GetFillType, &S::SetFillType)
            .Default(ftBrush)
            .Object(pkFill, "Fill", "TfrxCustomFill", &S::GetFill)
            .Build();
    return list;
}

void TfrxStyleItem::Assign(const TfrxStyleItem& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}
