#include "report/model/xml/TfrxXMLReader.h"

#include "report/model/xml/AnsiCodePage.h"
#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLItem.h"

#include <algorithm>
#include <memory>

namespace {

constexpr qint64 kBufferSize = 4096;
// Written after the attributes of an element whose children may be parked in a temporary stream.
const QLatin1String kUnloadableMarker(" ld=\"0\"");

bool endsAChildList(const QString& name)
{
    return name.isEmpty() || name.startsWith(QLatin1Char('/'));
}

} // namespace

TfrxXMLReader::TfrxXMLReader(QIODevice& Stream) : FStream(Stream), FPosition(Stream.pos()) {}

TfrxXMLReader::~TfrxXMLReader()
{
    if (!FStream.isSequential())
        FStream.seek(FPosition);
}

void TfrxXMLReader::ReadHeader()
{
    const Tag declaration = readTag();
    if (!declaration.name.startsWith(QLatin1String("?xml")))
        RaiseException();
    const QLatin1String versionKey("version=\"");
    const qsizetype version = declaration.text.indexOf(versionKey);
    const QString versionNumber =
        version < 0 ? QString() : declaration.text.mid(version + versionKey.size(), 3);
    FOldFormat =
        versionNumber == QLatin1String("1.0") && !declaration.text.contains(QLatin1String("standalone="));
}

void TfrxXMLReader::ReadRootItem(TfrxXMLItem& Item, bool ReadChildren)
{
    readItem(Item, ReadChildren, 0);
    if (Item.GetName().startsWith(QLatin1Char('/')))
        RaiseException();
}

void TfrxXMLReader::RaiseException()
{
    throw TfrxInvalidXMLException();
}

void TfrxXMLReader::readItem(TfrxXMLItem& item, bool readChildren, int depth)
{
    const qint64 start = FPosition;
    Tag tag = readTag();
    if (endsAChildList(tag.name)) {
        item.SetName(tag.name);
        item.SetText(tag.text);
        return;
    }
    if (depth > kMaxDepth)
        RaiseException();
    bool hasContent = true;
    if (tag.name.endsWith(QLatin1Char('/'))) {
        tag.name.chop(1);
        hasContent = false;
    } else if (tag.text.endsWith(QLatin1Char('/'))) {
        tag.text.chop(1);
        hasContent = false;
    }
    const qsizetype marker = tag.text.indexOf(kUnloadableMarker, 0, Qt::CaseInsensitive);
    if (marker >= 0)
        tag.text.remove(marker, kUnloadableMarker.size());
    item.SetName(tag.name);
    item.SetText(tag.text);
    const bool park = marker >= 0 && !readChildren;
    if (hasContent)
        readChildList(item, readChildren, !park, depth);
    if (park) {
        item.Clear();
        item.SetOffset(start);
        item.SetUnloadable(true);
        item.SetLoaded(false);
        item.SetParked(true);
    }
}

void TfrxXMLReader::readChildList(TfrxXMLItem& item, bool readChildren, bool keepChildren, int depth)
{
    while (true) {
        auto child = std::make_unique<TfrxXMLItem>();
        readItem(*child, readChildren, depth + 1);
        const QString& name = child->GetName();
        if (name.isEmpty())
            return; // the end of input closes every open element
        if (name.startsWith(QLatin1Char('/'))) {
            if (QStringView(name).sliced(1).compare(item.GetName(), Qt::CaseInsensitive) != 0)
                RaiseException();
            return;
        }
        // Children of an element being parked are read only to find its end, and dropped at once.
        if (!keepChildren)
            continue;
        if (++FElements > kMaxElements)
            RaiseException();
        item.AddItem(std::move(child));
    }
}

TfrxXMLReader::Tag TfrxXMLReader::readTag()
{
    Tag tag;
    QByteArray raw;
    if (!readRawTag(raw))
        return tag;
    if (raw.endsWith(' '))
        raw.chop(1);
    const qsizetype space = raw.indexOf(' ');
    if (space < 0) {
        tag.name = decode(raw);
    } else {
        tag.name = decode(QByteArrayView(raw).first(space));
        tag.text = decode(QByteArrayView(raw).sliced(space + 1));
    }
    return tag;
}

bool TfrxXMLReader::readRawTag(QByteArray& tag)
{
    const QByteArrayView commentStart("!--");
    while (true) {
        char byte = 0;
        do {
            if (!nextByte(byte))
                return false;
        } while (byte != '<');
        tag.clear();
        // The first three bytes tell a comment, whose text may hold "<" and ">".
        while (tag.size() < commentStart.size()) {
            if (!nextByte(byte) || byte == '<')
                RaiseException();
            if (byte == '>')
                return true;
            tag.append(byte);
        }
        if (tag != commentStart) {
            readRestOfTag(tag);
            return true;
        }
        if (!skipComment())
            return false;
    }
}

void TfrxXMLReader::readRestOfTag(QByteArray& tag)
{
    // Taken a buffer at a time: picture data makes tags of megabytes.
    while (true) {
        if (FBufferPos == FBuffer.size() && !fillBuffer())
            RaiseException();
        const char* begin = FBuffer.constData() + FBufferPos;
        const char* end = FBuffer.constData() + FBuffer.size();
        const char* stop = std::find_if(begin, end, [](char c) { return c == '<' || c == '>'; });
        tag.append(begin, stop - begin);
        if (tag.size() > kMaxTagBytes)
            RaiseException();
        const qsizetype consumed = stop - begin + (stop != end ? 1 : 0);
        FBufferPos += consumed;
        FPosition += consumed;
        if (stop != end) {
            if (*stop == '<')
                RaiseException();
            return;
        }
    }
}

bool TfrxXMLReader::skipComment()
{
    // Only "--" directly before ">" ends a comment; a third dash starts the count again.
    int dashes = 0;
    char byte = 0;
    while (nextByte(byte)) {
        if (byte == '-')
            dashes = dashes == 2 ? 0 : dashes + 1;
        else if (byte == '>' && dashes == 2)
            return true;
        else
            dashes = 0;
    }
    return false;
}

bool TfrxXMLReader::nextByte(char& byte)
{
    if (FBufferPos == FBuffer.size() && !fillBuffer())
        return false;
    byte = FBuffer[FBufferPos++];
    ++FPosition;
    return true;
}

bool TfrxXMLReader::fillBuffer()
{
    FBuffer.resize(kBufferSize);
    const qint64 count = FStream.read(FBuffer.data(), kBufferSize);
    FBuffer.resize(count > 0 ? count : 0);
    FBufferPos = 0;
    return !FBuffer.isEmpty();
}

QString TfrxXMLReader::decode(QByteArrayView bytes) const
{
    return FOldFormat ? ansiToString(bytes) : QString::fromUtf8(bytes);
}
