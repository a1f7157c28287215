// The XML reader on untrusted bytes: a template, a prepared report or a text table from anywhere.
// A document either loads or is rejected with the format error, whether read whole or with its marked
// elements parked; what loads is written back and read again to the same tree; attribute values read
// from it can be written back into it unchanged.

#include "tests/fuzz/FuzzCheck.h"

#include "common/Exception.h"
#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLDocument.h"
#include "report/model/xml/TfrxXMLReader.h"
#include "report/model/xml/XMLEscaping.h"

#include <QBuffer>
#include <QRegularExpression>
#include <memory>

namespace {

std::unique_ptr<QBuffer> readBuffer(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

bool load(TfrxXMLDocument& document, const QByteArray& bytes, bool allowPartialLoading)
{
    try {
        document.LoadFromStream(readBuffer(bytes), allowPartialLoading);
        return true;
    } catch (const TfrxInvalidXMLException&) {
        return false;
    }
}

QByteArray save(TfrxXMLDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer);
    return bytes;
}

void loadParkedElements(TfrxXMLDocument& document, TfrxXMLItem* item)
{
    document.LoadItem(item);
    for (int i = 0; i < item->GetCount(); ++i)
        loadParkedElements(document, item->GetItems(i));
}

// The writer puts one blank before the attribute text and the reader drops a trailing one, so blanks
// around it do not survive a round trip.
QString attributeTextOf(const TfrxXMLItem& item)
{
    QString text = item.GetText();
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Text that holds the unloadable marker loses it on every read, so it may shrink with each round trip.
bool holdsMarker(const TfrxXMLItem& item)
{
    return (u' ' + item.GetText()).contains(QLatin1String(" ld=\"0\""), Qt::CaseInsensitive);
}

bool sameTree(const TfrxXMLItem& a, const TfrxXMLItem& b)
{
    if (a.GetName() != b.GetName() || a.GetCount() != b.GetCount())
        return false;
    if (!holdsMarker(a) && !holdsMarker(b) && attributeTextOf(a) != attributeTextOf(b))
        return false;
    for (int i = 0; i < a.GetCount(); ++i) {
        if (!sameTree(*a.GetItems(i), *b.GetItems(i)))
            return false;
    }
    return true;
}

// Values whose escaped form reads back as themselves: a NUL in a long value is stored as a blank and
// the six characters &quot; as one double quote.
bool survivesEscaping(const QString& value)
{
    return !value.contains(QChar(0)) && !value.contains(QLatin1String("&quot;"));
}

void checkAttributes(TfrxXMLItem& item)
{
    static const QRegularExpression attributeName(QStringLiteral("([A-Za-z0-9_.]+)=\""));
    const QString text = item.GetText();
    for (const QRegularExpressionMatch& match : attributeName.globalMatch(text)) {
        // A name-like piece inside another attribute's value is not an attribute.
        const QString name = match.captured(1);
        if (!item.PropExists(name))
            continue;
        QString value;
        try {
            value = item.GetProp(name);
        } catch (const Exception&) {
            continue; // a character reference that is not a number
        }
        if (!survivesEscaping(value))
            continue;
        fuzzCheck(UnescapeAttributeValue(EscapeAttributeValue(value)) == value, "escaping round trip");
        item.SetProp(name, value);
        fuzzCheck(item.GetProp(name) == value, "a written attribute reads back");
    }
    for (int i = 0; i < item.GetCount(); ++i)
        checkAttributes(*item.GetItems(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzBytes(data, size);

    TfrxXMLDocument whole;
    const bool loaded = load(whole, input, false);

    TfrxXMLDocument partial;
    const bool partialLoaded = load(partial, input, true);
    // Elements of parked elements are passed over, not kept, so they do not count towards the element
    // limit: only an input of more bytes than that limit may load in part and not whole.
    fuzzCheck(partialLoaded == loaded || (partialLoaded && input.size() > TfrxXMLReader::kMaxElements),
              "partial loading accepts what whole loading does");
    // Without a root element there is nothing to write: the writer would put "</>", which no reader takes.
    if (!loaded || whole.GetRoot()->GetName().isEmpty())
        return 0;
    // Writing fetches parked elements back from the stream they were read from.
    const QByteArray written = save(whole);
    fuzzCheck(save(partial).size() >= written.size(), "parked elements are written whole");
    loadParkedElements(partial, partial.GetRoot());
    fuzzCheck(sameTree(*whole.GetRoot(), *partial.GetRoot()), "parked elements come back whole");

    TfrxXMLDocument reread;
    fuzzCheck(load(reread, written, false), "the reader accepts what the writer wrote");
    fuzzCheck(sameTree(*whole.GetRoot(), *reread.GetRoot()), "a written document reads back the same");

    checkAttributes(*whole.GetRoot());
    return 0;
}
