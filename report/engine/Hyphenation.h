#pragma once

#include <QStringView>

// Where a Russian word may be broken: the length p of the first part of the last break point with
// p < before (the number of the word's characters that still fit), or 0 when there is none.
// Words of three characters or fewer, and words in other alphabets, are never broken.
int HyphenationPoint(QStringView word, int before);

// The characters that end a word for hyphenation: blank, point, comma, hyphen, semicolon.
bool IsWordDelimiter(QChar c);
