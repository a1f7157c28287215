#pragma once

#include "report/script/ScriptNodes.h"
#include "report/script/TfsCustomVariable.h"

// A procedure or function declared in a script. Each call runs the body in a frame of its own:
// the parameters, then the local variables, then (for a function) Result.
class TfsProcVariable : public TfsCallable {
public:
    TfsProcVariable(const QString& name, const QString& resultTypeName, QList<TfsParameter> parameters,
                    bool isFunction, TfsTypeInfo resultType);

    // Types of the local variables after the parameters; Depth is the body's nesting depth,
    // held for the length of each call.
    void SetBody(StmtPtr body, std::vector<TfsTypeInfo> localTypes, int depth);

    TfsVariant Call(QList<TfsVariant>& args) override;

private:
    TfsTypeInfo FResultType;
    StmtPtr FBody;
    std::vector<TfsTypeInfo> FLocalTypes;
    int FDepth = 0;
};
