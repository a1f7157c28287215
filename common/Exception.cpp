#include "common/Exception.h"

Exception::Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}

QString formatMessage(const QString& pattern, const QString& argument)
{
    QString result = pattern;
    const qsizetype at = result.indexOf(QLatin1String("%s"));
    if (at >= 0)
        result.replace(at, 2, argument);
    return result;
}
