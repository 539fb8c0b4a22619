#include "engine/sets.h"

#include "engine/errors.h"

#include <gtest/gtest.h>

namespace {

using engine::buildSets;

struct SetsRow {
    const char *name;
    std::u16string_view a, b, c, distinct, rem;
    std::u16string_view first, second;
};

// Worked examples: draws 1,2,3 / 0,5,1 / 1,8,2 / 9,0,4 / 5,4,5 / 0,0,9, then
// mechanical runs on texts that are no pair codes.
const SetsRow setsRows[] = {
    {"threePairs", u"18", u"27", u"36", u"182736", u"4590", u"4590182", u"4590736"},
    {"threePairsRegainLeadingZero", u"09", u"45", u"18", u"094518", u"2367", u"2367091",
     u"2367845"},
    {"twoPairs", u"18", u"18", u"27", u"1827", u"345690", u"1827093", u"1827645"},
    {"twoPairsKeepLeadingZero", u"09", u"09", u"45", u"0945", u"123678", u"0945182", u"0945736"},
    {"twoPairsHighCodeFirst", u"45", u"09", u"09", u"4509", u"123678", u"0945182", u"0945736"},
    {"onePair", u"45", u"45", u"45", u"45", u"12367890", u"4367890", u"5123678"},
    {"onePairOfZeroAndNine", u"09", u"09", u"09", u"09", u"12345678", u"0345678", u"9123456"},
    {"threePairsNegativeValue", u"-5", u"27", u"36", u"-52736", u"14890", u"14890-52", u"14890736"},
    {"onePairLowDigitAboveFour", u"77", u"77", u"77", u"77", u"1234567890", u"7123456", u"7123456"},
    {"onePairHighDigitBelowFive", u"11", u"11", u"11", u"11", u"2345678", u"1345678", u"1345678"},
    // a pair counts as left over when only its high digit remains
    {"restCodeFromHighDigitOnly", u"18", u"18", u"27", u"1827", u"9", u"182709", u"182709"},
    {"shortRemainder", u"18", u"27", u"36", u"182736", u"", u"182", u"736"},
    {"oddLength", u"12", u"345", u"36", u"1234536", u"7890", u"", u""},
    {"emptyDistinctCodes", u"", u"", u"", u"", u"1234567890", u"", u""},
};

TEST(SetsTest, BuildsBothSets)
{
    for (const SetsRow &row : setsRows) {
        SCOPED_TRACE(row.name);
        const engine::SevenDigitSets sets = buildSets(row.a, row.b, row.c, row.distinct, row.rem);
        EXPECT_EQ(sets.firstSet, row.first);
        EXPECT_EQ(sets.secondSet, row.second);
    }
}

TEST(SetsTest, TwoPairRestCodesFollowTableOrder)
{
    // rem 345690 touches the pairs 0/9, 3/6 and 4/5: rest codes 093645.
    const auto sets = buildSets(u"27", u"18", u"18", u"2718", u"345690");
    EXPECT_EQ(sets.firstSet, u"1827093");
    EXPECT_EQ(sets.secondSet, u"1827645");
}

TEST(SetsTest, UnreadablePiecesRaiseConversionErrors)
{
    struct Row {
        const char *name;
        std::u16string_view a, distinct;
        bool overflow;
    };
    const Row rows[] = {
        {"threePairValueAboveRange", u"400000", u"400000", true},
        {"threePairValueBelowRange", u"-32769", u"-32769", true},
        {"twoPairPieceNotANumber", u"1", u"1--1", false},
        {"onePairPieceNotANumber", u"-1", u"-1", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.overflow)
            EXPECT_THROW(buildSets(row.a, row.a, row.a, row.distinct, u""), engine::Overflow);
        else
            EXPECT_THROW(buildSets(row.a, row.a, row.a, row.distinct, u""), engine::TypeMismatch);
    }
}

TEST(SetsTest, PairCodeTableHoldsComplementaryPairsLowDigitFirst)
{
    for (const engine::PairCodeRow &row : engine::PairCodeTable) {
        EXPECT_EQ(row.firstDigit + row.secondDigit, 9);
        ASSERT_EQ(row.pairCode.size(), 2U);
        EXPECT_EQ(row.pairCode[0], u'0' + row.firstDigit);
        EXPECT_EQ(row.pairCode[1], u'0' + row.secondDigit);
    }
}

} // namespace
