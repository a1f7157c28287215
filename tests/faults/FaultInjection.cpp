#include "tests/faults/FaultInjection.h"

#include <QByteArray>
#include <QFile>

#include <sys/mount.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Beyond the limit the kernel signals the process, which would end it; the write fails instead.
    FSavedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &FSaved);
    rlimit limited = FSaved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &FSaved);
    std::signal(SIGXFSZ, FSavedHandler);
}

SmallFileSystem::SmallFileSystem(const QString& folder, qint64 bytes) : FFolder(folder)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    FMounted = mount("tmpfs", FFolder.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (FMounted)
        umount2(FFolder.toLocal8Bit().constData(), MNT_DETACH);
}

void SmallFileSystem::Fill()
{
    QFile filler(FFolder + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // The last block may have gone in part: single bytes take what is left.
    while (filler.write("x", 1) == 1) {
    }
}

void SmallFileSystem::MakeReadOnly()
{
    mount("tmpfs", FFolder.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
}
