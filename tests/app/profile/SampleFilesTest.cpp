#include "app/profile/PrivateProfile.h"
#include "app/profile/TextCodec.h"

#include <QFile>
#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// The sections and keys of a certificate file in the order the Windows program writes them.
QStringList certificateLayout()
{
    QStringList layout{"[Слева]"};
    for (int i = 1; i <= 10; ++i)
        layout << QString("edit_%1").arg(i);
    for (int i = 1; i <= 4; ++i)
        layout << QString("date%1").arg(i);
    layout << "[Таблица]";
    for (int i = 1; i <= 11; ++i)
        layout << QString("edt_%1").arg(i);
    for (int i = 1; i <= 10; ++i)
        layout << QString("cmb_%1").arg(i);
    layout << "cmb_kpp";
    return layout;
}

// The sample files are what other tests and the operator's manual rely on: check that they are
// certificates the program itself could have written.
TEST(SampleFiles, AreCompleteCertificatesAsTheWindowsProgramWritesThem)
{
    const struct {
        const char* fileName;
        TextEncoding encoding;
        const char* trainee;
    } cases[] = {
        {CERTPRINT_SAMPLES_DIR "/ivanov.vod", TextEncoding::Windows1251, "Иванов Иван Иванович"},
        {CERTPRINT_PROFILE_TEST_DATA_DIR "/petrova_utf16.vod", TextEncoding::Utf16LE,
         "Петрова Гүзәл Ринатовна"},
    };
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const std::pair<const char*, int> maxLengths[] = {
        {"edit_1", 58}, {"edit_2", 58}, {"edit_3", 50}, {"edit_4", 4},
        {"edit_5", 44}, {"edit_6", 44}, {"edit_9", 25}, {"edit_10", 25},
    };
    for (const auto& c : cases) {
        QFile file(QString::fromUtf8(c.fileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.fileName;
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(detectEncoding(bytes), c.encoding) << c.fileName;

        QStringList lines = decodeText(bytes, c.encoding).split("\r\n");
        EXPECT_EQ(lines.takeLast(), "") << "the last line ends with CRLF: " << c.fileName;
        QStringList layout;
        for (const QString& line : lines) {
            EXPECT_FALSE(line.contains(u'\n') || line.contains(u'\r')) << c.fileName;
            layout << (line.startsWith(u'[') ? line : line.section(u'=', 0, 0));
        }
        EXPECT_EQ(layout, certificateLayout()) << c.fileName;

        const PrivateProfile profile(QString::fromUtf8(c.fileName));
        const auto value = [&](const char* section, const QString& key) {
            return profile.readString(QString::fromUtf8(section), key, "?");
        };
        EXPECT_EQ(value("Слева", "edit_5"), QString::fromUtf8(c.trainee));
        for (const auto& [key, maxLength] : maxLengths)
            EXPECT_LE(value("Слева", key).size(), maxLength) << c.fileName << " " << key;
        double sum = 0;
        for (int i = 1; i <= 10; ++i) {
            const QString hours = value("Таблица", QString("edt_%1").arg(i));
            bool ok = false;
            sum += russian.toDouble(hours, &ok);
            EXPECT_TRUE(ok && hours.size() <= 5) << c.fileName << " " << hours.toStdString();
        }
        EXPECT_EQ(russian.toDouble(value("Таблица", "edt_11")), sum) << c.fileName;
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(russian.toDate(value("Слева", QString("date%1").arg(i)), "dd.MM.yyyy").isValid());
    }
}

} // namespace
