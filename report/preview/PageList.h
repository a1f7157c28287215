#pragma once

#include <QList>
#include <QString>

// The pages a print job is asked for, as the operator writes them ("1,3,5-12"): items separated by
// commas, each a page number n or a range n-m (n, n + 1, ..., m; nothing when m < n). Blanks do not
// count, and a trailing "-" runs to the last page (totalPages). Page numbers come out in the order
// written, repetitions kept; an empty text gives an empty list, which means every page.
//
// Numbers are not checked against the page count here (the job skips those outside it), except
// that a range stops at the last page: the pages beyond it would be skipped anyway, and a range
// like 1-2000000000 must not fill the memory.
//
// An item that is no decimal number (an empty one too, as before a leading "-" or between two
// commas) raises Exception "'<item>' is not a valid integer value".
QList<int> frxParsePageList(const QString& text, int totalPages);
