#pragma once

#include "app/profile/TextEncoding.h"

#include <QString>
#include <vector>

// A private-profile (INI) file: "[section]" lines followed by "key=value" lines. The whole file is held in
// memory as its lines; writing changes only the lines of the keys written and adds the lines of new keys and
// sections, so comments, blank lines, unknown lines and line endings survive a rewrite byte for byte.
// Sections and keys are matched ignoring letter case, as the Windows program's own profile service does.
class PrivateProfile {
public:
    // A larger file is not a certificate file: only the whole lines within its first kMaxFileSize bytes are
    // read, and it is never rewritten, so that the part beyond is not lost.
    static constexpr qsizetype kMaxFileSize = 1024 * 1024;

    // Reads the file when it exists; a missing, empty or unreadable file holds no sections.
    explicit PrivateProfile(QString fileName);

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Changes the text in memory only; updateFile writes it.
    void writeString(const QString& section, const QString& key, const QString& value);
    // Replaces the file as a whole or not at all; throws Exception "Unable to write to <file name>".
    void updateFile();

    const QString& fileName() const { return FFileName; }
    TextEncoding encoding() const { return FEncoding; }

private:
    struct Line {
        QString FText;
        QString FEnd; // the line's own line break, empty on a last line that has none
    };

    void load();
    void splitLines(const QString& text);
    qsizetype findSection(const QString& section) const;
    qsizetype findKey(qsizetype header, const QString& key) const;
    qsizetype lastKeyLine(qsizetype header) const;
    qsizetype appendSection(const QString& section);
    void insertLine(qsizetype at, const QString& text);
    QString fileText() const;

    QString FFileName;
    // New files are UTF-16 with a byte-order mark: the Windows program's profile service reads it
    // natively and it holds any text.
    TextEncoding FEncoding = TextEncoding::Utf16LE;
    std::vector<Line> FLines;
    QString FLineEnd = QStringLiteral("\r\n"); // for added lines: the file's first line break, if it has one
    bool FReadCompletely = true;               // false keeps an existing file that was not read whole intact
};
