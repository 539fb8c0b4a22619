#include "engine/ordering.h"

#include <utility>

namespace engine {

std::int16_t Max(std::int16_t &a, std::int16_t &b, std::int16_t &c)
{
    const std::int16_t t = a >= b ? a : b;
    return t >= c ? t : c;
}

std::int16_t Min(std::int16_t &a, std::int16_t &b, std::int16_t &c)
{
    const std::int16_t t = b >= a ? a : b;
    return c >= t ? t : c;
}

std::int16_t MidNum(std::int16_t &a, std::int16_t &b, std::int16_t &c)
{
    if (a < b)
        std::swap(a, b);
    if (a < c)
        std::swap(a, c);
    return b >= c ? b : c;
}

std::int16_t Max2(std::int16_t &x, std::int16_t &y)
{
    return y < x ? x : y;
}

std::int16_t Min2(std::int16_t &x, std::int16_t &y)
{
    return x < y ? x : y;
}

} // namespace engine
