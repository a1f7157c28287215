// The report subsystem on the command line, without windows: reporttool <subcommand> <arguments>.
// Each subcommand is a row of the table below.

#include "report/engine/EngineRegistration.h"
#include "report/preview/RegisterPreview.h"
#include "tools/reporttool/ExpressionCommands.h"
#include "tools/reporttool/PrepareCommand.h"
#include "tools/reporttool/PrintCommands.h"
#include "tools/reporttool/RenderCommand.h"
#include "tools/reporttool/RoundtripCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Subcommand {
    const char* name;
    const char* arguments;
    // Drawing and printing need a GUI application; the others do with a core one.
    bool needsGui;
    int (*run)(const QStringList& arguments);
};

const Subcommand kSubcommands[] = {
    {"roundtrip", "IN.fr3 OUT.fr3", false, runRoundtrip},
    {"render", "IN.fr3|IN.fp3 OUT.png [--dpi D] [--page N]", true, runRender},
    {"prepare", "IN.fr3 OUT.fp3", true, runPrepare},
    {"eval", "EXPR", false, runEval},
    {"expand", "TEXT", false, runExpand},
    {"pdf", "IN.fr3|IN.fp3 OUT.pdf [--pages RANGE] [--copies N] [--collate]", true, runPdf},
    {"print", "IN.fr3|IN.fp3 [--printer NAME]", true, runPrint},
};

int usage()
{
    std::fprintf(stderr, "usage:\n");
    for (const Subcommand& subcommand : kSubcommands)
        std::fprintf(stderr, "  reporttool %s %s\n", subcommand.name, subcommand.arguments);
    return 2;
}

const Subcommand* findSubcommand(const char* name)
{
    for (const Subcommand& subcommand : kSubcommands)
        if (std::strcmp(subcommand.name, name) == 0)
            return &subcommand;
    return nullptr;
}

std::unique_ptr<QCoreApplication> createApplication(bool needsGui, int& argc, char** argv)
{
    if (!needsGui)
        return std::make_unique<QCoreApplication>(argc, argv);
    // No display is needed: the tool never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const Subcommand* subcommand = argc >= 2 ? findSubcommand(argv[1]) : nullptr;
    if (!subcommand)
        return usage();
    const auto application = createApplication(subcommand->needsGui, argc, argv);
    frxRegisterEngine();
    frxRegisterPreview();
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    return subcommand->run(arguments);
}
