#include "report/preview/printers/CupsQueue.h"

#include <cups/cups.h>

namespace {

QString lastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// The destination and its capabilities, freed together.
class DestInfo {
public:
    explicit DestInfo(const QByteArray& name)
        : FDest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr)),
          FInfo(FDest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, FDest) : nullptr)
    {
    }
    ~DestInfo()
    {
        cupsFreeDestInfo(FInfo);
        cupsFreeDests(FDest ? 1 : 0, FDest);
    }
    DestInfo(const DestInfo&) = delete;
    DestInfo& operator=(const DestInfo&) = delete;

    ipp_attribute_t* Supported(const char* option) const
    {
        return FInfo ? cupsFindDestSupported(CUPS_HTTP_DEFAULT, FDest, FInfo, option) : nullptr;
    }
    ipp_attribute_t* Default(const char* option) const
    {
        return FInfo ? cupsFindDestDefault(CUPS_HTTP_DEFAULT, FDest, FInfo, option) : nullptr;
    }
    QString Localize(const char* option, const char* value) const
    {
        const char* text = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, FDest, FInfo, option, value);
        return QString::fromUtf8(text ? text : value);
    }

private:
    cups_dest_t* FDest;
    cups_dinfo_t* FInfo;
};

} // namespace

QList<CupsQueue::MediaSource> CupsQueue::MediaSources() const
{
    const DestInfo dest(FName);
    QList<MediaSource> sources;
    ipp_attribute_t* supported = dest.Supported(CUPS_MEDIA_SOURCE);
    for (int i = 0; i < ippGetCount(supported); ++i) {
        const char* keyword = ippGetString(supported, i, nullptr);
        if (keyword)
            sources.append({QByteArray(keyword), dest.Localize(CUPS_MEDIA_SOURCE, keyword)});
    }
    return sources;
}

QByteArray CupsQueue::DefaultMediaSource() const
{
    const DestInfo dest(FName);
    ipp_attribute_t* value = dest.Default(CUPS_MEDIA_SOURCE);
    const char* keyword = value ? ippGetString(value, 0, nullptr) : nullptr;
    return keyword ? QByteArray(keyword) : QByteArray();
}

int CupsQueue::DefaultResolution() const
{
    const DestInfo dest(FName);
    ipp_attribute_t* value = dest.Default("printer-resolution");
    if (!value)
        return 0;
    int y = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int x = ippGetResolution(value, 0, &y, &units);
    return units == IPP_RES_PER_CM ? int(x * 2.54 + 0.5) : x;
}

QString CupsQueue::PrintFile(const QString& fileName, const QString& title, const Options& options) const
{
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, FName.constData(), fileName.toLocal8Bit().constData(),
                                   title.toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    return job > 0 ? QString() : lastError();
}

CupsRawJob::~CupsRawJob()
{
    Cancel();
}

QString CupsRawJob::Start(const QString& printer, const QString& title)
{
    Cancel();
    FPrinter = printer.toUtf8();
    const QByteArray name = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, FPrinter.constData(), name.constData(), 0, nullptr);
    if (job <= 0)
        return lastError();
    FJob = job;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, FPrinter.constData(), FJob, name.constData(), CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE) {
        const QString error = lastError();
        Cancel();
        return error;
    }
    return {};
}

QString CupsRawJob::Write(const QByteArray& bytes)
{
    if (!FJob)
        return {};
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), size_t(bytes.size())) !=
        HTTP_STATUS_CONTINUE) {
        const QString error = lastError();
        Cancel();
        return error;
    }
    return {};
}

QString CupsRawJob::Finish()
{
    if (!FJob)
        return {};
    const bool ok = cupsFinishDocument(CUPS_HTTP_DEFAULT, FPrinter.constData()) == IPP_STATUS_OK;
    FJob = 0;
    return ok ? QString() : lastError();
}

void CupsRawJob::Cancel()
{
    if (!FJob)
        return;
    // libcups drops the unfinished request's connection and sends the cancellation on a new one.
    cupsCancelJob2(CUPS_HTTP_DEFAULT, FPrinter.constData(), FJob, 0);
    FJob = 0;
}
