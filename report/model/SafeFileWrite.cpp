#include "report/model/SafeFileWrite.h"

#include "common/Exception.h"

#include <QDir>
#include <QSaveFile>

namespace {

[[noreturn]] void cannotCreate(const QString& fileName, const QString& reason)
{
    throw Exception(
        QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(fileName), reason));
}

} // namespace

void writeFileSafely(const QString& FileName, const QByteArray& Data)
{
    QSaveFile file(FileName);
    // Buffered writes may hide a full disk until it is too late to notice; every write is checked.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        cannotCreate(FileName, file.errorString());
    if (file.write(Data) != Data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        cannotCreate(FileName, reason);
    }
    if (!file.commit())
        cannotCreate(FileName, file.errorString());
}
