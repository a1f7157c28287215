#include "report/model/TfrxIniFile.h"

#include "common/Exception.h"

#include <QDir>

namespace {

const QLatin1String kUserSettingsRoot("\\Software\\");

} // namespace

TfrxIniFile::TfrxIniFile(const QString& IniFile)
{
    if (IniFile.startsWith(kUserSettingsRoot, Qt::CaseInsensitive)) {
        QStringList parts = IniFile.mid(kUserSettingsRoot.size()).split(u'\\', Qt::SkipEmptyParts);
        const QString organization = parts.isEmpty() ? QStringLiteral("Software") : parts.takeFirst();
        FSettings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization);
        FUserSettings = true;
        FPrefix = parts.join(u'/');
    } else {
        FSettings = std::make_unique<QSettings>(IniFile, QSettings::IniFormat);
    }
}

QString TfrxIniFile::Group(const QString& Section) const
{
    return FPrefix.isEmpty() ? Section : FPrefix + u'/' + Section;
}

QString TfrxIniFile::Key(const QString& Section, const QString& Ident) const
{
    return Group(Section) + u'/' + Ident;
}

QString TfrxIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const
{
    return FSettings->value(Key(Section, Ident), Default).toString();
}

void TfrxIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    FSettings->setValue(Key(Section, Ident), Value);
}

int TfrxIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const
{
    bool ok = false;
    const int value = ReadString(Section, Ident, QString()).trimmed().toInt(&ok);
    return ok ? value : Default;
}

void TfrxIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TfrxIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TfrxIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteInteger(Section, Ident, Value ? 1 : 0);
}

bool TfrxIniFile::SectionExists(const QString& Section) const
{
    return !ReadSection(Section).isEmpty();
}

bool TfrxIniFile::ValueExists(const QString& Section, const QString& Ident) const
{
    return FSettings->contains(Key(Section, Ident));
}

QStringList TfrxIniFile::ReadSection(const QString& Section) const
{
    FSettings->beginGroup(Group(Section));
    const QStringList keys = FSettings->childKeys();
    FSettings->endGroup();
    return keys;
}

void TfrxIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    FSettings->remove(Key(Section, Ident));
}

void TfrxIniFile::EraseSection(const QString& Section)
{
    FSettings->remove(Group(Section));
}

void TfrxIniFile::UpdateFile()
{
    FSettings->sync();
    if (FSettings->status() != QSettings::NoError)
        throw Exception(
            QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(FSettings->fileName())));
}
