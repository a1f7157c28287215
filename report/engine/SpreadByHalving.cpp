#include "report/engine/SpreadByHalving.h"

#include <cstdlib>

void SpreadByHalving(std::vector<int>& values, int first, int last, int n, int sign)
{
    if (n <= 0 || first > last)
        return;
    if (first == last) {
        values[first] += n * sign;
        return;
    }
    const int half = (last - first + 1) / 2;
    if (n == 1) {
        values[first + half - 1] += sign;
        return;
    }
    SpreadByHalving(values, first, first + half - 1, n / 2, sign);
    SpreadByHalving(values, first + half, last, n - n / 2, sign);
}

void StretchEvenly(std::vector<int>& values, int difference)
{
    const int count = static_cast<int>(values.size());
    if (count == 0 || difference == 0)
        return;
    const int sign = difference < 0 ? -1 : 1;
    int rest = std::abs(difference);
    if (rest >= count) {
        const int each = difference / count;
        for (int& v : values)
            v += each;
        rest = std::abs(difference - each * count);
    }
    SpreadByHalving(values, 0, count - 1, rest, sign);
}
