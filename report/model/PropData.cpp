#include "report/model/PropData.h"

#include <QtEndian>

namespace {

constexpr char kByteBlockType = 0x0A;
constexpr qsizetype kMaxNameLength = 255;

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool hexToBytes(const QString& hex, QByteArray& bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    bytes.resize(hex.size() / 2);
    const char16_t* digits = reinterpret_cast<const char16_t*>(hex.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int high = hexDigit(digits[2 * i]);
        const int low = hexDigit(digits[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<char>(high << 4 | low);
    }
    return true;
}

} // namespace

QString encodePropData(const QList<TfrxBinaryProperty>& blocks)
{
    QByteArray bytes;
    for (const TfrxBinaryProperty& block : blocks) {
        const QByteArray name = block.name.toUtf8().left(kMaxNameLength);
        bytes.append(static_cast<char>(name.size()));
        bytes.append(name);
        bytes.append(kByteBlockType);
        char length[4];
        qToLittleEndian(static_cast<quint32>(block.value.size()), length);
        bytes.append(length, 4);
        bytes.append(block.value);
    }
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QList<TfrxBinaryProperty> decodePropData(const QString& hex)
{
    QByteArray bytes;
    if (!hexToBytes(hex, bytes))
        return {};
    QList<TfrxBinaryProperty> blocks;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype nameLength = static_cast<quint8>(bytes[at]);
        const qsizetype valueAt = at + 1 + nameLength + 1 + 4;
        if (valueAt > bytes.size() || bytes[at + 1 + nameLength] != kByteBlockType)
            break;
        const quint32 valueLength = qFromLittleEndian<quint32>(bytes.constData() + valueAt - 4);
        if (valueLength > static_cast<quint64>(bytes.size() - valueAt))
            break;
        blocks.append({QString::fromUtf8(bytes.mid(at + 1, nameLength)), bytes.mid(valueAt, valueLength)});
        at = valueAt + valueLength;
    }
    return blocks;
}
