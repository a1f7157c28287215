#include "report/model/resources/TfrxResources.h"

#include "report/model/resources/BuiltinTexts.h"

TfrxResources::TfrxResources()
{
    for (const auto& entry : builtinTexts())
        FTexts.insert(QString::fromUtf8(entry.key), QString::fromUtf8(entry.text));
}

QString TfrxResources::Get(const QString& key) const
{
    const auto it = FTexts.constFind(key);
    if (it == FTexts.cend())
        return key;
    return it->startsWith(QLatin1Char('!')) ? it->mid(1) : *it;
}

void TfrxResources::Add(const QString& key, const QString& text)
{
    FTexts.insert(key, text);
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
