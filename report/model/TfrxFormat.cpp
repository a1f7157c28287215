#include "report/model/TfrxFormat.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"

const TfrxPropertyList& TfrxFormat::GetProperties() const
{
    using F = TfrxFormat;
    static const TfrxPropertyList list =
        TfrxPropertyTable<F>()
            .String("DecimalSeparator", &F::GetDecimalSeparator, &F::SetDecimalSeparator)
            .String("ThousandSeparator", &F::GetThousandSeparator, &F::SetThousandSeparator)
            .String("FormatStr", &F::GetFormatStr, &F::SetFormatStr)
            .Enum("Kind", "TfrxFormatKind", frxFormatKindNames(), &F::GetKind, &F::SetKind)
            .Default(fkText)
            .Build();
    return list;
}

void TfrxFormat::Assign(const TfrxFormat& source)
{
    if (&source != this)
        frxCopyProperties(*this, source);
}
