#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

// The store of the report subsystem's user preferences, named by a report's IniFile: a name that
// begins with "\Software\" ("\Software\Orvanta") is a key of the current user's settings (on
// systems without a settings registry, the user's native settings file of that organisation);
// any other name is the path of a settings text file of sections and name=value lines.
class TfrxIniFile {
public:
    explicit TfrxIniFile(const QString& IniFile);

    // True for the user's settings, false for a settings text file.
    bool IsUserSettings() const { return FUserSettings; }
    // The file that holds the values.
    QString GetFileName() const { return FSettings->fileName(); }

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    // Default when the value is missing or not a number.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    // "0" reads as false, any other number as true; Default when the value is missing.
    bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;
    void WriteBool(const QString& Section, const QString& Ident, bool Value);

    bool SectionExists(const QString& Section) const;
    bool ValueExists(const QString& Section, const QString& Ident) const;
    // The names of a section's values.
    QStringList ReadSection(const QString& Section) const;
    void DeleteKey(const QString& Section, const QString& Ident);
    void EraseSection(const QString& Section);
    // Writes pending changes; throws Exception("Unable to write to …") when the store cannot be written.
    void UpdateFile();

private:
    QString Key(const QString& Section, const QString& Ident) const;
    QString Group(const QString& Section) const;

    std::unique_ptr<QSettings> FSettings;
    bool FUserSettings = false;
    // Deeper parts of a registry key ("\Software\Orvanta\Designer") become groups of the store.
    QString FPrefix;
};
