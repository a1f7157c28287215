#pragma once

#include <QHash>
#include <QString>

// The report subsystem's interface texts and messages, looked up by key. Numbers are keys too.
// A stored text's leading "!" is dropped when fetched; an absent key yields the key itself.
class TfrxResources {
public:
    TfrxResources();

    QString Get(const QString& key) const;
    void Add(const QString& key, const QString& text);

private:
    QHash<QString, QString> FTexts;
};

// The process-wide text tables, created on first use.
TfrxResources& frxResources();

// Shorthand for frxResources().Get(key).
QString frxGet(const QString& key);
