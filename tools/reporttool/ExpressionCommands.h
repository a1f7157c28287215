#pragma once

#include <QStringList>

// reporttool eval EXPR: the value of one expression evaluated against an empty report, as text on
// the standard output. An error goes to the standard error stream and makes the exit status 1.
int runEval(const QStringList& arguments);

// reporttool expand TEXT: the text of a memo holding TEXT after expression expansion on an empty
// report, on the standard output; errors as for eval.
int runExpand(const QStringList& arguments);
