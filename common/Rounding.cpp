#include "common/Rounding.h"

#include <cmath>

int64_t roundHalfEven(double value)
{
    return static_cast<int64_t>(std::nearbyint(value)); // default FE_TONEAREST is ties-to-even
}

int64_t truncToward0(double value)
{
    return static_cast<int64_t>(std::trunc(value));
}
