#include "TemplateTestSupport.h"

#include "common/Exception.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPasswordForm.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

// A report that uses most of what templates store: collections, a memo with formats and
// highlights, frames and fills of every kind, pictures, events, Cyrillic texts.
void buildRichReport(TfrxReport& report)
{
    report.Clear();
    report.GetReportOptions()->SetAuthor("Автошкола");
    report.GetReportOptions()->SetCreateDate(41982.6347830324);
    report.GetReportOptions()->SetLastChange(43656.9726099074);
    report.GetReportOptions()->GetPicture()->SetImage(smallImage());
    report.SetScriptText({"begin", "  ShowMessage('\"<&>\"');", "end."});
    report.GetPreviewOptions()->SetOutlineVisible(true);
    TfrxVariable* variable = report.GetVariables().Add();
    variable->SetName(" Категория");
    variable->SetValue(QString("1,5"));
    TfrxStyleItem* style = report.GetStyles().Add();
    style->SetName("Header");
    style->GetFont()->SetStyle({fsBold});
    style->SetFillType(ftGradient);

    auto* data = new TfrxDataPage(&report);
    data->SetName("Data");
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    page->SetPaperSize(11);
    page->SetOrientation(poLandscape);
    page->SetLeftMargin(5.5);
    page->SetColumns(2);
    page->GetBackPicture()->SetImage(smallImage());
    page->SetHGuides({"10", "20,5"});

    auto* picture = new TfrxPictureView(page);
    picture->SetName("Picture1");
    picture->SetBounds(-28.23624, -23.67718, 593.38582677, 820.15748031);
    picture->GetPicture()->SetImage(smallImage());
    picture->SetPrintable(false);

    auto* memo = new TfrxMemoView(page);
    memo->SetName("Memo1");
    memo->SetBounds(30.23623756, 25.45668803, 445.98454, 15.11811024);
    memo->SetText("мемо 1\r\n\"в кавычках\" & <скобки>");
    memo->GetFont()->SetName("Times New Roman");
    memo->GetFont()->SetCharset(204);
    memo->GetFrame()->SetTyp({ftLeft, ftTop});
    memo->GetFrame()->SetStyle(fsDash);
    memo->GetFrame()->GetTopLine()->SetColor(255);
    memo->SetFillType(ftGlass);
    memo->AddFormat()->SetKind(fkNumeric);
    memo->AddFormat()->SetFormatStr("dd.mm.yyyy");
    memo->AddHighlight()->SetCondition("Value > 0");
    memo->AddHighlight()->SetCondition("Value < 0");
    memo->SetOnBeforePrint("Memo1OnBeforePrint");
    memo->SetCharSpacing(0.000001);
    memo->SetStyle("Header");

    auto* second = new TfrxMemoView(page);
    second->SetName("Memo2");
    second->SetBounds(1, 2, 3, 4);
    memo->SetFlowTo(second);
    second->GetDisplayFormat()->SetDecimalSeparator(",");
    second->GetHighlight()->SetCondition("<Line> = 1");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList childClasses(const TfrxComponent& parent)
{
    QStringList classes;
    for (const TfrxComponent* child : parent.GetObjects())
        classes.append(child->GetClassName() + ':' + child->GetName());
    return classes;
}

class ReportLoading : public ::testing::Test {
protected:
    ReportLoading() : FLocale(russianNumbers()) {}

    QString path(const QString& name) const { return FFolder.filePath(name); }

    ScopedLocale FLocale;
    ErrorBoxRecorder FBoxes;
    QTemporaryDir FFolder;
    TfrxReport FReport;
};

// Answers the password dialog with a fixed text, or cancels it.
class PasswordAnswer {
public:
    explicit PasswordAnswer(std::optional<QString> answer)
        : FPrevious(frxSetPasswordPrompt([this, answer] {
              ++FAsked;
              return answer;
          }))
    {
    }
    ~PasswordAnswer() { frxSetPasswordPrompt(FPrevious); }
    int GetAsked() const { return FAsked; }

private:
    TfrxPasswordPrompt FPrevious;
    int FAsked = 0;
};

} // namespace

TEST_F(ReportLoading, ATemplateWrittenReadAndWrittenAgainIsByteIdentical)
{
    buildRichReport(FReport);
    const QByteArray first = saveBytes(FReport);
    TfrxReport loaded;
    loadBytes(loaded, first);
    EXPECT_TRUE(loaded.GetErrors().isEmpty()) << loaded.GetErrors().join('\n').toStdString();
    EXPECT_EQ(saveBytes(loaded), first);
    EXPECT_TRUE(FBoxes.GetTexts().isEmpty());

    auto* memo = dynamic_cast<TfrxMemoView*>(loaded.FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->GetMemo(), (QStringList{"мемо 1", "\"в кавычках\" & <скобки>"}));
    EXPECT_EQ(memo->GetFlowTo(), loaded.FindObject("Memo2"));
    EXPECT_EQ(memo->GetFormatCount(), 2);
    EXPECT_EQ(memo->GetHighlightCount(), 2);
    EXPECT_EQ(loaded.GetStyles().Count(), 1);
    EXPECT_EQ(loaded.GetVariables().GetItem(0)->GetName(), " Категория");
}

TEST_F(ReportLoading, AMissingFileLeavesTheReportEmptyOrThrowsWhenAskedTo)
{
    buildRichReport(FReport);
    EXPECT_FALSE(FReport.LoadFromFile(path("shablon.fr3")));
    EXPECT_EQ(FReport.GetPagesCount(), 0);
    EXPECT_TRUE(FReport.GetFileName().isEmpty());
    EXPECT_TRUE(FBoxes.GetTexts().isEmpty());

    buildRichReport(FReport);
    EXPECT_THROW(FReport.LoadFromFile(path("shablon.fr3"), true), Exception);
    EXPECT_EQ(FReport.GetPagesCount(), 0);
}

TEST_F(ReportLoading, LoadingAFileRemembersItsName)
{
    buildRichReport(FReport);
    FReport.SaveToFile(path("shablon.fr3"));
    EXPECT_TRUE(FReport.GetFileName().isEmpty()) << "saving does not change the file name";
    TfrxReport loaded;
    EXPECT_TRUE(loaded.LoadFromFile(path("shablon.fr3")));
    EXPECT_EQ(loaded.GetFileName(), path("shablon.fr3"));
    EXPECT_EQ(saveBytes(loaded), saveBytes(FReport));
}

TEST_F(ReportLoading, LoadingTwiceGivesTheSameTree)
{
    buildRichReport(FReport);
    FReport.SaveToFile(path("shablon.fr3"));
    TfrxReport loaded;
    loaded.LoadFromFile(path("shablon.fr3"));
    const QByteArray once = saveBytes(loaded);
    const qsizetype objects = loaded.GetAllObjects().size();
    loaded.LoadFromFile(path("shablon.fr3"));
    EXPECT_EQ(loaded.GetAllObjects().size(), objects);
    EXPECT_EQ(saveBytes(loaded), once);
}

TEST_F(ReportLoading, ErrorsAreCollectedSortedAndShownOnceInOneBox)
{
    const QByteArray broken =
        pageTemplate("PaperWidth=\"wide\"",
                     "<TfrxCrossView Name=\"Cross1\"><TfrxMemoView Name=\"Inner\"/></TfrxCrossView>"
                     "<TfrxMemoView Name=\"Memo1\" HAlign=\"haMiddle\" NoSuchProperty=\"1\" Text=\"ok\"/>"
                     "<TfrxCrossView Name=\"Cross2\"/><TfrxChart Name=\"Chart1\"/>");
    writeFile(path("broken.fr3"), broken);
    EXPECT_TRUE(FReport.LoadFromFile(path("broken.fr3")));
    const QStringList expected{"'haMiddle' is not a valid TfrxHAlign value",
                               "'wide' is not a valid floating point value", "Cannot find class TfrxChart",
                               "Cannot find class TfrxCrossView"};
    EXPECT_EQ(FReport.GetErrors(), expected);
    EXPECT_EQ(FBoxes.GetTexts(),
              QStringList{"The following error(s) have occured:\r\n" + expected.join("\r\n") + "\r\n"});
    EXPECT_EQ(FReport.FindObject("Inner"), nullptr) << "an unknown class is skipped with its children";
    ASSERT_NE(FReport.FindObject("Memo1"), nullptr) << "the rest of the template is loaded";
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(FReport.FindObject("Memo1"))->GetMemo(), QStringList{"ok"});
    EXPECT_EQ(childClasses(FReport), (QStringList{"TfrxDataPage:Data", "TfrxReportPage:Page1"}));
}

TEST_F(ReportLoading, AFileThatIsNoTemplateLeavesOnlyTheDataPage)
{
    const QByteArray kNotTemplates[] = {
        "PK\x03\x04 compressed",
        kDeclaration,
        kDeclaration + "<TfrxReport><TfrxReportPage Name=\"Page1\"></TfrxMemoView></TfrxReport>",
        kDeclaration + "<TfrxReport Version=\"5.6.1\" <TfrxReportPage>",
        "",
    };
    for (const QByteArray& bytes : kNotTemplates) {
        buildRichReport(FReport);
        writeFile(path("bad.fr3"), bytes);
        FReport.LoadFromFile(path("bad.fr3"));
        EXPECT_EQ(FReport.GetErrors(), QStringList{"Invalid file format"}) << bytes.constData();
        EXPECT_EQ(childClasses(FReport), QStringList{"TfrxDataPage:Data"});
        EXPECT_EQ(FReport.GetFileName(), path("bad.fr3"));
    }
    EXPECT_EQ(FBoxes.GetTexts().size(), std::size(kNotTemplates));
}

TEST_F(ReportLoading, TheSilentModeDecidesHowErrorsAreShown)
{
    const QByteArray broken = pageTemplate("", "<TfrxCrossView/>");
    FReport.GetEngineOptions()->SetNewSilentMode(simSilent);
    loadBytes(FReport, broken);
    EXPECT_EQ(FReport.GetErrors(), QStringList{"Cannot find class TfrxCrossView"});
    EXPECT_TRUE(FBoxes.GetTexts().isEmpty());

    FReport.GetEngineOptions()->SetNewSilentMode(simReThrow);
    try {
        loadBytes(FReport, broken);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(),
                  "The following error(s) have occured:\r\nCannot find class TfrxCrossView\r\n");
    }
    EXPECT_EQ(FReport.GetPagesCount(), 2);
    EXPECT_TRUE(FBoxes.GetTexts().isEmpty());
}

TEST_F(ReportLoading, ATemplateCannotChangeTheHostsSettingsButItsOwnOptions)
{
    FReport.SetIniFile("/tmp/settings.ini");
    FReport.GetPreviewOptions()->SetModal(false);
    FReport.GetEngineOptions()->SetNewSilentMode(simSilent);
    loadBytes(FReport,
              kDeclaration +
                  "<TfrxReport IniFile=\"\\Software\\Other\" PreviewOptions.Modal=\"True\" "
                  "PreviewOptions.OutlineVisible=\"True\" EngineOptions.NewSilentMode=\"simReThrow\" "
                  "EngineOptions.DoublePass=\"True\" ShowProgress=\"False\" Version=\"4.0\"/>");
    EXPECT_EQ(FReport.GetIniFile(), "/tmp/settings.ini");
    EXPECT_FALSE(FReport.GetPreviewOptions()->GetModal());
    EXPECT_EQ(FReport.GetEngineOptions()->GetNewSilentMode(), simSilent);
    EXPECT_TRUE(FReport.GetShowProgress());
    EXPECT_TRUE(FReport.GetPreviewOptions()->GetOutlineVisible());
    EXPECT_TRUE(FReport.GetEngineOptions()->GetDoublePass());
    EXPECT_EQ(FReport.GetVersion(), "5.6.1");
}

TEST_F(ReportLoading, ADataPageIsEnsuredFirstAndAnExistingOneIsKept)
{
    loadBytes(FReport, pageTemplate(""));
    EXPECT_EQ(childClasses(FReport), (QStringList{"TfrxDataPage:Data", "TfrxReportPage:Page1"}));
    loadBytes(FReport, kDeclaration + "<TfrxReport><TfrxReportPage Name=\"Page1\"/>"
                                      "<TfrxDataPage Name=\"Data\" Width=\"500\"/></TfrxReport>");
    EXPECT_EQ(childClasses(FReport), (QStringList{"TfrxReportPage:Page1", "TfrxDataPage:Data"}));
    EXPECT_EQ(FReport.GetObjects().at(1)->GetWidth(), 500);
}

TEST_F(ReportLoading, ARootOfAnotherClassStillLoadsIntoTheReport)
{
    loadBytes(FReport, kDeclaration + "<TfrxReportPage ScriptLanguage=\"C++Script\"><TfrxReportPage "
                                      "Name=\"Page1\"/></TfrxReportPage>");
    EXPECT_EQ(FReport.GetScriptLanguage(), "C++Script");
    EXPECT_EQ(childClasses(FReport), (QStringList{"TfrxDataPage:Data", "TfrxReportPage:Page1"}));
}

TEST_F(ReportLoading, ANamedPaperSizeWinsOverStoredDimensions)
{
    loadBytes(FReport, pageTemplate("PaperWidth=\"100\" PaperHeight=\"100\" PaperSize=\"11\""));
    const auto* page = dynamic_cast<TfrxReportPage*>(FReport.FindObject("Page1"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetPaperWidth(), 148);
    EXPECT_EQ(page->GetPaperHeight(), 210);
    EXPECT_EQ(page->GetWidth(), 559);
}

TEST_F(ReportLoading, ASecondElementOfTheSameNameReadsIntoTheFirstsObject)
{
    loadBytes(FReport, pageTemplate("", "<TfrxMemoView Name=\"Memo1\" Left=\"1\"/>"
                                        "<TfrxMemoView Name=\"memo1\" Top=\"2\"/>"));
    const TfrxComponent* page = FReport.FindObject("Page1");
    ASSERT_EQ(page->GetObjects().size(), 1);
    EXPECT_EQ(page->GetObjects().front()->GetLeft(), 1);
    EXPECT_EQ(page->GetObjects().front()->GetTop(), 2);
}

TEST_F(ReportLoading, AProtectedTemplateOpensOnlyWithItsExactPassword)
{
    buildRichReport(FReport);
    FReport.GetReportOptions()->SetPassword("Secret");
    const QByteArray stored = saveBytes(FReport);
    EXPECT_TRUE(stored.contains(" ReportOptions.Password=\"I[Yh[j\""));
    EXPECT_EQ(FReport.GetReportOptions()->GetPassword(), "Secret");

    {
        PasswordAnswer answer(QString("Secret"));
        TfrxReport loaded;
        loadBytes(loaded, stored);
        EXPECT_EQ(answer.GetAsked(), 1);
        EXPECT_EQ(loaded.GetPagesCount(), 2);
        EXPECT_EQ(loaded.GetReportOptions()->GetPassword(), "Secret");
    }
    for (const std::optional<QString>& typed : {std::optional<QString>("secret"), std::optional<QString>()}) {
        PasswordAnswer answer(typed);
        TfrxReport loaded;
        loadBytes(loaded, stored);
        EXPECT_EQ(loaded.GetPagesCount(), 0);
        EXPECT_EQ(loaded.GetErrors(), QStringList{"Invalid password"});
    }
    EXPECT_EQ(FBoxes.GetTexts(),
              QStringList(2, "The following error(s) have occured:\r\nInvalid password\r\n"));

    PasswordAnswer unused(std::nullopt);
    TfrxReport host;
    host.GetReportOptions()->SetHiddenPassword("Secret");
    loadBytes(host, stored);
    EXPECT_EQ(unused.GetAsked(), 0);
    EXPECT_EQ(host.GetPagesCount(), 2);
}

TEST_F(ReportLoading, AWrongPasswordRaisedToTheCallerLeavesNothingLoaded)
{
    buildRichReport(FReport);
    FReport.GetReportOptions()->SetPassword("Secret");
    const QByteArray stored = saveBytes(FReport);
    PasswordAnswer answer(QString("wrong"));
    TfrxReport loaded;
    loaded.GetEngineOptions()->SetNewSilentMode(simReThrow);
    EXPECT_THROW(loadBytes(loaded, stored), Exception);
    EXPECT_EQ(loaded.GetPagesCount(), 0);
}

TEST_F(ReportLoading, AFailedSaveLeavesThePreviousFileIntact)
{
    buildRichReport(FReport);
    const QByteArray previous("previous template");
    writeFile(path("shablon.fr3"), previous);

    EXPECT_THROW(FReport.SaveToFile(path("missing/shablon.fr3")), Exception);
    QDir().mkpath(path("folder.fr3"));
    EXPECT_THROW(FReport.SaveToFile(path("folder.fr3")), Exception);
    EXPECT_TRUE(QFileInfo(path("folder.fr3")).isDir());

    // A file size limit stands for a full disk: writing stops part-way through.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &limited);
    bool failed = false;
    try {
        FReport.SaveToFile(path("shablon.fr3"));
    } catch (const Exception&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(failed);
    EXPECT_EQ(readFile(path("shablon.fr3")), previous);
    EXPECT_EQ(QDir(FFolder.path()).entryList(QDir::Files), QStringList{"shablon.fr3"})
        << "no half-written file";
}

TEST_F(ReportLoading, DamagedTemplatesNeverBreakTheReport)
{
    buildRichReport(FReport);
    FReport.GetReportOptions()->GetPicture()->Clear();
    FReport.GetEngineOptions()->SetNewSilentMode(simSilent);
    const QByteArray valid = saveBytes(FReport);
    for (qsizetype length = 0; length < valid.size(); length += 7) {
        TfrxReport loaded;
        loaded.GetEngineOptions()->SetNewSilentMode(simSilent);
        loadBytes(loaded, valid.left(length));
        ASSERT_GE(loaded.GetPagesCount(), 1) << length;
        EXPECT_NE(dynamic_cast<TfrxDataPage*>(loaded.GetObjects().front()), nullptr);
    }
    for (const char damage : {'<', '"', '>', '&', '.', '\0'}) {
        for (qsizetype at = 0; at < valid.size(); at += 13) {
            QByteArray bytes = valid;
            bytes[at] = damage;
            TfrxReport loaded;
            loaded.GetEngineOptions()->SetNewSilentMode(simSilent);
            loadBytes(loaded, bytes);
            ASSERT_GE(loaded.GetPagesCount(), 1);
        }
    }
}

TEST_F(ReportLoading, ElementsNestedTooDeeplyAreRefused)
{
    QByteArray nested;
    for (int i = 0; i < 300; ++i)
        nested += "<TfrxMemoView>";
    loadBytes(FReport, pageTemplate("", nested));
    EXPECT_EQ(FReport.GetErrors(), QStringList{"Invalid file format"});
    EXPECT_EQ(childClasses(FReport), QStringList{"TfrxDataPage:Data"});
}

TEST_F(ReportLoading, ObjectsInUnexpectedPlacesLoadWithoutHarm)
{
    loadBytes(FReport, kDeclaration + "<TfrxReport><TfrxMemoView Name=\"Loose\"/>"
                                      "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Memo1\">"
                                      "<TfrxReportPage Name=\"Inner\"/></TfrxMemoView>"
                                      "<TfrxReport Name=\"Nested\"><TfrxMemoView Name=\"Deep\"/></TfrxReport>"
                                      "<TfrxMemoView Name=\"Page1\" Left=\"3\"/>"
                                      "</TfrxReportPage></TfrxReport>");
    EXPECT_TRUE(FReport.GetErrors().isEmpty()) << FReport.GetErrors().join('\n').toStdString();
    for (const char* name : {"Loose", "Memo1", "Inner", "Deep"})
        EXPECT_NE(FReport.FindObject(name), nullptr) << name;
    EXPECT_EQ(FReport.FindObject("Page1")->GetClassName(), "TfrxReportPage");
    loadBytes(FReport, pageTemplate(""));
    EXPECT_EQ(childClasses(FReport), (QStringList{"TfrxDataPage:Data", "TfrxReportPage:Page1"}));
}
