#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int exitCode;
    QString errors;
};

// Runs the tool as the office runs it, under the Russian number settings.
inline ToolRun runReportTool(const QStringList& arguments)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "ru_RU.UTF-8");
    environment.insert("LANG", "ru_RU.UTF-8");
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(CERTPRINT_REPORTTOOL), arguments);
    if (!tool.waitForFinished(60000))
        return {-1, QStringLiteral("did not finish")};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromLocal8Bit(tool.readAllStandardError())};
}
