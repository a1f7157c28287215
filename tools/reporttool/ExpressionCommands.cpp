#include "tools/reporttool/ExpressionCommands.h"

#include "common/Exception.h"
#include "report/model/MemoExpansion.h"
#include "report/model/TfrxReportScriptBinding.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"

#include <cstdio>
#include <functional>

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

// Runs Produce against a freshly prepared empty report and prints what it gives, or its error.
int runOnEmptyReport(const QStringList& arguments, const char* usage,
                     const std::function<QString(TfrxReportScriptBinding&)>& produce)
{
    if (arguments.size() != 1) {
        printLine(stderr, QString::fromLatin1(usage));
        return 2;
    }
    TfrxReport report;
    TfrxReportScriptBinding& binding = report.GetScript();
    try {
        if (!binding.PrepareScript()) {
            printLine(stderr, report.GetErrors().join(u'\n'));
            return 1;
        }
        printLine(stdout, produce(binding));
    } catch (const Exception& error) {
        printLine(stderr, error.message());
        return 1;
    }
    return 0;
}

} // namespace

int runEval(const QStringList& arguments)
{
    return runOnEmptyReport(arguments, "usage: reporttool eval EXPR", [&](TfrxReportScriptBinding& binding) {
        return VarToStr(binding.Calc(arguments[0]));
    });
}

int runExpand(const QStringList& arguments)
{
    return runOnEmptyReport(arguments, "usage: reporttool expand TEXT",
                            [&](TfrxReportScriptBinding& binding) {
                                TfrxMemoView memo;
                                memo.SetName(QStringLiteral("Memo1"));
                                memo.SetText(arguments[0]);
                                ExpandMemoExpressions(memo, binding);
                                return memo.GetMemo().join(u'\n');
                            });
}
