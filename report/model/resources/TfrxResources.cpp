#include "report/model/resources/TfrxResources.h"

#include "common/Exception.h"
#include "report/model/resources/BuiltinTexts.h"
#include "report/model/xml/AnsiCodePage.h"
#include "report/model/xml/TfrxXMLDocument.h"
#include "report/model/xml/TfrxXMLItem.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString executableFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QStringList languageFiles(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QStringList languages;
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.frc")}, QDir::Files)) {
        const QString name = file.completeBaseName().toLower();
        languages.append(name.left(1).toUpper() + name.mid(1));
    }
    languages.sort();
    return languages;
}

} // namespace

TfrxResources::TfrxResources() : TfrxResources(executableFolder()) {}

TfrxResources::TfrxResources(const QString& LanguageFolder) : FLanguages(languageFiles(LanguageFolder))
{
    for (const auto& entry : builtinTexts())
        Add(QString::fromUtf8(entry.key), QString::fromUtf8(entry.text));
}

QString TfrxResources::Get(const QString& StrName) const
{
    const QString text = FTexts.value(StrName.toCaseFolded(), StrName);
    return text.startsWith(QLatin1Char('!')) ? text.mid(1) : text;
}

void TfrxResources::Add(const QString& Ref, const QString& Str)
{
    FTexts.insert(Ref.toCaseFolded(), Str);
}

void TfrxResources::AddXML(const QByteArray& Str)
{
    QBuffer buffer;
    buffer.setData(Str);
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

void TfrxResources::LoadFromStream(QIODevice& Stream)
{
    TfrxXMLDocument document;
    document.LoadFromStream(Stream);
    const TfrxXMLItem& root = *document.GetRoot();
    if (root.GetName() != QLatin1String("Resources"))
        return;
    // Read whole before anything is added, so that a damaged value changes no text.
    QList<std::pair<QString, QString>> texts;
    for (int i = 0; i < root.GetCount(); ++i) {
        const TfrxXMLItem& text = *root.GetItems(i);
        if (text.GetName() != QLatin1String("StrRes"))
            continue;
        const QString value = text.GetProp(QStringLiteral("Text"));
        texts.append({text.GetProp(QStringLiteral("Name")),
                      document.GetOldVersion() ? decodeAnsiAsUtf8(value) : value});
    }
    FCodePage = root.GetProp(QStringLiteral("CodePage")).toInt();
    for (const auto& [key, text] : texts)
        Add(key, text);
}

void TfrxResources::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(FileName), file.errorString()));
    LoadFromStream(file);
}

void TfrxResources::Clear()
{
    FTexts.clear();
}

TfrxResources& frxResources()
{
    static TfrxResources resources;
    return resources;
}

QString frxGet(const QString& key)
{
    return frxResources().Get(key);
}
