#include "app/profile/PrivateProfile.h"

#include "app/profile/TextCodec.h"
#include "common/Exception.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t';
}

// Only spaces and tabs: a value may well begin or end with a no-break space the operator typed.
QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QStringView> sectionOf(QStringView line)
{
    const QStringView text = trimBlanks(line);
    const qsizetype close = text.indexOf(u']');
    if (!text.startsWith(u'[') || close < 0)
        return std::nullopt;
    return trimBlanks(text.sliced(1, close - 1));
}

std::optional<QStringView> keyOf(QStringView line)
{
    const QStringView text = trimBlanks(line);
    if (text.startsWith(u';') || text.startsWith(u'['))
        return std::nullopt;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QStringView key = trimBlanks(text.first(equals));
    if (key.isEmpty())
        return std::nullopt;
    return key;
}

bool isQuoted(QStringView value)
{
    return value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
}

QString valueOf(QStringView line)
{
    QStringView value = trimBlanks(line.sliced(line.indexOf(u'=') + 1));
    if (isQuoted(value))
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

// The reader trims blanks and one pair of enclosing quotes; quoting such values makes them read back as
// they were written. A line break would split the value into lines of their own, even into a forged
// section, so it is kept as a space.
QString storedValue(const QString& value)
{
    QString stored = value;
    stored.replace(QLatin1String("\r\n"), QLatin1String(" "));
    stored.replace(u'\r', u' ');
    stored.replace(u'\n', u' ');
    const bool trimmedOnReading =
        !stored.isEmpty() && (isBlank(stored.front()) || isBlank(stored.back()) || isQuoted(stored));
    return trimmedOnReading ? u'"' + stored + u'"' : stored;
}

bool isReadOnlyFile(const QString& fileName)
{
    // Without any write permission bit a file is read-only even to a user who could overwrite it anyway.
    const QFileInfo info(fileName);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite));
}

} // namespace

PrivateProfile::PrivateProfile(QString fileName) : FFileName(std::move(fileName))
{
    load();
}

void PrivateProfile::load()
{
    QFile file(FFileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        FReadCompletely = false;
        return;
    }
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        FReadCompletely = false;
    if (bytes.size() > kMaxFileSize) {
        // Whole lines only: a character cut in two would make UTF-8 text look like Windows-1251.
        bytes.truncate(bytes.lastIndexOf('\n', kMaxFileSize - 1) + 1);
        FReadCompletely = false;
    }
    if (bytes.isEmpty())
        return;
    FEncoding = detectEncoding(bytes);
    splitLines(decodeText(bytes, FEncoding));
}

void PrivateProfile::splitLines(const QString& text)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype breakLength = 0;
        if (end < text.size())
            breakLength = QStringView(text).sliced(end).startsWith(u"\r\n") ? 2 : 1;
        FLines.push_back({text.sliced(start, end - start), text.sliced(end, breakLength)});
        start = end + breakLength;
    }
    const auto firstBreak =
        std::find_if(FLines.begin(), FLines.end(), [](const Line& line) { return !line.FEnd.isEmpty(); });
    if (firstBreak != FLines.end())
        FLineEnd = firstBreak->FEnd;
}

QString PrivateProfile::readString(const QString& section, const QString& key,
                                   const QString& defaultValue) const
{
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    return line < 0 ? defaultValue : valueOf(FLines[line].FText);
}

void PrivateProfile::writeString(const QString& section, const QString& key, const QString& value)
{
    qsizetype header = findSection(section);
    if (header < 0)
        header = appendSection(section);
    if (const qsizetype line = findKey(header, key); line >= 0) {
        QString& text = FLines[line].FText;
        text = keyOf(text)->toString() + u'=' + storedValue(value);
        return;
    }
    insertLine(lastKeyLine(header) + 1, key + u'=' + storedValue(value));
}

void PrivateProfile::updateFile()
{
    const auto failure = [this] {
        return Exception(formatMessage(QStringLiteral("Unable to write to %s"), FFileName));
    };
    if (!FReadCompletely || isReadOnlyFile(FFileName))
        throw failure();
    TextEncoding encoding = FEncoding;
    std::optional<QByteArray> bytes = encodeText(fileText(), encoding);
    if (!bytes) {
        // Nothing typed may be lost: a value beyond the single-byte code page moves the whole file to UTF-16.
        encoding = TextEncoding::Utf16LE;
        bytes = encodeText(fileText(), encoding);
    }
    // Unbuffered, so that a short write on a full disk shows in the count written: a buffered write that
    // the flush completes only in part still lets commit succeed and replace the file with a truncated one.
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(*bytes) != bytes->size() ||
        !file.commit())
        throw failure();
    FEncoding = encoding;
}

// A repeated section is not merged with the first one of its name, which alone counts.
qsizetype PrivateProfile::findSection(const QString& section) const
{
    for (qsizetype i = 0; i < qsizetype(FLines.size()); ++i) {
        const auto name = sectionOf(FLines[i].FText);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype PrivateProfile::findKey(qsizetype header, const QString& key) const
{
    for (qsizetype i = header + 1; i < qsizetype(FLines.size()) && !sectionOf(FLines[i].FText); ++i) {
        const auto name = keyOf(FLines[i].FText);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

// Blank lines and comments after a section's last key usually introduce the next section.
qsizetype PrivateProfile::lastKeyLine(qsizetype header) const
{
    qsizetype last = header;
    for (qsizetype i = header + 1; i < qsizetype(FLines.size()) && !sectionOf(FLines[i].FText); ++i) {
        if (keyOf(FLines[i].FText))
            last = i;
    }
    return last;
}

qsizetype PrivateProfile::appendSection(const QString& section)
{
    insertLine(FLines.size(), u'[' + section + u']');
    return FLines.size() - 1;
}

void PrivateProfile::insertLine(qsizetype at, const QString& text)
{
    if (at > 0 && FLines[at - 1].FEnd.isEmpty())
        FLines[at - 1].FEnd = FLineEnd;
    FLines.insert(FLines.begin() + at, {text, FLineEnd});
}

QString PrivateProfile::fileText() const
{
    QString text;
    for (const Line& line : FLines)
        text += line.FText + line.FEnd;
    return text;
}
