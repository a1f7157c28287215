#pragma once

#include "report/script/TfsCustomVariable.h"

#include <functional>

// A host function's implementation: receives the arguments in parameter order (defaults filled
// in, converted to the declared types; for a macrofunction, the texts written in the call) and
// may change those of var parameters.
using TfsMethodHandler = std::function<TfsVariant(QList<TfsVariant>& args)>;

// A procedure or function implemented by the host or the library, declared by a heading such as
// "function Get(Name: String): Variant".
class TfsMethodHelper : public TfsCallable {
public:
    TfsMethodHelper(const QString& name, const QString& resultTypeName, QList<TfsParameter> parameters,
                    bool isFunction, bool isMacro, TfsMethodHandler handler);

    bool IsMacro() const override { return FIsMacro; }
    TfsVariant Call(QList<TfsVariant>& args) override;

private:
    bool FIsMacro;
    TfsMethodHandler FHandler;
};
