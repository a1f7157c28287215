#include "tests/app/profile/SystemConverter.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

QByteArray convert(QByteArray input, const char* from, const char* to)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == iconv_t(-1)) {
        ADD_FAILURE() << "no converter from " << from << " to " << to;
        return {};
    }
    QByteArray output(input.size() * 4 + 16, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1))
        ADD_FAILURE() << "cannot convert from " << from << " to " << to;
    iconv_close(converter);
    output.truncate(output.size() - qsizetype(outLeft));
    return output;
}

} // namespace

QByteArray encodedBySystem(const QString& text, const char* encoding)
{
    return convert(text.toUtf8(), "UTF-8", encoding);
}

QString decodedBySystem(const QByteArray& bytes, const char* encoding)
{
    return QString::fromUtf8(convert(bytes, encoding, "UTF-8"));
}
