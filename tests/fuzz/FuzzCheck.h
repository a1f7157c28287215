#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run as a crash does, so that libFuzzer keeps the input that broke it.
inline void fuzzCheck(bool condition, const char* invariant)
{
    if (!condition) {
        std::fprintf(stderr, "Invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Checks that two documents are equal; on a difference, shows the first line that differs.
inline void fuzzCheckSame(const QByteArray& expected, const QByteArray& actual, const char* invariant)
{
    if (expected == actual)
        return;
    const QList<QByteArray> a = expected.split('\n');
    const QList<QByteArray> b = actual.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray left = a.value(i);
        const QByteArray right = b.value(i);
        if (left != right) {
            std::fprintf(stderr, "Line %lld differs:\n- %s\n+ %s\n", static_cast<long long>(i + 1),
                         left.constData(), right.constData());
            break;
        }
    }
    fuzzCheck(false, invariant);
}

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
