#include "report/engine/TfrxDictionary.h"

void TfrxDictionary::Clear()
{
    FEntries.clear();
    FIndex.clear();
}

QString TfrxDictionary::CreateUniqueName(const QString& Prefix) const
{
    const auto taken = [&](int n) { return FIndex.contains(Prefix + QString::number(n)); };
    int n = 10000;
    while (n > 1 && !taken(n))
        n /= 2;
    while (taken(n))
        ++n;
    return Prefix + QString::number(n);
}

TfrxDictionary::Entry& TfrxDictionary::Add(const QString& Alias, const QString& SourceName,
                                           TfrxComponent* Object)
{
    FIndex.insert(Alias, int(FEntries.size()));
    FEntries.append(Entry{Alias, SourceName, Object, {}});
    return FEntries.last();
}

const TfrxDictionary::Entry* TfrxDictionary::Find(const QString& Alias) const
{
    const auto it = FIndex.constFind(Alias);
    return it == FIndex.constEnd() ? nullptr : &FEntries.at(*it);
}
