#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ToolOutput {
    int exitCode;
    QString out;
    QString errors;
};

// Runs the tool under the Russian number settings, as the office runs it.
ToolOutput runReportTool(const QStringList& arguments)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "ru_RU.UTF-8");
    environment.insert("LANG", "ru_RU.UTF-8");
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(CERTPRINT_REPORTTOOL), arguments);
    if (!tool.waitForFinished(60000))
        return {-1, QString(), QStringLiteral("did not finish")};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromLocal8Bit(tool.readAllStandardOutput()),
            QString::fromLocal8Bit(tool.readAllStandardError())};
}

struct CommandCase {
    QStringList arguments;
    int exitCode;
    QString out;
    QString errors;
};

class ExpressionCommandsTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ExpressionCommandsTest, PrintsTheValueOrTheError)
{
    const CommandCase& expected = GetParam();
    const ToolOutput run = runReportTool(expected.arguments);
    EXPECT_EQ(run.exitCode, expected.exitCode);
    EXPECT_EQ(run.out.toStdString(), expected.out.toStdString());
    EXPECT_EQ(run.errors.toStdString(), expected.errors.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ExpressionCommandsTest,
    ::testing::Values(
        CommandCase{{"eval", "1/4 + 1"}, 0, QStringLiteral("1,25\n"), QString()},
        CommandCase{{"eval", "'Иванов' + ' И.'"}, 0, QStringLiteral("Иванов И.\n"), QString()},
        CommandCase{{"eval", "x"},
                    1,
                    QString(),
                    QStringLiteral("Error in expression 'x': Undeclared identifier: 'x'\n")},
        CommandCase{{"expand", "Иванов [2*3] [5 #n%2.2f]"}, 0, QStringLiteral("Иванов 6 5.00\n"), QString()},
        CommandCase{{"expand", "кат. [B"},
                    1,
                    QString(),
                    QStringLiteral("Memo1: Error in expression '': Expression expected\n")},
        CommandCase{{"expand"}, 2, QString(), QStringLiteral("usage: reporttool expand TEXT\n")}));

} // namespace
