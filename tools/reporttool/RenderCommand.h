#pragma once

#include <QStringList>

// reporttool render IN.fr3|IN.fp3 OUT.png [--dpi D] [--page N]: draws the first page of a template as
// it stands, before any preparation, or page N (1 by default) of a prepared report, at D dots per inch
// (96 by default), as the preview shows it.
int runRender(const QStringList& arguments);
