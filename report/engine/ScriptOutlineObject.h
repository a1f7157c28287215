#pragma once

#include "report/script/TfsObject.h"

class TfrxOutline;
class TfrxReport;

// The prepared report's outline as scripts see it ("Outline"): moving between its levels and
// adding an entry at the engine's current position. It finds the outline through the report at
// each access.
class ScriptOutlineObject : public TfsObject {
public:
    explicit ScriptOutlineObject(TfrxReport& report) : FReport(report) {}

    QString GetClassName() const override { return QStringLiteral("TfrxOutline"); }
    bool InheritsFrom(const QString& className) const override;
    bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) override;
    bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) override;

private:
    TfrxOutline& Outline() const;

    TfrxReport& FReport;
};
