#pragma once

#include <QRect>
#include <QString>

// The text search of the preview, shared by the whole process: it survives closing the preview
// window, so that the next search dialog offers the last text.
struct TfrxFindState {
    QString Text;
    bool CaseSensitive = false;
    bool Found = false;
    // The match in page pixels at scale 1.
    QRect FoundRect;
    // The index of the text output of the last match on its page; -1 before the first.
    int LastMatch = -1;
};

TfrxFindState& frxFindState();
