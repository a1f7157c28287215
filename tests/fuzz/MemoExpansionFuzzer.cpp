// Memo text expansion on untrusted text: a memo of any template, with its bracketed expressions, inline
// formats and macros. The first byte picks the memo's delimiters and options, the rest is its text.
// Every expression found lies within the text (an unclosed one up to its end); an expression error is
// recorded and raised as the report's own error; text without an opening delimiter is left as it was.

#include "ReportApplication.h"
#include "tests/fuzz/FuzzCheck.h"

#include "common/Exception.h"
#include "report/model/MemoExpansion.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportScriptBinding.h"

#include <QGuiApplication>
#include <QLocale>

namespace {

const QString kDelimiters[] = {QStringLiteral("[,]"), QStringLiteral("<%,%>"), QStringLiteral("{,}"),
                               QStringLiteral("[")};

struct Options {
    QString delimiters;
    bool allowExpressions;
    bool hideZeros;
};

Options optionsOf(uint8_t flags)
{
    return {kDelimiters[flags & 3], (flags & 4) == 0, (flags & 8) != 0};
}

void checkFoundExpressions(const QString& text, const QString& delimiters)
{
    const qsizetype comma = delimiters.indexOf(u',');
    const QString open = comma < 0 ? delimiters : delimiters.left(comma);
    const QString close = comma < 0 ? QString() : delimiters.mid(comma + 1);
    int start = 1;
    while (start <= text.size()) {
        const TfrxBracketedExpression found = frxFindExpression(text, open, close, start);
        if (found.end == found.start)
            return;
        // One without a closing delimiter runs to the end, where the closing delimiter would begin.
        fuzzCheck(found.start >= start && found.start < found.end && found.end < text.size() + close.size(),
                  "an expression found lies within the text");
        start = found.end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startReportApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const Options options = optionsOf(data[0]);
    const QString text = QString::fromUtf8(fuzzBytes(data + 1, size - 1));
    checkFoundExpressions(text, options.delimiters);

    TfrxReport report;
    TfrxReportScriptBinding& binding = report.GetScript();
    binding.PrepareScript();
    TfrxMemoView memo;
    memo.SetName(QStringLiteral("Memo1"));
    memo.SetExpressionDelimiters(options.delimiters);
    memo.SetAllowExpressions(options.allowExpressions);
    memo.SetHideZeros(options.hideZeros);
    memo.SetText(text);
    const QString stored = memo.GetText();
    binding.SetCurrentObjectName(memo.GetName());

    bool raised = false;
    try {
        ExpandMemoExpressions(memo, binding);
    } catch (const Exception& error) {
        raised = true;
        fuzzCheck(!error.message().isEmpty(), "an expression error has a message");
    }
    fuzzCheck(!raised || !report.GetErrors().isEmpty(), "a raised expression error is recorded");
    const QString open = options.delimiters.section(u',', 0, 0);
    if (!stored.contains(open))
        fuzzCheck(memo.GetText() == stored, "text without expressions stays as it was");
    ExtractMacros(memo, 3, 1);
    return 0;
}
