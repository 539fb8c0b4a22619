#include "engine/calculate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace engine {

// For EXPECT_EQ on whole results.
bool operator==(const DrawSets &a, const DrawSets &b)
{
    return a.firstSet == b.firstSet && a.secondSet == b.secondSet &&
           a.combinedText == b.combinedText && a.commonDigits == b.commonDigits;
}

void PrintTo(const DrawSets &sets, std::ostream *out)
{
    *out << testing::PrintToString(sets.firstSet) << " / " << testing::PrintToString(sets.secondSet)
         << " / " << testing::PrintToString(sets.commonDigits);
}

} // namespace engine

namespace {

using engine::calculate;
using engine::DrawSets;
using engine::MissingInput;

std::u16string digitText(int digit)
{
    return {static_cast<char16_t>(u'0' + digit)};
}

DrawSets setsOf(std::u16string_view a, std::u16string_view b, std::u16string_view c)
{
    const engine::CalculationResult result = calculate(a, b, c);
    EXPECT_TRUE(std::holds_alternative<DrawSets>(result));
    if (std::holds_alternative<DrawSets>(result))
        return std::get<DrawSets>(result);
    return {};
}

struct WorkedExample {
    std::u16string_view a, b, c;
    std::u16string_view first, second, common;
};

TEST(CalculateTest, WorkedExamples)
{
    const WorkedExample rows[] = {
        {u"1", u"2", u"3", u"4590182", u"4590736", u"4590"},
        {u"1", u"8", u"2", u"1827093", u"1827645", u"1827"},
        {u"5", u"4", u"5", u"4367890", u"5123678", u"3678"},
        {u"0", u"5", u"1", u"2367091", u"2367845", u"2367"},
        {u"9", u"0", u"4", u"0945182", u"0945736", u"0945"},
        {u"0", u"0", u"9", u"0345678", u"9123456", u"3456"},
    };
    for (const WorkedExample &row : rows) {
        SCOPED_TRACE(testing::Message() << char(row.a[0]) << char(row.b[0]) << char(row.c[0]));
        const DrawSets sets = setsOf(row.a, row.b, row.c);
        EXPECT_EQ(sets.firstSet, row.first);
        EXPECT_EQ(sets.secondSet, row.second);
        EXPECT_EQ(sets.commonDigits, row.common);
    }
    EXPECT_EQ(setsOf(u"1", u"2", u"3").combinedText, u"4590182.3\r\n4590736.3");
}

TEST(CalculateTest, MissingInputWhenATrimmedTextIsEmpty)
{
    const std::array<std::u16string_view, 3> rows[] = {
        {u"", u"2", u"3"},    {u"1", u"", u"3"},       {u"1", u"2", u""},
        {u"   ", u"2", u"3"}, {u"1", u"\u3000", u"3"}, {u"1", u"2", u" \u3000 "},
        {u"", u"", u""},      {u"x", u"y", u""},       {u"", u"1e999", u"9"},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(std::holds_alternative<MissingInput>(calculate(row[0], row[1], row[2])));
}

TEST(CalculateTest, EquivalentTextsGiveTheSameResult)
{
    struct Row {
        const char *name;
        std::u16string_view a, b, c;
        int da, db, dc;
    };
    const Row rows[] = {
        {"leadingSpace", u" 7", u"1", u"2", 7, 1, 2},
        {"trailingSpace", u"7 ", u"1", u"2", 7, 1, 2},
        {"ideographicSpaces", u"\u30007\u3000", u"1", u"2", 7, 1, 2},
        {"zeroAsDoubleZero", u"00", u"1", u"2", 0, 1, 2},
        {"nineWithFraction", u"9.0", u"1", u"2", 9, 1, 2},
        {"signs", u"+3", u"-0", u"4.", 3, 0, 4},
        {"halfAsDecimal", u".0", u"05", u"6.000", 0, 5, 6},
        {"fullWidthDigits", u"\uFF11", u"\uFF12", u"\uFF13", 1, 2, 3},
        {"digitsOfOnePair", u"3", u"6", u"3", 3, 3, 3},
        {"reversedDraw", u"3", u"2", u"1", 1, 2, 3},
        {"rotatedDraw", u"2", u"3", u"1", 1, 2, 3},
        {"complementsSwapped", u"8", u"7", u"6", 1, 2, 3},
        {"complementsOfDraw910", u"1", u"9", u"0", 9, 1, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(setsOf(row.a, row.b, row.c),
                  setsOf(digitText(row.da), digitText(row.db), digitText(row.dc)));
    }
}

TEST(CalculateTest, UnusualInputRunsThroughMechanically)
{
    struct Row {
        const char *name;
        std::u16string_view a, b, c;
        std::u16string_view first, second, common;
    };
    const Row rows[] = {
        // distinct codes 1234536: no branch applies
        {"noBranch", u"12", u"345", u"6", u"", u"", u""},
        // distinct codes -52736 take the three-pair branch with -5 as a code
        {"negativeCode", u"-5", u"2", u"3", u"14890-52", u"14890736", u"14890"},
        // a two-character number that is no pair code: one-pair branch on 1 and 2
        {"twoDigitNumber", u"12", u"12", u"12", u"1567890", u"2567890", u"567890"},
        // three equal six-character values: three-pair branch on 32767
        {"sixCharacterValue", u"32767.", u"32767.", u"32767.", u"145890327", u"145890767",
         u"1458907"},
        // the shared digits keep the first set's order, not the second's
        {"sharedInFirstSetOrder", u"0", u"0", u"12", u"0912182", u"0912645", u"091212"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const DrawSets sets = setsOf(row.a, row.b, row.c);
        EXPECT_EQ(sets.firstSet, row.first);
        EXPECT_EQ(sets.secondSet, row.second);
        EXPECT_EQ(sets.commonDigits, row.common);
    }
    EXPECT_EQ(setsOf(u"12", u"345", u"6").combinedText, u".3\r\n.3");
}

TEST(CalculateTest, ConversionErrorsArriveInBoxOrder)
{
    const std::u16string nines(400, u'9');
    const std::u16string tenPowerOf400 = u"1" + std::u16string(400, u'0');
    struct Row {
        const char *name;
        std::u16string_view a, b, c;
        bool overflow;
        std::size_t box; // the text the error names
    };
    const Row rows[] = {
        {"letter", u"a", u"2", u"3", false, 0},
        {"letterInLastBox", u"1", u"2", u"z", false, 2},
        {"fullWidthLetter", u"\uFF41", u"2", u"3", false, 0},
        {"hugeNumber", nines, u"2", u"3", true, 0},
        {"hugeNumberEndingInZero", tenPowerOf400, u"2", u"3", true, 0},
        {"letterBeforeOverflow", u"a", nines, u"3", false, 0},
        {"overflowBeforeLetter", nines, u"a", u"3", true, 0},
        {"overflowInMiddleBox", u"1", nines, u"a", true, 1},
        {"sixteenBitOverflow", u"400000", u"400000", u"400000", true, 0},
        {"negativeSixteenBitOverflow", u"-32769", u"-32769", u"-32769", true, 0},
        {"minusSignPiece", u"-1", u"-1", u"-1", false, 0},
        {"pointPiece", u".5", u".5", u" .5", false, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        try {
            calculate(row.a, row.b, row.c);
            ADD_FAILURE() << "no error";
        } catch (const engine::ConversionError &error) {
            EXPECT_EQ(dynamic_cast<const engine::Overflow *>(&error) != nullptr, row.overflow);
            EXPECT_EQ(dynamic_cast<const engine::TypeMismatch *>(&error) != nullptr, !row.overflow);
            EXPECT_EQ(error.text(), row.box);
        }
    }
}

TEST(CalculateTest, ConversionErrorsShareOneBase)
{
    EXPECT_THROW(calculate(u"a", u"1", u"2"), engine::ConversionError);
    EXPECT_THROW(calculate(u"a", u"1", u"2"), std::runtime_error);
}

// Properties of every valid draw.
TEST(CalculateTest, AllThousandDrawsGiveTwoSetsCoveringAllTenDigits)
{
    for (int d1 = 0; d1 < 10; ++d1)
        for (int d2 = 0; d2 < 10; ++d2)
            for (int d3 = 0; d3 < 10; ++d3) {
                SCOPED_TRACE(testing::Message() << d1 << d2 << d3);
                const DrawSets sets = setsOf(digitText(d1), digitText(d2), digitText(d3));
                const std::set<char16_t> first(sets.firstSet.begin(), sets.firstSet.end());
                const std::set<char16_t> second(sets.secondSet.begin(), sets.secondSet.end());
                ASSERT_EQ(sets.firstSet.size(), 7U);
                ASSERT_EQ(sets.secondSet.size(), 7U);
                EXPECT_EQ(first.size(), 7U);
                EXPECT_EQ(second.size(), 7U);

                std::set<char16_t> all = first;
                all.insert(second.begin(), second.end());
                EXPECT_EQ(all.size(), 10U);
                EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](char16_t unit) {
                    return unit >= u'0' && unit <= u'9';
                }));

                std::u16string shared;
                for (const char16_t unit : sets.firstSet)
                    if (second.contains(unit))
                        shared += unit;
                EXPECT_EQ(sets.commonDigits, shared);
                EXPECT_EQ(sets.commonDigits.size(), 4U);

                EXPECT_EQ(sets.combinedText, sets.firstSet + u".3\r\n" + sets.secondSet + u".3");

                // Every order of the same three digits gives the same sets.
                std::array<int, 3> draw{d1, d2, d3};
                std::sort(draw.begin(), draw.end());
                do {
                    EXPECT_EQ(setsOf(digitText(draw[0]), digitText(draw[1]), digitText(draw[2])),
                              sets);
                } while (std::next_permutation(draw.begin(), draw.end()));
            }
}

} // namespace
