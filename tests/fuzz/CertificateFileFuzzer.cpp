// The certificate file reader on untrusted bytes: any file the operator opens. Every value is read and
// parsed as the open command does; then the values are written back into a copy of the file together
// with a new value of any characters, and each must read back as written: a rewrite may change the
// file's encoding but loses nothing.

#include "tests/fuzz/FuzzCheck.h"

#include "app/CertificateFile.h"
#include "app/ShortDate.h"
#include "app/profile/PrivateProfile.h"
#include "common/Exception.h"
#include "common/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <cstring>
#include <vector>

namespace {

struct ProfileKey {
    QString section;
    QString key;
};

std::vector<ProfileKey> certificateKeys()
{
    const QString left = QStringLiteral("Слева");
    const QString table = QStringLiteral("Таблица");
    std::vector<ProfileKey> keys;
    for (int n = 1; n <= 10; ++n)
        keys.push_back({left, QStringLiteral("edit_%1").arg(n)});
    for (int n = 1; n <= 4; ++n)
        keys.push_back({left, QStringLiteral("date%1").arg(n)});
    for (int n = 1; n <= 11; ++n)
        keys.push_back({table, QStringLiteral("edt_%1").arg(n)});
    for (int n = 1; n <= 10; ++n)
        keys.push_back({table, QStringLiteral("cmb_%1").arg(n)});
    keys.push_back({table, QStringLiteral("cmb_kpp")});
    return keys;
}

// Read values never hold a line break, so this default tells a missing key.
const QString kMissing = QStringLiteral("\n");

// In memory where the system has such a folder: every rewrite waits for the disk otherwise.
QString scratchPath(const char* name)
{
    const QString memory = QStringLiteral("/dev/shm");
    static QTemporaryDir folder((QFileInfo(memory).isDir() ? memory : QDir::tempPath()) +
                                QStringLiteral("/certprint-fuzz-XXXXXX"));
    return folder.filePath(QString::fromLatin1(name));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "the scratch file is written");
}

void parseAsTheOpenCommandDoes(const QString& value)
{
    parseChoiceIndex(value);
    parseShortDate(value, QLocale());
    tryParseFloat(value, u',');
    try {
        formatOneDecimalText(value, u',');
    } catch (const Exception&) {
    }
}

// The last units of the input as UTF-16: any text an operator might type. Unpaired surrogate halves are
// not characters, and no keyboard types them.
QString typedValue(const QByteArray& input)
{
    const qsizetype units = std::min<qsizetype>(input.size() / 2, 64);
    QString value(units, Qt::Uninitialized);
    std::memcpy(value.data(), input.constData() + input.size() - units * 2, units * 2);
    value = QString::fromUtf8(value.toUtf8());
    // A line break would start a line of its own; the profile keeps it as a space.
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<ProfileKey> keys = certificateKeys();
    const QByteArray input = fuzzBytes(data, size);
    const QString path = scratchPath("certificate.vod");
    writeFile(path, input);

    std::vector<QString> values;
    {
        const PrivateProfile file(path);
        for (const ProfileKey& k : keys) {
            values.push_back(file.readString(k.section, k.key, kMissing));
            parseAsTheOpenCommandDoes(values.back());
        }
    }

    // A larger file is only read in part and never rewritten.
    if (input.size() > PrivateProfile::kMaxFileSize)
        return 0;
    const QString added = typedValue(input);
    {
        PrivateProfile file(path);
        for (size_t i = 0; i < keys.size(); ++i) {
            if (values[i] != kMissing)
                file.writeString(keys[i].section, keys[i].key, values[i]);
        }
        file.writeString(QStringLiteral("Проверка"), QStringLiteral("typed"), added);
        try {
            file.updateFile();
        } catch (const Exception&) {
            fuzzCheck(false, "a file that was read whole can be rewritten");
        }
    }

    const PrivateProfile rewritten(path);
    for (size_t i = 0; i < keys.size(); ++i)
        fuzzCheck(rewritten.readString(keys[i].section, keys[i].key, kMissing) == values[i],
                  "every value reads back after a rewrite");
    fuzzCheck(rewritten.readString(QStringLiteral("Проверка"), QStringLiteral("typed"), kMissing) == added,
              "a new value reads back as written");
    return 0;
}
