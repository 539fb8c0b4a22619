#include "engine/ordering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using engine::Max;
using engine::Max2;
using engine::MidNum;
using engine::Min;
using engine::Min2;

struct ThreeValues {
    std::int16_t a, b, c;
    std::int16_t min, mid, max;
};

TEST(OrderingTest, ThreeValueRoutinesPickSmallestMiddleLargest)
{
    // clang-format off
    const ThreeValues rows[] = {
        {9, 45, 18, 9, 18, 45},    {18, 18, 9, 9, 18, 18},   {9, 18, 9, 9, 9, 18},
        {45, 36, 27, 27, 36, 45},  {27, 36, 45, 27, 36, 45}, {5, 5, 5, 5, 5, 5},
        {-32768, 32767, 0, -32768, 0, 32767},                 {-1, -3, -2, -3, -2, -1},
    };
    // clang-format on
    for (const ThreeValues &row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        std::int16_t a = row.a;
        std::int16_t b = row.b;
        std::int16_t c = row.c;
        EXPECT_EQ(Min(a, b, c), row.min);
        EXPECT_EQ(Max(a, b, c), row.max);
        EXPECT_EQ(MidNum(a, b, c), row.mid);
    }
}

TEST(OrderingTest, MidNumLeavesTheLargestInItsFirstArgument)
{
    struct Row {
        std::array<std::int16_t, 3> before, after;
    };
    const Row rows[] = {
        {{9, 45, 18}, {45, 9, 18}}, // first swap only
        {{9, 18, 45}, {45, 9, 18}}, // both swaps
        {{45, 9, 18}, {45, 9, 18}}, // no swap
        {{18, 9, 45}, {45, 9, 18}}, // second swap only
        {{18, 18, 9}, {18, 18, 9}},
    };
    for (const Row &row : rows) {
        auto [a, b, c] = row.before;
        MidNum(a, b, c);
        EXPECT_EQ((std::array{a, b, c}), row.after);
    }
}

TEST(OrderingTest, MinAndMaxLeaveTheirArgumentsAlone)
{
    std::int16_t a = 9;
    std::int16_t b = 45;
    std::int16_t c = 18;
    Min(a, b, c);
    Max(a, b, c);
    EXPECT_EQ((std::array{a, b, c}), (std::array<std::int16_t, 3>{9, 45, 18}));
}

TEST(OrderingTest, ThreeValueRoutinesAgreeWithSortingForAllSmallTriples)
{
    for (int i = -3; i <= 3; ++i)
        for (int j = -3; j <= 3; ++j)
            for (int k = -3; k <= 3; ++k) {
                std::array<std::int16_t, 3> sorted{static_cast<std::int16_t>(i),
                                                   static_cast<std::int16_t>(j),
                                                   static_cast<std::int16_t>(k)};
                auto [a, b, c] = sorted;
                std::sort(sorted.begin(), sorted.end());
                EXPECT_EQ(Min(a, b, c), sorted[0]);
                EXPECT_EQ(Max(a, b, c), sorted[2]);
                EXPECT_EQ(MidNum(a, b, c), sorted[1]);
            }
}

TEST(OrderingTest, TwoValueRoutines)
{
    struct Row {
        std::int16_t x, y, min, max;
    };
    const Row rows[] = {
        {27, 18, 18, 27}, {18, 27, 18, 27}, {5, 5, 5, 5}, {-32768, 32767, -32768, 32767}};
    for (const Row &row : rows) {
        std::int16_t x = row.x;
        std::int16_t y = row.y;
        EXPECT_EQ(Min2(x, y), row.min);
        EXPECT_EQ(Max2(x, y), row.max);
        EXPECT_EQ(x, row.x);
        EXPECT_EQ(y, row.y);
    }
}

} // namespace
