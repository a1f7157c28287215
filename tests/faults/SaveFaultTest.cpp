// Saves that the file system refuses part way or at once: whatever fails, the operator's previous file
// stays as it was, no half-written file is left beside it, and the failure reaches the caller with a
// message.

#include "tests/faults/FaultInjection.h"

#include "app/profile/PrivateProfile.h"
#include "common/Exception.h"
#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/xml/TfrxXMLDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <ostream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// Every file below is far larger than the faults leave room for, so that writing stops part way.
const QString kLargeText = QStringLiteral("Иванов Иван Иванович ").repeated(8000);
constexpr qint64 kVolumeBytes = 64 * 1024;
constexpr rlim_t kFileSizeLimit = 16 * 1024;

struct Saver {
    const char* name;
    const char* fileName;
    std::function<void(const QString&)> save;
};

void PrintTo(const Saver& saver, std::ostream* out)
{
    *out << saver.name;
}

void buildLargeReport(TfrxReport& report)
{
    auto* page = new TfrxReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    auto* memo = new TfrxMemoView(page);
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetBounds(0, 0, 200, 20);
    memo->SetText(kLargeText);
}

void saveTemplate(const QString& fileName)
{
    TfrxReport report;
    buildLargeReport(report);
    report.SaveToFile(fileName);
}

void savePreparedPages(const QString& fileName)
{
    frxRegisterEngine();
    TfrxReport report;
    buildLargeReport(report);
    ASSERT_TRUE(report.PrepareReport());
    report.GetPreviewPages()->SaveToFile(fileName);
}

void saveXMLDocument(const QString& fileName)
{
    TfrxXMLDocument document;
    document.GetRoot()->SetName(QStringLiteral("preparedreport"));
    TfrxXMLItem* page = document.GetRoot()->Add(QStringLiteral("previewpages"))->Add(QStringLiteral("page0"));
    page->Add(QStringLiteral("TfrxMemoView"))->SetProp(QStringLiteral("Text"), kLargeText);
    document.SaveToFile(fileName);
}

void saveCertificate(const QString& fileName)
{
    PrivateProfile file(fileName);
    file.writeString(QStringLiteral("Слева"), QStringLiteral("edit_5"), kLargeText);
    file.updateFile();
}

enum class Fault { DiskFullPartWay, DiskFullAtOnce, FileSizeLimit, ReadOnlyFileSystem };

void PrintTo(Fault fault, std::ostream* out)
{
    static const char* const names[] = {"DiskFullPartWay", "DiskFullAtOnce", "FileSizeLimit",
                                        "ReadOnlyFileSystem"};
    *out << names[static_cast<int>(fault)];
}

const QByteArray kPrevious = QByteArrayLiteral("[Слева]\r\nedit_5=прежнее\r\n");

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<Saver, Fault>> {};

TEST_P(SaveFaultTest, LeavesThePreviousFileIntactAndReportsTheError)
{
    const auto& [saver, fault] = GetParam();
    QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("volume"));
    ASSERT_TRUE(QDir().mkdir(folder));

    std::optional<SmallFileSystem> volume;
    if (fault != Fault::FileSizeLimit) {
        volume.emplace(folder, kVolumeBytes);
        if (!volume->GetMounted())
            GTEST_SKIP() << "mounting a small file system is not permitted here";
    }
    const QString fileName = folder + u'/' + QString::fromUtf8(saver.fileName);
    {
        QFile previous(fileName);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write(kPrevious) == kPrevious.size());
    }
    std::optional<FileSizeLimit> limit;
    switch (fault) {
    case Fault::DiskFullPartWay:
        break;
    case Fault::DiskFullAtOnce:
        volume->Fill();
        break;
    case Fault::FileSizeLimit:
        limit.emplace(kFileSizeLimit);
        break;
    case Fault::ReadOnlyFileSystem:
        volume->MakeReadOnly();
        break;
    }
    const QStringList entries = entriesOf(folder);

    QString message;
    try {
        saver.save(fileName);
    } catch (const Exception& error) {
        message = error.message();
    }
    limit.reset();

    EXPECT_FALSE(message.isEmpty()) << "the failed save is reported";
    EXPECT_EQ(readFile(fileName), kPrevious);
    EXPECT_EQ(entriesOf(folder), entries) << "no half-written file is left";
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SaveFaultTest,
    ::testing::Combine(::testing::Values(Saver{"Template", "shablon.fr3", saveTemplate},
                                         Saver{"PreparedReport", "report.fp3", savePreparedPages},
                                         Saver{"XMLDocument", "report.fp3", saveXMLDocument},
                                         Saver{"CertificateFile", "ivanov.vod", saveCertificate}),
                       ::testing::Values(Fault::DiskFullPartWay, Fault::DiskFullAtOnce, Fault::FileSizeLimit,
                                         Fault::ReadOnlyFileSystem)),
    [](const auto& info) {
        std::ostringstream name;
        PrintTo(std::get<0>(info.param), &name);
        PrintTo(std::get<1>(info.param), &name);
        return name.str();
    });

} // namespace
