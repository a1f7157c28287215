#include "report/model/xml/TfrxXMLWriter.h"

#include "common/Exception.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/model/xml/XMLTempStream.h"

namespace {

constexpr qsizetype kBufferSize = 4096;
const QByteArray kDeclaration("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>");
const QByteArray kUnloadableMarker(" ld=\"0\"");

QByteArray attributePart(const TfrxXMLItem& item)
{
    const QString& text = item.GetText();
    QByteArray part;
    if (!text.isEmpty() || item.GetUnloadable()) {
        if (!text.startsWith(QLatin1Char(' ')))
            part.append(' ');
        part.append(text.toUtf8());
    }
    if (item.GetUnloadable())
        part.append(kUnloadableMarker);
    return part;
}

} // namespace

TfrxXMLWriter::TfrxXMLWriter(QIODevice& Stream) : FStream(Stream) {}

void TfrxXMLWriter::WriteHeader()
{
    writePiece(kDeclaration, 0);
    flush();
}

void TfrxXMLWriter::WriteRootItem(TfrxXMLItem& RootItem)
{
    writeItem(RootItem, 0);
    flush();
}

void TfrxXMLWriter::writeItem(TfrxXMLItem& item, int depth)
{
    const bool fetch = !item.GetLoaded() && item.GetParked() && FTempStream;
    if (fetch)
        FTempStream->fetch(item);
    const QByteArray name = item.GetName().toUtf8();
    const bool hasChildren = item.GetCount() > 0;
    writePiece('<' + name + attributePart(item) + (hasChildren ? ">" : "/>"), depth);
    for (int i = 0; i < item.GetCount(); ++i)
        writeItem(*item.GetItems(i), depth + 1);
    if (hasChildren)
        writePiece("</" + name + '>', depth);
    if (fetch)
        item.Clear();
}

void TfrxXMLWriter::writePiece(const QByteArray& piece, int depth)
{
    if (FAutoIndent)
        FBuffer.append(QByteArray(depth * 2, ' '));
    FBuffer.append(piece);
    if (FAutoIndent)
        FBuffer.append("\r\n");
    if (FBuffer.size() > kBufferSize)
        flush();
}

void TfrxXMLWriter::flush()
{
    if (FBuffer.isEmpty())
        return;
    if (FStream.write(FBuffer) != FBuffer.size())
        throw Exception(QStringLiteral("Stream write error"));
    FBuffer.clear();
}
