#pragma once

#include <QStringList>

// reporttool render IN.fr3 OUT.png [--dpi D]: draws the first page of a template as it stands, before
// any preparation, at D dots per inch (96 by default), as the preview shows it.
int runRender(const QStringList& arguments);
