#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QPainter;

// Receives every run of text that memo drawing outputs on a painter, with its bounding rectangle
// in the painter's coordinates, in drawing order (the preview's text search draws a page onto a
// recording canvas).
class TextOutRecorder {
public:
    virtual ~TextOutRecorder() = default;
    virtual void TextOut(const QString& Text, const QRect& Bounds) = 0;
};

// Attaches a recorder to a painter for the lifetime of this object.
class TextOutRecording {
public:
    TextOutRecording(const QPainter& painter, TextOutRecorder& recorder);
    ~TextOutRecording();
    TextOutRecording(const TextOutRecording&) = delete;
    TextOutRecording& operator=(const TextOutRecording&) = delete;

    // The recorder attached to the painter, if any.
    static TextOutRecorder* RecorderFor(const QPainter& painter);

private:
    const QPainter* FPainter;
    TextOutRecorder* FPrevious;
};

struct RecordedTextOut {
    QString FText;
    QRect FBounds;
};

// A recorder that keeps what it receives.
class TextOutList : public TextOutRecorder {
public:
    void TextOut(const QString& Text, const QRect& Bounds) override { FItems.append({Text, Bounds}); }
    const QList<RecordedTextOut>& GetItems() const { return FItems; }
    void Clear() { FItems.clear(); }

private:
    QList<RecordedTextOut> FItems;
};
