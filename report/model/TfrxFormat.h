#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

// How a memo formats the values of its expressions. The separators are one-character texts,
// empty by default.
class TfrxFormat : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxFormat"); }
    const TfrxPropertyList& GetProperties() const override;

    const QString& GetDecimalSeparator() const { return FDecimalSeparator; }
    void SetDecimalSeparator(const QString& value) { FDecimalSeparator = value; }
    const QString& GetThousandSeparator() const { return FThousandSeparator; }
    void SetThousandSeparator(const QString& value) { FThousandSeparator = value; }
    const QString& GetFormatStr() const { return FFormatStr; }
    void SetFormatStr(const QString& value) { FFormatStr = value; }
    TfrxFormatKind GetKind() const { return FKind; }
    void SetKind(TfrxFormatKind value) { FKind = value; }

    void Assign(const TfrxFormat& source);

private:
    QString FDecimalSeparator;
    QString FThousandSeparator;
    QString FFormatStr;
    TfrxFormatKind FKind = fkText;
};
