#include "report/engine/Hyphenation.h"

#include <QString>

namespace {

const QString kVowels = QStringLiteral("АЕЁИОУЫЭЮЯ");
const QString kConsonants = QStringLiteral("БВГДЖЗЙКЛМНПРСТФХЦЧШЩЬЪ");
const QString kSigns = QStringLiteral("ЬЪ");
const QChar kShortI = QChar(0x0419); // Й

bool isVowel(QChar c)
{
    return kVowels.contains(c);
}
bool isConsonant(QChar c)
{
    return kConsonants.contains(c);
}
bool isSign(QChar c)
{
    return kSigns.contains(c);
}

bool hasVowel(QStringView part)
{
    for (QChar c : part)
        if (isVowel(c))
            return true;
    return false;
}

// Whether the word W may break after its p-th character (1-based).
bool mayBreakAfter(const QString& W, int p)
{
    const int n = static_cast<int>(W.size());
    const QChar c = W[p - 1];
    const QChar next = W[p];
    if (isConsonant(c))
        return !isVowel(next) && !isSign(next);
    if (isVowel(c)) {
        if (next == kShortI)
            return false;
        const bool doubledBeforeVowel =
            p < n - 2 && next == W[p + 1] && isConsonant(next) && isVowel(W[p + 2]);
        return !doubledBeforeVowel;
    }
    return false;
}

} // namespace

bool IsWordDelimiter(QChar c)
{
    return c == u' ' || c == u'.' || c == u',' || c == u'-' || c == u';';
}

int HyphenationPoint(QStringView word, int before)
{
    const QString W = word.toString().toUpper();
    const int n = static_cast<int>(W.size());
    if (n <= 3)
        return 0;
    for (int p = std::min(before - 1, n - 1); p >= 1; --p) {
        const QStringView first = QStringView(W).left(p);
        const QStringView second = QStringView(W).mid(p);
        if (first.size() >= 2 && second.size() >= 2 && hasVowel(first) && hasVowel(second) &&
            mayBreakAfter(W, p))
            return p;
    }
    return 0;
}
