#include "report/engine/TextOutRecorder.h"

#include <QHash>

namespace {

// Drawing runs on the user-interface thread only.
QHash<const QPainter*, TextOutRecorder*>& recorders()
{
    static QHash<const QPainter*, TextOutRecorder*> map;
    return map;
}

} // namespace

TextOutRecording::TextOutRecording(const QPainter& painter, TextOutRecorder& recorder)
    : FPainter(&painter), FPrevious(recorders().value(&painter))
{
    recorders().insert(FPainter, &recorder);
}

TextOutRecording::~TextOutRecording()
{
    if (FPrevious)
        recorders().insert(FPainter, FPrevious);
    else
        recorders().remove(FPainter);
}

TextOutRecorder* TextOutRecording::RecorderFor(const QPainter& painter)
{
    return recorders().value(&painter);
}
