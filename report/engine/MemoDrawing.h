#pragma once

#include <QString>
#include <QStringList>

class QPainter;
class TfrxCustomMemoView;

// Draws a memo: background, frame, underlines, then its text laid out by the shared TfrxDrawText.
// Outside the designer a memo with AutoWidth takes the width of its text first.
void DrawMemo(TfrxCustomMemoView& Memo, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
              double OffsetY, double PrintScale = 1);

// Report pixels, whole: the height the memo's text needs in its own width, and the width the
// widest line needs; both include gaps, frame lines and shadow.
double CalcHeight(TfrxCustomMemoView& Memo);
double CalcWidth(TfrxCustomMemoView& Memo);

// The text of a memo that is still to be output when it is split over several heights.
struct TfrxMemoPart {
    QStringList FLines;
    bool FParaBreak = false; // the text begins inside a paragraph

    bool HasNextDataPart() const { return !FLines.isEmpty(); }
};

// Takes the memo's whole text as the part to output and clears both paragraph-break flags.
void InitPart(TfrxCustomMemoView& Memo, TfrxMemoPart& Part);
// Keeps in the memo the lines of the part that fit its height and leaves the rest in Part; gives
// the unused height below the kept lines (the memo's height when nothing is left over).
double DrawPart(TfrxCustomMemoView& Memo, TfrxMemoPart& Part);

// The memo's text as wrapped into lines (WrapWords), or with its tags removed.
QString WrapText(TfrxCustomMemoView& Memo, bool WrapWords);
