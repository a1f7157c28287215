#include "report/script/ScriptLimits.h"

namespace {
// All compilation and evaluation runs on the user-interface thread; thread-local state keeps
// the counters correct should another thread ever evaluate on its own.
thread_local int tNestingDepth = 0;
thread_local int tRunDepth = 0;
thread_local int64_t tSteps = 0;
} // namespace

NestingScope::NestingScope(int units) : FUnits(units)
{
    if (tNestingDepth + units > kMaxNestingDepth)
        throw ScriptLimitError(QStringLiteral("Nesting of expressions, statements or calls is too deep "
                                              "(more than %1 levels)")
                                   .arg(kMaxNestingDepth));
    tNestingDepth += units;
}

NestingScope::~NestingScope()
{
    tNestingDepth -= FUnits;
}

RunScope::RunScope()
{
    if (tRunDepth++ == 0)
        tSteps = 0;
}

RunScope::~RunScope()
{
    --tRunDepth;
}

void chargeSteps(int64_t count)
{
    // Host code that uses values outside any run (formatting a memo, say) has no budget to spend.
    if (tRunDepth == 0)
        return;
    tSteps += count;
    if (tSteps > kMaxSteps)
        throw ScriptLimitError(QStringLiteral("The script ran too long (more than %1 steps)").arg(kMaxSteps));
}

void chargeString(qsizetype length)
{
    if (length > kMaxStringLength)
        throw ScriptLimitError(
            QStringLiteral("String is too long (more than %1 characters)").arg(kMaxStringLength));
    chargeSteps(1 + length / kCharactersPerStep);
}
