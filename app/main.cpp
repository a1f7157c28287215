#include "app/CertApplication.h"
#include "app/CommandLine.h"
#include "app/HeadlessPrint.h"
#include "app/TfmMain.h"
#include "common/Exception.h"

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int n = 1; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<HeadlessRequest> request;
    try {
        request = parseHeadlessRequest(argumentsOf(argc, argv));
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return kHeadlessFailed;
    }
    // Printing without windows needs no display.
    if (request && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CertApplication application(argc, argv);
    if (request)
        return runHeadlessPrint(*request);
    TfmMain mainWindow;
    mainWindow.show();
    return application.exec();
}
