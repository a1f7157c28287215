#include "report/preview/PageList.h"

#include "common/Exception.h"

#include <QStringList>

#include <algorithm>

namespace {

int pageNumber(const QString& item)
{
    bool ok = !item.isEmpty();
    for (const QChar c : item)
        ok = ok && c >= u'0' && c <= u'9';
    const int number = ok ? item.toInt(&ok) : 0;
    if (!ok)
        throw Exception(formatMessage(QStringLiteral("'%s' is not a valid integer value"), item));
    return number;
}

void addItem(const QString& item, int totalPages, QList<int>& pages)
{
    const qsizetype dash = item.indexOf(u'-');
    if (dash < 0) {
        pages.append(pageNumber(item));
        return;
    }
    const int first = pageNumber(item.left(dash));
    const int last = std::min(pageNumber(item.mid(dash + 1)), totalPages);
    for (int page = first; page <= last; ++page)
        pages.append(page);
}

} // namespace

QList<int> frxParsePageList(const QString& text, int totalPages)
{
    QString compact;
    for (const QChar c : text)
        if (!c.isSpace())
            compact.append(c);
    QList<int> pages;
    if (compact.isEmpty())
        return pages;
    if (compact.endsWith(u'-'))
        compact.append(QString::number(totalPages));
    for (const QString& item : compact.split(u','))
        addItem(item, totalPages, pages);
    return pages;
}
