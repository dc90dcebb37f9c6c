// Values and dates as the database layer hands them to the program.
#include "platform/dao/DaoError.h"
#include "platform/dao/Value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using dao::DaoError;
using dao::Date;
using dao::Value;

namespace {

template <typename F> DaoError::Code errorCodeOf(F&& f)
{
    try {
        f();
    } catch (const DaoError& e) {
        return e.code();
    }
    ADD_FAILURE() << "no DaoError thrown";
    return DaoError::Code::General;
}

// ---------------------------------------------------------------- numbers

struct NumericCase {
    const char* text;
    bool numeric;
    double value;
};

TEST(ValueNumericText, ReadsTextsAsTheUserTypesThem)
{
    const std::vector<NumericCase> cases = {
        {"1,000", true, 1000}, {"1,234,567", true, 1234567},
        {" -12 ", true, -12},  {"+7", true, 7},
        {"3.5", true, 3.5},    {".5", true, 0.5},
        {"5.", true, 5},       {"-1,000.25", true, -1000.25},
        {"1e3", true, 1000},   {"0", true, 0},
        {"\t42\t", true, 42},  {"", false, 0},
        {"   ", false, 0},     {"abc", false, 0},
        {"12abc", false, 0},   {"1 2", false, 0},
        {",100", false, 0},    {"100,", false, 0},
        {"1,,000", false, 0},  {"-", false, 0},
        {".", false, 0},       {"1e", false, 0},
        {"--1", false, 0},     {"2024/4/1", false, 0},
        {"１２３", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Value v(c.text);
        EXPECT_EQ(v.isNumeric(), c.numeric);
        if (c.numeric)
            EXPECT_DOUBLE_EQ(v.toDouble(), c.value);
        else
            EXPECT_EQ(errorCodeOf([&] { (void)v.toDouble(); }), DaoError::Code::TypeMismatch);
    }
}

TEST(ValueNumericText, KindsOtherThanTextAreNumericByKind)
{
    EXPECT_TRUE(Value(5).isNumeric());
    EXPECT_TRUE(Value(2.5).isNumeric());
    EXPECT_TRUE(Value(true).isNumeric());
    EXPECT_FALSE(Value().isNumeric());
    EXPECT_FALSE(Value(Date{2024, 4, 1}).isNumeric());
}

struct RoundCase {
    Value value;
    std::int64_t expected;
};

TEST(ValueToInteger, RoundsHalfToEven)
{
    const std::vector<RoundCase> cases = {
        {Value(0.5), 0},
        {Value(1.5), 2},
        {Value(2.5), 2},
        {Value(3.5), 4},
        {Value(-0.5), 0},
        {Value(-1.5), -2},
        {Value(-2.5), -2},
        {Value(2.4999), 2},
        {Value(2.5001), 3},
        {Value("2.5"), 2},
        {Value("3.5"), 4},
        {Value("1,000"), 1000},
        {Value(" -12 "), -12},
        {Value(true), -1},
        {Value(false), 0},
        {Value(), 0},
        {Value("9223372036854775807"), INT64_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toText());
        EXPECT_EQ(c.value.toInt64(), c.expected);
    }
}

TEST(ValueToInteger, Int32OverflowIsAnErrorNeverAWrap)
{
    EXPECT_EQ(Value(2147483647).toInt32(), 2147483647);
    EXPECT_EQ(Value("-2,147,483,648").toInt32(), INT32_MIN);
    EXPECT_EQ(Value(2147483647.4).toInt32(), 2147483647);
    const std::vector<Value> tooLarge = {
        Value(2147483648LL),  Value(-2147483649LL), Value("2,147,483,648"),        Value(2147483647.5),
        Value(-2147483648.6), Value(1e30),          Value("99999999999999999999"),
    };
    for (const auto& v : tooLarge) {
        SCOPED_TRACE(v.toText());
        EXPECT_EQ(errorCodeOf([&] { (void)v.toInt32(); }), DaoError::Code::Overflow);
    }
    EXPECT_EQ(errorCodeOf([] { (void)Value(1e30).toInt64(); }), DaoError::Code::Overflow);
}

TEST(ValueToInteger, NonNumericIsATypeMismatchWithTheValueInTheMessage)
{
    try {
        (void)Value("abc").toInt32();
        FAIL() << "no error";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::TypeMismatch);
        EXPECT_NE(std::string(e.what()).find("「abc」"), std::string::npos) << e.what();
    }
    EXPECT_EQ(errorCodeOf([] { (void)Value("").toInt32(); }), DaoError::Code::TypeMismatch);
    EXPECT_EQ(errorCodeOf([] { (void)Value(Date{2024, 4, 1}).toInt64(); }), DaoError::Code::TypeMismatch);
}

// ---------------------------------------------------------------- texts

struct TextCase {
    Value value;
    const char* expected;
};

TEST(ValueToText, WritesEachKindPlainly)
{
    const std::vector<TextCase> cases = {
        {Value(), ""},
        {Value("現金"), "現金"},
        {Value(1000), "1000"},
        {Value(-5), "-5"},
        {Value(3.5), "3.5"},
        {Value(3.0), "3"},
        {Value(0.1), "0.1"},
        {Value(-0.0), "0"},
        {Value(1234567.25), "1234567.25"},
        {Value(0.1 + 0.2), "0.3"},  // fifteen significant digits
        {Value(1000 * 1.08), "1080"},
        {Value(-2147483648.0), "-2147483648"},
        {Value(123456789012345.0), "123456789012345"},
        {Value(1e15), "1E+15"},
        {Value(0.00001), "1E-05"},
        {Value(true), "True"},
        {Value(false), "False"},
        {Value(Date{2024, 4, 1}), "2024/4/1"},
        {Value(Date{2024, 12, 31}), "2024/12/31"},
        {Value(Date{2024, 4, 1, 9, 5, 0}), "2024/4/1 9:05:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.value.toText(), c.expected);
    }
    EXPECT_TRUE(Value().isEmptyText());
    EXPECT_TRUE(Value("").isEmptyText());
    EXPECT_FALSE(Value(0).isEmptyText());
}

TEST(ValueToBool, ReadsNumbersAndTruthTexts)
{
    EXPECT_FALSE(Value().toBool());
    EXPECT_TRUE(Value(true).toBool());
    EXPECT_TRUE(Value(-1).toBool());
    EXPECT_FALSE(Value(0).toBool());
    EXPECT_TRUE(Value(0.5).toBool());
    EXPECT_TRUE(Value("True").toBool());
    EXPECT_TRUE(Value("true").toBool());
    EXPECT_FALSE(Value("FALSE").toBool());
    EXPECT_TRUE(Value("1").toBool());
    EXPECT_FALSE(Value("0").toBool());
    EXPECT_EQ(errorCodeOf([] { (void)Value("はい").toBool(); }), DaoError::Code::TypeMismatch);
}

TEST(ValueToDate, DatesAndDateTextsOnly)
{
    EXPECT_EQ(Value("2024/4/1").toDate(), (Date{2024, 4, 1}));
    EXPECT_EQ(Value(Date{2024, 4, 1}).toDate(), (Date{2024, 4, 1}));
    EXPECT_FALSE(Value().toDate());
    EXPECT_FALSE(Value("現金").toDate());
    EXPECT_FALSE(Value(45383).toDate());
    EXPECT_FALSE(Value("2024/2/30").toDate());
}

// ---------------------------------------------------------------- dates

TEST(DateValidity, FollowsTheGregorianCalendar)
{
    struct Case {
        Date date;
        bool valid;
    };
    const std::vector<Case> cases = {
        {{2024, 2, 29}, true},
        {{2023, 2, 29}, false},
        {{2000, 2, 29}, true},
        {{1900, 2, 29}, false},
        {{2024, 4, 30}, true},
        {{2024, 4, 31}, false},
        {{2024, 12, 31}, true},
        {{2024, 13, 1}, false},
        {{2024, 0, 1}, false},
        {{2024, 1, 0}, false},
        {{0, 1, 1}, false},
        {{2024, 1, 1, 23, 59, 59}, true},
        {{2024, 1, 1, 24, 0, 0}, false},
        {{2024, 1, 1, 0, 60, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.isoText());
        EXPECT_EQ(c.date.isValid(), c.valid);
    }
}

TEST(DateParse, AcceptsTheFormsTheProgramWrites)
{
    struct Case {
        const char* text;
        Date expected;
    };
    const std::vector<Case> cases = {
        {"2024/4/1", {2024, 4, 1}},
        {"2024/04/01", {2024, 4, 1}},
        {"2024-04-01", {2024, 4, 1}},
        {" 2024/4/1 ", {2024, 4, 1}},
        {"2024-04-01 09:30:00", {2024, 4, 1, 9, 30, 0}},
        {"2024/4/1 9:30", {2024, 4, 1, 9, 30, 0}},
        {"2024/4/1 9:30:15", {2024, 4, 1, 9, 30, 15}},
        {"2024-04-01T09:30:00", {2024, 4, 1, 9, 30, 0}},
        {"2024/2/29", {2024, 2, 29}},
        {"2024/4/1 0:00:00", {2024, 4, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Date::parse(c.text), c.expected);
    }
}

TEST(DateParse, RejectsWhatIsNoDate)
{
    for (const char* text :
         {"2024/2/30", "2023/2/29", "2024/13/1", "2024/4/31", "", "abc", "2024/4", "24/4/1", "2024/4-1", "2024/4/1x",
          "2024/4/1 25:00", "2024/4/1 9", "2024/4/1 9:60", "2024/004/1", "20240401", "4/1/2024"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Date::parse(text));
    }
}

TEST(DateIsoText, IsTheStoredForm)
{
    EXPECT_EQ((Date{2024, 4, 1}).isoText(), "2024-04-01");
    EXPECT_EQ((Date{2024, 4, 1, 9, 30, 0}).isoText(), "2024-04-01 09:30:00");
    EXPECT_EQ((Date{812, 1, 2}).isoText(), "0812-01-02");
    // Read back, the stored text gives the same date.
    const Date d{2024, 12, 31, 23, 59, 58};
    EXPECT_EQ(Date::parse(d.isoText()), d);
}

TEST(DateDayNumber, CountsDaysAcrossMonthsYearsAndLeapDays)
{
    struct Case {
        Date date;
        long long days;
    };
    const std::vector<Case> cases = {
        {{1970, 1, 1}, 0},      {{1970, 1, 2}, 1},     {{1969, 12, 31}, -1},     {{2000, 3, 1}, 11017},
        {{2024, 2, 29}, 19782}, {{2024, 3, 1}, 19783}, {{1899, 12, 30}, -25569},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.isoText());
        EXPECT_EQ(c.date.dayNumber(), c.days);
        EXPECT_EQ(Date::fromDayNumber(c.days), c.date);
    }
    // Every day of a span round-trips and advances by one.
    Date previous = Date::fromDayNumber(-800);
    for (long long n = -799; n < 40000; ++n) {
        const Date d = Date::fromDayNumber(n);
        ASSERT_TRUE(d.isValid()) << n;
        ASSERT_EQ(d.dayNumber(), n);
        ASSERT_LT(previous, d);
        previous = d;
    }
}

TEST(DateNow, TodayHasNoTimeAndNowIsTheSameDay)
{
    const Date today = Date::today();
    const Date now = Date::now();
    EXPECT_TRUE(today.isValid());
    EXPECT_FALSE(today.hasTime());
    EXPECT_TRUE(now.isValid());
    // Unless the test runs across midnight, both name the same day.
    EXPECT_LE(now.dayNumber() - today.dayNumber(), 1);
    EXPECT_GE(now.year, 2024);
}

}  // namespace
