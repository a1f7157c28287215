#include "report/preview/printers/NumberedNames.h"

void NumberedNames::Add(const QString& name, int number)
{
    FEntries.append({name, number});
}

void NumberedNames::Clear()
{
    FEntries.clear();
}

QStringList NumberedNames::Names() const
{
    QStringList names;
    names.reserve(FEntries.size());
    for (const Entry& e : FEntries)
        names.append(e.name);
    return names;
}

int NumberedNames::IndexOfNumber(int number) const
{
    for (int i = 0; i < Count(); ++i)
        if (FEntries.at(i).number == number)
            return i;
    return -1;
}

int NumberedNames::IndexOfName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (FEntries.at(i).name == name)
            return i;
    return -1;
}
