#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A list of names each carrying a number, in list order: a printer's papers (name and paper number)
// or bins (name and bin number).
class NumberedNames {
public:
    void Add(const QString& name, int number);
    void Clear();

    int Count() const { return int(FEntries.size()); }
    const QString& Name(int index) const { return FEntries.at(index).name; }
    int Number(int index) const { return FEntries.at(index).number; }
    QStringList Names() const;

    // Position of the first entry with that number or name (exact match); -1 when none.
    int IndexOfNumber(int number) const;
    int IndexOfName(const QString& name) const;

private:
    struct Entry {
        QString name;
        int number;
    };
    QList<Entry> FEntries;
};
