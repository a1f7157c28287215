#pragma once

#include <QStringList>

// reporttool prepare IN.fr3 OUT.fp3: prepares a template and saves the prepared report. A template
// with preparation errors writes nothing: the errors go to the standard error stream, OUT is left
// as it was and the status is 1.
int runPrepare(const QStringList& arguments);
