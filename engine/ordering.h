#pragma once

// Orderings of pair codes read as 16-bit integers. The arguments are taken by
// reference; MidNum reorders its arguments in place, so callers pass copies.

#include <cstdint>

namespace engine {

std::int16_t Max(std::int16_t &a, std::int16_t &b, std::int16_t &c);
std::int16_t Min(std::int16_t &a, std::int16_t &b, std::int16_t &c);
// Leaves the largest value in a, then returns the middle one.
std::int16_t MidNum(std::int16_t &a, std::int16_t &b, std::int16_t &c);
std::int16_t Max2(std::int16_t &x, std::int16_t &y);
std::int16_t Min2(std::int16_t &x, std::int16_t &y);

} // namespace engine
