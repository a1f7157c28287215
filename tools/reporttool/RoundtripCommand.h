#pragma once

#include <QStringList>

// reporttool roundtrip IN.fr3 OUT.fr3: loads a template and saves it again. The messages of the
// load go to the standard error stream, one a line, and make the exit status 1; a file that
// cannot be read or written does the same with its message.
int runRoundtrip(const QStringList& arguments);
