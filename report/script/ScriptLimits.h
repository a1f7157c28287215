#pragma once

#include "common/Exception.h"

#include <cstdint>

// A template is untrusted input: these limits keep any script or expression from exhausting the
// stack, the processor or the memory of the process. Every limit ends the work with an error.

// Characters of one program or expression text.
inline constexpr qsizetype kMaxSourceLength = 1'000'000;
// Nesting levels of parsing, evaluation and calls, counted together along the whole chain of
// nested compilations and calls, so that no combination of them can overflow the stack.
inline constexpr int kMaxNestingDepth = 512;
// Steps (statements, loop turns, calls, and work proportional to the size of the values handled)
// of one outermost run: one Execute, one CallFunction, one expression evaluation.
inline constexpr int64_t kMaxSteps = 1'000'000;
// Characters of one string value.
inline constexpr qsizetype kMaxStringLength = 16 * 1024 * 1024;
// Elements of one variant array.
inline constexpr int64_t kMaxArrayElements = 1'000'000;
// Characters of a string value that cost one step to create, copy or compare.
inline constexpr qsizetype kCharactersPerStep = 64;

// Raised when a limit is exceeded. Script exception handlers do not catch it and the engine's
// callers record it once, so an exhausted budget always ends the outermost run.
class ScriptLimitError : public Exception {
public:
    using Exception::Exception;
};

// Holds Units nesting levels for its lifetime; throws ScriptLimitError beyond kMaxNestingDepth.
class NestingScope {
public:
    explicit NestingScope(int units = 1);
    ~NestingScope();
    NestingScope(const NestingScope&) = delete;
    NestingScope& operator=(const NestingScope&) = delete;

private:
    int FUnits;
};

// Marks an entry into script code; the outermost one starts a fresh step budget.
class RunScope {
public:
    RunScope();
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;
};

// Spends Count steps of the current run; throws ScriptLimitError when the budget is exhausted.
void chargeSteps(int64_t count = 1);

// Spends the steps for handling a string of Length characters and refuses strings over the limit.
void chargeString(qsizetype length);
