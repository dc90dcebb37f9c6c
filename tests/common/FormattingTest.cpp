// Number masks, fixed-width amount fields and date patterns.
#include "common/DateFormat.h"
#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct NumberCase {
    std::int64_t value;
    const char* mask;
    const char* expected;
};

const NumberCase kNumbers[] = {
    {0, "###,###,##0", "0"},
    {999, "###,###,##0", "999"},
    {1000, "###,###,##0", "1,000"},
    {1234567, "###,###,##0", "1,234,567"},
    {-1234567, "###,###,##0", "-1,234,567"},
    {-999, "###,###,##0", "-999"},
    {2147483647, "###,###,##0", "2,147,483,647"},  // wider than the mask: shown whole
    {-2147483648LL, "##,###,###,##0", "-2,147,483,648"},
    {123456789, "###,###,###,##0", "123,456,789"},
    {1000000, "#,###,###,##0", "1,000,000"},
    {1234567, "########0", "1234567"},
    {-5, "########0", "-5"},
    {0, "########0", "0"},
    {7, "#0", "7"},
    {7, "0000", "0007"},
    {2024, "0000", "2024"},
    {3, "00", "03"},
    {std::numeric_limits<std::int64_t>::min(), "########0", "-9223372036854775808"},
};

TEST(FormatNumber, AppliesTheMasksInUse)
{
    for (const NumberCase& c : kNumbers)
        EXPECT_EQ(o::FormatNumber(c.value, c.mask), c.expected) << c.value << " " << c.mask;
}

// A list line is built by appending its fields: an amount field appended is
// the number as the mask shows it, right-aligned, after what the line held.
TEST(AppendAmountField, AppendsTheMaskedNumberRightAligned)
{
    for (const NumberCase& c : kNumbers) {
        std::string line = "摘要";
        o::AppendAmountField(line, c.value, c.mask, 24);
        EXPECT_EQ(line, "摘要" + std::string(24 - std::string(c.expected).size(), ' ') + c.expected)
            << c.value << " " << c.mask;
    }
}

struct FieldCase {
    std::int64_t value;
    const char* mask;
    int width;
    const char* expected;
};

TEST(FormatAmountField, RightAlignsAndFillsATooWideAmountWithStars)
{
    const FieldCase cases[] = {
        {1000, "###,###,##0", 10, "     1,000"},
        {0, "###,###,##0", 10, "         0"},
        {-1000, "###,###,##0", 10, "    -1,000"},
        {99999999, "###,###,##0", 10, "99,999,999"},
        {123456789, "###,###,##0", 10, "**********"},  // never a cut number
        {123456789, "###,###,##0", 11, "123,456,789"},
        {-123456789, "###,###,##0", 11, "***********"},
        {1234567890, "##,###,###,##0", 12, "************"},
        {123456789, "##,###,###,##0", 12, " 123,456,789"},
        {5, "###,###,##0", 0, ""},
        {5, "000000000000000000000000", 26,
         "  000000000000000000000005"},  // more zeros than a 64-bit number has digits
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(o::FormatAmountField(c.value, c.mask, c.width), c.expected) << c.value;
}

TEST(PrintedNumber, HasASignPositionAndATrailingBlank)
{
    EXPECT_EQ(o::PrintedNumber(1), " 1 ");
    EXPECT_EQ(o::PrintedNumber(12), " 12 ");
    EXPECT_EQ(o::PrintedNumber(-3), "-3 ");
}

struct DateCase {
    dao::Date date;
    std::string_view pattern;
    const char* expected;
};

TEST(FormatDate, WritesThePatternsInUse)
{
    const dao::Date sunday{2024, 3, 31, 9, 5, 7};
    const dao::Date monday{2024, 4, 1};
    const dao::Date newYear{2000, 1, 1, 23, 59, 0};  // a Saturday
    const DateCase cases[] = {
        {sunday, o::kListDate, "24/03/31(日)"},
        {monday, o::kListDate, "24/04/01(月)"},
        {newYear, o::kListDate, "00/01/01(土)"},
        {dao::Date{2024, 4, 2}, "aaa", "火"},
        {dao::Date{2024, 4, 3}, "aaa", "水"},
        {dao::Date{2024, 4, 4}, "aaa", "木"},
        {dao::Date{2024, 4, 5}, "aaa", "金"},
        {monday, o::kLabelDate, "2024年04月01日"},
        {sunday, o::kHeaderDateTime, "   2024/03/31(日) 09:05"},
        {newYear, o::kHeaderDateTime, "   2000/01/01(土) 23:59"},
        {sunday, o::kVoucherStamp, "240331090507"},
        {monday, o::kSlashDate, "2024/04/01"},
        {sunday, "yymmddmm", "24033103"},  // mm after dd stays the month
        {sunday, "yyyy/m/d", "2024/3/31"},
        {sunday, "yymm", "2403"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(o::FormatDate(c.date, c.pattern), c.expected) << c.pattern;
}

TEST(FormatDate, GivesTheEmptyTextForAValueThatIsNotADate)
{
    EXPECT_EQ(o::FormatDate(dao::Value(), o::kSlashDate), "");
    EXPECT_EQ(o::FormatDate(dao::Value("あいう"), o::kSlashDate), "");
    EXPECT_EQ(o::FormatDate(dao::Value("2024/4/1"), o::kSlashDate), "2024/04/01");
}

}  // namespace
