#pragma once

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

// The report subsystem's interface texts and messages, looked up by key ignoring letter case.
// Numbers are keys too ("5001"). A stored text's leading "!" is dropped when fetched; an absent key
// yields the key itself.
//
// Texts may be replaced from text tables: XML documents whose root "Resources" (with a CodePage)
// holds "StrRes" elements with the attributes Name and Text. Language files are such tables with
// the extension ".frc".
class TfrxResources {
public:
    // The built-in English texts; the languages are the .frc files beside the executable.
    TfrxResources();
    // The same with the languages of another folder.
    explicit TfrxResources(const QString& LanguageFolder);

    QString Get(const QString& StrName) const;
    // Adds the text, or replaces the text of a key already present.
    void Add(const QString& Ref, const QString& Str);
    // Adds every text of a text table. A document whose root is not "Resources" adds nothing; a
    // document that is not well formed throws TfrxInvalidXMLException and adds nothing.
    void AddXML(const QByteArray& Str);
    void LoadFromStream(QIODevice& Stream);
    // Throws Exception when the file cannot be opened.
    void LoadFromFile(const QString& FileName);
    void Clear();

    // The code page named by the last text table loaded (informational).
    int GetCodePage() const { return FCodePage; }
    // The names of the language files, lower case with a capital first letter and without ".frc",
    // sorted.
    const QStringList& GetLanguages() const { return FLanguages; }

private:
    QHash<QString, QString> FTexts; // keyed by the case-folded key
    int FCodePage = 1252;
    QStringList FLanguages;
};

// The process-wide text tables, created on first use.
TfrxResources& frxResources();

// Shorthand for frxResources().Get(key).
QString frxGet(const QString& key);
