#pragma once

#include "report/script/TfsVariant.h"

#include <QList>
#include <QString>

// An object of the host (a report object, the report, its engine) that scripts hold in variants
// and whose members they reach with "." and "[…]". Members are resolved when the script runs.
// The host keeps every object it registers alive while compiled code may still reach it: until
// it removes the items it added (TfsScript::ClearItems) or destroys the script.
class TfsObject {
public:
    virtual ~TfsObject() = default;

    virtual QString GetClassName() const = 0;
    // True when the object is of the class ClassName or of a class derived from it (names compared
    // without regard to case); the "is" operator asks this.
    virtual bool InheritsFrom(const QString& className) const = 0;

    // Reads property Name, or calls method Name, with Args (the indices of an indexed property or
    // the parameters of a method; a method may change them for its var parameters). The empty
    // name stands for the default property ("Obj[i]"). False when the object has no such member.
    virtual bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) = 0;
    // Writes property Name (Args hold the indices of an indexed one). False when there is no such
    // writable property.
    virtual bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) = 0;
};
