#include "app/profile/PrivateProfile.h"
#include "app/profile/TextCodec.h"
#include "common/Exception.h"
#include "tests/app/profile/SystemConverter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kDefault = QStringLiteral("Ошибка при чтении!");

class PrivateProfileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return FDir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray readFile(const QString& fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray utf16LE(const QString& text) { return "\xFF\xFE" + encodedBySystem(text, "UTF-16LE"); }

    // The message of the failure, empty when the file was written.
    static QString updateFailure(PrivateProfile& profile)
    {
        try {
            profile.updateFile();
        } catch (const Exception& e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir FDir;
};

TEST_F(PrivateProfileTest, ReadsValuesAsThePlatformReaderDoes)
{
    const QString fileName = writeFile("read.vod", QStringLiteral("; сведения\r\n"
                                                                  "[Слева]\r\n"
                                                                  "  edit_1 =  ЧОУ ДПО «Автошкола»\t \r\n"
                                                                  "Edit_2=\"  в кавычках  \"\r\n"
                                                                  "edit_3=a=b\r\n"
                                                                  "edit_4=\r\n"
                                                                  ";edit_5=комментарий\r\n"
                                                                  "edit_5\r\n"
                                                                  "edit_6=\u00A0неразрывный\u00A0\r\n"
                                                                  "[ Таблица ]\r\n"
                                                                  "edt_1=42\r\n"
                                                                  "EDT_1=повтор\r\n")
                                                       .toUtf8());
    const PrivateProfile profile(fileName);
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Слева", "edit_1", "ЧОУ ДПО «Автошкола»"},
        {"СЛЕВА", "EDIT_2", "  в кавычках  "},
        {"слева", "edit_3", "a=b"},
        {"Слева", "edit_4", ""},
        {"Слева", "edit_5", "Ошибка при чтении!"},
        {"Слева", "edit_6", "\u00A0неразрывный\u00A0"},
        {"ТАБЛИЦА", "edt_1", "42"},
        {"Таблица", "edit_1", "Ошибка при чтении!"},
        {"Справа", "edit_1", "Ошибка при чтении!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), kDefault),
                  QString::fromUtf8(c.expected))
            << c.section << " " << c.key;
    }
}

TEST_F(PrivateProfileTest, MissingFileReadsDefaults)
{
    const PrivateProfile profile(path("нет.vod"));
    EXPECT_EQ(profile.readString("Слева", "edit_1", kDefault), kDefault);
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf16LE);
}

struct Entry {
    const char* section;
    const char* key;
    const char* value;
};

TEST_F(PrivateProfileTest, WritingChangesOnlyTheLinesOfTheKeysWritten)
{
    const struct {
        const char* what;
        const char* before;
        std::vector<Entry> writes;
        const char* after;
    } cases[] = {
        {"an existing key is replaced in place, keeping its spelling and every other line",
         "; шапка\r\n[Слева]\r\nEdit_1 = старое\r\n; заметка\r\nedit_2=x\r\n\r\n[Таблица]\r\nedt_1=1\r\n",
         {{"слева", "EDIT_1", "новое"}},
         "; шапка\r\n[Слева]\r\nEdit_1=новое\r\n; заметка\r\nedit_2=x\r\n\r\n[Таблица]\r\nedt_1=1\r\n"},
        {"a new key follows the last key of its section, with the file's line breaks",
         "[Слева]\nedit_1=а\n\n; дальше таблица\n[Таблица]\nedt_1=1\n",
         {{"Слева", "edit_2", "б"}, {"Слева", "edit_3", "в"}},
         "[Слева]\nedit_1=а\nedit_2=б\nedit_3=в\n\n; дальше таблица\n[Таблица]\nedt_1=1\n"},
        {"a key of a section without keys goes under its header",
         "[Слева]\n\n[Таблица]\n",
         {{"Слева", "edit_1", "а"}},
         "[Слева]\nedit_1=а\n\n[Таблица]\n"},
        {"a new section follows the existing ones; the last line gets its missing line break",
         "[Слева]\r\nedit_1=а",
         {{"Таблица", "edt_1", "42"}},
         "[Слева]\r\nedit_1=а\r\n[Таблица]\r\nedt_1=42\r\n"},
        {"values the reader would trim are quoted; a line break cannot forge lines",
         "[Слева]\n",
         {{"Слева", "edit_1", " x "}, {"Слева", "edit_2", "\"y\""}, {"Слева", "edit_3", "a\r\n[Таблица]\nb"}},
         "[Слева]\nedit_1=\" x \"\nedit_2=\"\"y\"\"\nedit_3=a [Таблица] b\n"},
    };
    for (const auto& c : cases) {
        const QString fileName = writeFile("write.vod", c.before);
        PrivateProfile profile(fileName);
        for (const Entry& e : c.writes)
            profile.writeString(QString::fromUtf8(e.section), QString::fromUtf8(e.key),
                                QString::fromUtf8(e.value));
        profile.updateFile();
        EXPECT_EQ(readFile(fileName), QByteArray(c.after)) << c.what;
    }
}

TEST_F(PrivateProfileTest, NewFileIsUtf16WithCrlfInTheOrderWritten)
{
    PrivateProfile profile(path("новый.vod"));
    profile.writeString("Слева", "edit_5", "Иванов Иван Иванович");
    profile.writeString("Слева", "date1", "15.01.2024");
    profile.writeString("Таблица", "edt_1", "42");
    profile.writeString("Таблица", "cmb_kpp", "0");
    profile.updateFile();
    EXPECT_EQ(readFile(profile.fileName()),
              utf16LE("[Слева]\r\nedit_5=Иванов Иван Иванович\r\ndate1=15.01.2024\r\n"
                      "[Таблица]\r\nedt_1=42\r\ncmb_kpp=0\r\n"));
}

TEST_F(PrivateProfileTest, EveryValueReadsBackAsWritten)
{
    const QString values[] = {
        "Иванов", " ведущий пробел",  "хвост\t",     "\"в кавычках\"", "\"",    "",
        "a=b",    "; не комментарий", "[не раздел]", "x\u00A0",        "Гүзәл", "«B» №\u00A017",
    };
    PrivateProfile profile(path("значения.vod"));
    for (int i = 0; i < int(std::size(values)); ++i)
        profile.writeString("Слева", QString("edit_%1").arg(i + 1), values[i]);
    profile.updateFile();

    const PrivateProfile reread(profile.fileName());
    for (int i = 0; i < int(std::size(values)); ++i)
        EXPECT_EQ(reread.readString("Слева", QString("edit_%1").arg(i + 1), kDefault), values[i]);
}

TEST_F(PrivateProfileTest, RewriteKeepsTheEncodingOfTheFile)
{
    const QString before =
        QStringLiteral("; свидетельство\r\n[Слева]\r\nedit_1=Ёжиков «Ё»\r\n[Таблица]\r\nedt_1=1\r\n");
    const QString after =
        QStringLiteral("; свидетельство\r\n[Слева]\r\nedit_1=Петров № 2\r\n[Таблица]\r\nedt_1=1\r\n");
    const struct {
        TextEncoding encoding;
        QByteArray bom;
        const char* systemName;
    } cases[] = {
        {TextEncoding::Windows1251, "", "CP1251"},
        {TextEncoding::Utf8, "", "UTF-8"},
        {TextEncoding::Utf8WithBom, "\xEF\xBB\xBF", "UTF-8"},
        {TextEncoding::Utf16LE, "\xFF\xFE", "UTF-16LE"},
        {TextEncoding::Utf16BE, "\xFE\xFF", "UTF-16BE"},
    };
    for (const auto& c : cases) {
        const QString fileName = writeFile("encoding.vod", c.bom + encodedBySystem(before, c.systemName));
        PrivateProfile profile(fileName);
        EXPECT_EQ(profile.encoding(), c.encoding) << c.systemName;
        EXPECT_EQ(profile.readString("Слева", "edit_1", kDefault), "Ёжиков «Ё»") << c.systemName;
        profile.writeString("Слева", "edit_1", "Петров № 2");
        profile.updateFile();
        EXPECT_EQ(readFile(fileName), c.bom + encodedBySystem(after, c.systemName)) << c.systemName;
    }
}

TEST_F(PrivateProfileTest, AsciiFileTakesCyrillicInWindows1251)
{
    const QString fileName = writeFile("ascii.vod", "[Left]\r\nkey=value\r\n");
    PrivateProfile profile(fileName);
    profile.writeString("Слева", "edit_5", "Иванов");
    profile.updateFile();
    EXPECT_EQ(readFile(fileName),
              encodedBySystem("[Left]\r\nkey=value\r\n[Слева]\r\nedit_5=Иванов\r\n", "CP1251"));
}

TEST_F(PrivateProfileTest, Windows1251FileTakingAForeignCharacterBecomesUtf16WithEveryLine)
{
    const QString before = QStringLiteral("; заметка оператора\r\n[Слева]\r\nedit_1=ЧОУ ДПО «Автошкола»\r\n"
                                          "edit_5=Петрова\r\n\r\n[Таблица]\r\nedt_1=0,5\r\n");
    const QString fileName = writeFile("foreign.vod", encodedBySystem(before, "CP1251"));
    PrivateProfile profile(fileName);
    profile.writeString("Слева", "edit_5", "Петрова Гүзәл Ринатовна");
    profile.updateFile();

    QString expected = before;
    expected.replace("edit_5=Петрова", "edit_5=Петрова Гүзәл Ринатовна");
    EXPECT_EQ(readFile(fileName), utf16LE(expected));
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf16LE);
    EXPECT_EQ(PrivateProfile(fileName).readString("Слева", "edit_5", kDefault), "Петрова Гүзәл Ринатовна");
}

TEST_F(PrivateProfileTest, FailedWriteLeavesThePreviousFileIntact)
{
    const QByteArray content = encodedBySystem("[Слева]\r\nedit_1=прежнее\r\n", "CP1251");
    const struct {
        const char* what;
        std::function<QString()> prepare; // gives the file name to write to
    } cases[] = {
        {"read-only file",
         [&] {
             const QString fileName = writeFile("readonly.vod", content);
             QFile::setPermissions(fileName, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
             return fileName;
         }},
        {"missing folder", [&] { return path("нет папки/файл.vod"); }},
        {"folder in place of the file",
         [&] {
             QDir(FDir.path()).mkdir("папка.vod");
             return path("папка.vod");
         }},
        {"a file in place of a folder", [&] { return writeFile("файл", content) + "/файл.vod"; }},
        {"empty name", [] { return QString(); }},
        {"name too long", [&] { return path(QString(300, u'ф') + ".vod"); }},
    };
    for (const auto& c : cases) {
        const QString fileName = c.prepare();
        const QByteArray old = readFile(fileName);
        const QStringList entries = QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        PrivateProfile profile(fileName);
        profile.writeString("Слева", "edit_1", "новое");
        EXPECT_EQ(updateFailure(profile), "Unable to write to " + fileName) << c.what;
        EXPECT_EQ(readFile(fileName), old) << c.what;
        EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden), entries) << c.what;
    }
}

TEST_F(PrivateProfileTest, UnreadableFileReadsEmptyAndIsNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser from reading";
    const QString fileName = writeFile("unreadable.vod", "[Слева]\r\nedit_1=прежнее\r\n");
    QFile::setPermissions(fileName, QFile::WriteOwner);
    PrivateProfile profile(fileName);
    EXPECT_EQ(profile.readString("Слева", "edit_1", kDefault), kDefault);
    profile.writeString("Слева", "edit_2", "новое");
    EXPECT_EQ(updateFailure(profile), "Unable to write to " + fileName);
    QFile::setPermissions(fileName, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readFile(fileName), "[Слева]\r\nedit_1=прежнее\r\n");
}

TEST_F(PrivateProfileTest, OversizedFileIsReadInPartAndNeverRewritten)
{
    QByteArray content = "[Слева]\r\nedit_1=начало\r\n";
    while (content.size() <= PrivateProfile::kMaxFileSize)
        content += "; заполнение заполнение заполнение заполнение\r\n";
    content += "edit_2=за пределом\r\n";
    const QString fileName = writeFile("big.vod", content);

    PrivateProfile profile(fileName);
    EXPECT_EQ(profile.readString("Слева", "edit_1", kDefault), "начало");
    EXPECT_EQ(profile.readString("Слева", "edit_2", kDefault), kDefault);
    profile.writeString("Слева", "edit_1", "новое");
    EXPECT_EQ(updateFailure(profile), "Unable to write to " + fileName);
    EXPECT_EQ(readFile(fileName), content);
}

// A write that the file system refuses part way: the operator's old file must survive.
class DiskFullTest : public PrivateProfileTest {
protected:
    // A short value fails while the file is flushed and committed, a long one already while written.
    void expectFailureKeepsFile(const QString& fileName)
    {
        const QByteArray old = readFile(fileName);
        for (const qsizetype length : {4000, 64 * 1024}) {
            PrivateProfile profile(fileName);
            profile.writeString("Слева", "edit_1", QString(length, u'ж'));
            EXPECT_EQ(updateFailure(profile), "Unable to write to " + fileName) << length;
            EXPECT_EQ(readFile(fileName), old) << length;
        }
    }

    const QByteArray FOld = QByteArray("[Слева]\r\nedit_1=прежнее\r\n") + QByteArray(6000, ' ');
};

TEST_F(DiskFullTest, FileSizeLimitStopsTheWrite)
{
    const QString fileName = writeFile("limit.vod", FOld);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 10 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectFailureKeepsFile(fileName);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
}

TEST_F(DiskFullTest, FullFileSystemStopsTheWrite)
{
    const QString folder = path("tiny");
    QDir().mkdir(folder);
    if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small file system is not permitted here";
    const std::unique_ptr<const QString, void (*)(const QString*)> unmount(
        &folder, [](const QString* mounted) { umount(mounted->toLocal8Bit().constData()); });
    const QString fileName = folder + "/full.vod";
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(FOld), FOld.size());
    }
    expectFailureKeepsFile(fileName);
}

} // namespace
