// Writes the certificate template file: the program's built-in copy of the template, saved by the
// report subsystem itself. scripts/make-template runs it to regenerate assets/shablon.fr3.

#include "app/CertificateTemplate.h"
#include "common/Exception.h"
#include "report/model/TfrxReport.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

namespace {

// The moments the template was first created and last changed, kept so that regenerating the file
// changes nothing unless the template's content did.
constexpr TDateTime kCreateDate = 41982.6347830324;
constexpr TDateTime kLastChange = 43656.9726099074;

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: templategen <template file>\n");
        return 2;
    }
    // The file is written as under the Russian number settings of the school's office.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TfrxReport report;
    setupCertificateReport(report);
    report.GetReportOptions()->SetCreateDate(kCreateDate);
    report.GetReportOptions()->SetLastChange(kLastChange);
    try {
        report.SaveToFile(QString::fromLocal8Bit(argv[1]));
    } catch (const Exception& error) {
        std::fprintf(stderr, "templategen: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
