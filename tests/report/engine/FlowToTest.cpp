#include "PreparedReportSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList preparedLines(TfrxReport& report, const QString& memo)
{
    auto* prepared = dynamic_cast<TfrxMemoView*>(report.GetPreviewPages()->GetPage(0)->FindObject(memo));
    return prepared ? prepared->GetMemo() : QStringList({QStringLiteral("<missing>")});
}

// Memo1 has room for one line of the default font and flows into Memo2.
class FlowToTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        report = generatedReport(2, 1);
        source().SetHeight(20);
        source().SetFlowTo(&target());
        source().SetMemo({QStringLiteral("First [1+1]"), QStringLiteral("Second"), QStringLiteral("Third")});
        target().SetMemo({QStringLiteral("Own [2+2]")});
    }

    TfrxMemoView& source() { return memoNamed(*report, QStringLiteral("Memo1")); }
    TfrxMemoView& target() { return memoNamed(*report, QStringLiteral("Memo2")); }

    std::unique_ptr<TfrxReport> report;
};

} // namespace

TEST_F(FlowToTest, TheLinesThatDoNotFitMoveToTheFlowToMemo)
{
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo1")), QStringList({QStringLiteral("First 2")}));
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo2")),
              QStringList({QStringLiteral("Second"), QStringLiteral("Third")}));
}

// The source's own brackets are its text, not expressions; once moved they stay text.
TEST_F(FlowToTest, TheMovedTextIsNotExpandedAgain)
{
    source().SetAllowExpressions(false);
    source().SetMemo({QStringLiteral("First"), QStringLiteral("[1+1]")});
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo2")), QStringList({QStringLiteral("[1+1]")}));
}

TEST_F(FlowToTest, TextThatFitsLeavesTheFlowToMemoEmpty)
{
    source().SetMemo({QStringLiteral("Only")});
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo1")), QStringList({QStringLiteral("Only")}));
    EXPECT_TRUE(preparedLines(*report, QStringLiteral("Memo2")).join(QString()).isEmpty());
}

// Without the report's snapshot the run itself must leave the template as it was.
TEST_F(FlowToTest, TheTemplateKeepsBothTextsWithoutTheSnapshot)
{
    report->GetEngineOptions()->SetDestroyForms(false);
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(source().GetMemo().size(), 3);
    EXPECT_EQ(target().GetMemo(), QStringList({QStringLiteral("Own [2+2]")}));
    EXPECT_TRUE(target().GetAllowExpressions());
}

TEST_F(FlowToTest, AMemoFlowingIntoItselfKeepsItsText)
{
    source().SetFlowTo(&source());
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo1")).size(), 3);
    EXPECT_EQ(preparedLines(*report, QStringLiteral("Memo2")), QStringList({QStringLiteral("Own 4")}));
}
