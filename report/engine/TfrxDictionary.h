#pragma once

#include <QHash>
#include <QList>
#include <QString>

class TfrxComponent;

// The source objects of a prepared report by alias: the alias names the elements of the prepared
// objects, the source name ("Page0.Memo1") says where the object lies among the source pages.
class TfrxDictionary {
public:
    struct Entry {
        QString Alias;
        QString SourceName;
        TfrxComponent* Object = nullptr; // owned by its source page; none when it went missing
        // The object's stored attributes: the starting point when a prepared object is rebuilt.
        QString BaseAttributes;
    };

    void Clear();
    // Prefix followed by the number that the halving search finds first free.
    QString CreateUniqueName(const QString& Prefix) const;
    Entry& Add(const QString& Alias, const QString& SourceName, TfrxComponent* Object);
    const Entry* Find(const QString& Alias) const;
    int GetCount() const { return int(FEntries.size()); }
    const Entry& GetItem(int Index) const { return FEntries.at(Index); }

private:
    QList<Entry> FEntries;
    QHash<QString, int> FIndex;
};
