// Criteria texts as FindFirst receives them: parsing, matching against a row,
// and the comparison they share with the engine.
#include "platform/dao/Criteria.h"
#include "platform/dao/DaoError.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using dao::compareValues;
using dao::Criteria;
using dao::DaoError;
using dao::Date;
using dao::Value;

namespace {

// One row of a recordset, read by field name; a missing field is a test error.
class Row {
public:
    Row(std::initializer_list<std::pair<const std::string, Value>> fields) : m_fields(fields) {}

    Criteria::FieldReader reader() const
    {
        return [this](const std::string& name) {
            auto it = m_fields.find(name);
            if (it == m_fields.end()) {
                ADD_FAILURE() << "unknown field " << name;
                return Value();
            }
            return it->second;
        };
    }

private:
    std::map<std::string, Value> m_fields;
};

bool matches(const std::string& criteria, const Row& row)
{
    return Criteria::parse(criteria).matches(row.reader());
}

// ---------------------------------------------------------------- compareValues

TEST(CompareValues, ComparesLikeTheEngine)
{
    struct Case {
        Value a;
        Value b;
        int expected;
    };
    const std::vector<Case> cases = {
        {Value(2), Value(10), -1},
        {Value(10), Value(10.0), 0},
        {Value(2.5), Value(2), 1},
        {Value(10), Value("9"), 1},  // number beside a numeric text: numerically
        {Value("1,000"), Value(1000), 0},
        {Value("10"), Value("9"), -1},    // two texts stay texts
        {Value("abc"), Value("ABC"), 0},  // ASCII letters in either case
        {Value("Ａ"), Value("ａ"), -1},   // full-width letters are not folded
        {Value("現金"), Value("現金"), 0},
        {Value("現金"), Value("預金"), -1},
        {Value("a"), Value("ab"), -1},
        {Value(Date{2024, 4, 1}), Value(Date{2024, 3, 31}), 1},
        {Value(Date{2024, 4, 1}), Value("2024/4/1"), 0},  // date beside a date text: by date
        {Value("2024-04-01"), Value(Date{2024, 4, 1}), 0},
        {Value(Date{2024, 4, 10}), Value("2024/4/9"), 1},  // not "2024/4/10" < "2024/4/9" as texts
        {Value(Date{2024, 4, 1, 9, 0, 0}), Value(Date{2024, 4, 1}), 1},
        {Value(true), Value(-1), 0},
        {Value(true), Value("True"), 0},
        {Value(false), Value(0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.toText() + " vs " + c.b.toText());
        auto r = compareValues(c.a, c.b);
        ASSERT_TRUE(r);
        EXPECT_EQ((*r > 0) - (*r < 0), c.expected);
    }
}

TEST(CompareValues, NullComparesWithNothing)
{
    EXPECT_FALSE(compareValues(Value(), Value()));
    EXPECT_FALSE(compareValues(Value(), Value("")));
    EXPECT_FALSE(compareValues(Value(0), Value()));
}

// ---------------------------------------------------------------- matching

TEST(CriteriaMatch, TheProgramsOwnSearches)
{
    const Row account{{"勘定科目名", Value("現金")}, {"勘定科目コード", Value("101")}, {"大分類", Value("資産の部")}};
    const Row bank{{"銀行コード", Value("0001")}, {"支店コード", Value("0001001")}};
    struct Case {
        std::string criteria;
        const Row* row;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"勘定科目名 = '現金'", &account, true},
        {"勘定科目名 = '預金'", &account, false},
        {"勘定科目コード = '101'", &account, true},
        {"勘定科目コード = '0101'", &account, false},  // codes are texts: no numeric reading
        {"大分類 = '負債の部'", &account, false},
        {"銀行コード = '0001' AND 支店コード = '0001001'", &bank, true},
        {"銀行コード = '0001' AND 支店コード = '0001002'", &bank, false},
        {"銀行コード = '0001' and 支店コード = '0001001'", &bank, true},
        {"[銀行コード] = '0001'", &bank, true},
        {"銀行コード='0001'AND 支店コード='0001001'", &bank, true},  // a quote ends a literal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criteria);
        EXPECT_EQ(matches(c.criteria, *c.row), c.expected);
    }
}

TEST(CriteriaMatch, QuotesInsideNamesAreFound)
{
    const Row partner{{"取引先名", Value("O'Brien商店")}};
    EXPECT_TRUE(matches("取引先名 = 'O''Brien商店'", partner));
    EXPECT_FALSE(matches("取引先名 = 'O''Brien'", partner));
    EXPECT_TRUE(matches("取引先名 = \"O'Brien商店\"", partner));
    const Row quoted{{"摘要", Value("\"特\"売上")}};
    EXPECT_TRUE(matches("摘要 = '\"特\"売上'", quoted));
    EXPECT_TRUE(matches("摘要 = \"\"\"特\"\"売上\"", quoted));
    const Row onlyQuote{{"摘要", Value("'")}};
    EXPECT_TRUE(matches("摘要 = ''''", onlyQuote));
}

TEST(CriteriaMatch, AndBindsTighterThanOrAndParenthesesRegroup)
{
    // a = 1, b = 0, c = 0
    const Row row{{"a", Value(1)}, {"b", Value(0)}, {"c", Value(0)}};
    struct Case {
        const char* criteria;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"a = 1 Or b = 1 And c = 1", true},  // a Or (b And c)
        {"(a = 1 Or b = 1) And c = 1", false},
        {"b = 1 And c = 1 Or a = 1", true},
        {"b = 1 And (c = 1 Or a = 1)", false},
        {"Not a = 1", false},
        {"Not b = 1 And Not c = 1", true},
        {"Not (b = 1 Or a = 1)", false},
        {"NOT NOT a = 1", true},
        {"((a = 1))", true},
        {"a <> 1 OR b <> 1", true},
        {"a >= 1 And a <= 1 And a > 0 And a < 2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criteria);
        EXPECT_EQ(matches(c.criteria, row), c.expected);
    }
}

TEST(CriteriaMatch, BareFieldsAndTruthLiterals)
{
    const Row closing{{"決算仕訳", Value(true)}, {"小分類", Value("売上高")}, {"小分類2", Value("現金")}};
    const Row normal{{"決算仕訳", Value(false)}, {"小分類", Value("現金")}, {"小分類2", Value("売上高")}};
    const char* criteria = "(小分類 = '売上高' Or 小分類2 = '売上高') And Not 決算仕訳";
    EXPECT_FALSE(matches(criteria, closing));
    EXPECT_TRUE(matches(criteria, normal));
    EXPECT_TRUE(matches("決算仕訳 = True", closing));
    EXPECT_TRUE(matches("決算仕訳 = false", normal));
    EXPECT_TRUE(matches("決算仕訳 = -1", closing));
    EXPECT_TRUE(matches("決算仕訳", closing));
}

TEST(CriteriaMatch, NullFieldsMatchOnlyIsNull)
{
    const Row row{{"銀行名", Value()}, {"摘要", Value("")}, {"決算仕訳", Value()}};
    struct Case {
        const char* criteria;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"銀行名 = ''", false},
        {"銀行名 <> ''", false},
        {"銀行名 < 'z'", false},
        {"Not 銀行名 = ''", false},  // unknown stays unknown under Not
        {"銀行名 Like '*'", false},
        {"銀行名 Is Null", true},
        {"銀行名 IS NOT NULL", false},
        {"摘要 Is Null", false},  // an empty text is no null
        {"摘要 = ''", true},
        {"摘要 Is Not Null", true},
        {"銀行名 = '' Or 摘要 = ''", true},  // unknown Or true
        {"銀行名 = '' And 摘要 = ''", false},
        {"Not 決算仕訳", false},
        {"銀行名 = Null", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criteria);
        EXPECT_EQ(matches(c.criteria, row), c.expected);
    }
}

TEST(CriteriaMatch, NumbersAndDates)
{
    const Row row{{"入金", Value(1000)},
                  {"日付", Value(Date{2024, 4, 10})},
                  {"金額文字", Value("1,000")},
                  {"日付文字", Value("2024/4/10")}};
    struct Case {
        const char* criteria;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"入金 = 1000", true},
        {"入金 = 1000.0", true},
        {"入金 = '1000'", true},
        {"入金 > 999.5", true},
        {"入金 > -5", true},
        {"入金 < 1e3", false},
        {"金額文字 = 1000", true},
        {"日付 = #2024/4/10#", true},
        {"日付 > #2024/4/9#", true},
        {"日付 >= #2024-04-11#", false},
        {"日付 = '2024/4/10'", true},
        {"日付文字 = #2024/4/10#", true},
        {"日付 > #2024/4/1# And 日付 < #2024/5/1#", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criteria);
        EXPECT_EQ(matches(c.criteria, row), c.expected);
    }
}

TEST(CriteriaMatch, LikeWorksOnCharactersInEitherAsciiCase)
{
    struct Case {
        const char* value;
        const char* pattern;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"雑給賞与", "*賞与", true},
        {"賞与", "*賞与", true},
        {"雑給", "*賞与", false},
        {"売上高", "売上?", true},  // ? is one character, not one byte
        {"売上高", "売?", false},
        {"売上高", "??", false},
        {"売上高", "???", true},
        {"売上高", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"ABC商店", "abc*", true},
        {"ａｂｃ", "ABC", false},  // full-width letters stay as they are
        {"口座123", "口座###", true},
        {"口座12A", "口座###", false},
        {"口座１２３", "口座###", false},  // # is an ASCII digit
        {"a*b", "a*b", true},
        {"aXXbYYb", "a*b", true},
        {"aXXbYYc", "a*b", false},
        {"東京都港区", "*京*港*", true},
        {"東京都港区", "*港*京*", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " Like " + c.pattern);
        const Row row{{"名称", Value(c.value)}};
        EXPECT_EQ(matches(std::string("名称 Like '") + c.pattern + "'", row), c.expected);
        EXPECT_EQ(matches(std::string("名称 Not Like '") + c.pattern + "'", row), !c.expected);
    }
}

TEST(CriteriaFields, ListsEachNameOnceInOrder)
{
    const Criteria c =
        Criteria::parse("(小分類 = '売上高' Or 小分類2 = '売上高') And Not 決算仕訳 And [小分類] <> 'x'");
    EXPECT_EQ(c.fieldNames(), (std::vector<std::string>{"小分類", "小分類2", "決算仕訳"}));
    EXPECT_EQ(Criteria::parse("[取引 先] = 'a'").fieldNames(), (std::vector<std::string>{"取引 先"}));
}

// ---------------------------------------------------------------- syntax errors

TEST(CriteriaSyntax, BadTextsAreSyntaxErrorsQuotingTheText)
{
    const std::vector<std::string> bad = {
        "",
        "   ",
        "勘定科目名 = '現金",  // unterminated literal
        "勘定科目名 = \"現金",
        "勘定科目名 == '現金'",  // unknown operators
        "勘定科目名 != '現金'",
        "勘定科目名 =< '現金'",
        "勘定科目名 = '現金' xyz",  // trailing junk
        "勘定科目名 = '現金' '預金'",
        "勘定科目名 = '現金')",
        "(勘定科目名 = '現金'",
        "勘定科目名 =",
        "勘定科目名 = '現金' And",
        "And 勘定科目名 = '現金'",
        "日付 = #2024/2/30#",
        "日付 = #2024/4/1",
        "[勘定科目名 = '現金'",
        "勘定科目名 Is '現金'",
        "勘定科目名 Not '現金'",
        "()",
        "入金 = 1,000",
    };
    for (const auto& text : bad) {
        SCOPED_TRACE(text);
        try {
            (void)Criteria::parse(text);
            ADD_FAILURE() << "parsed without error";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::Syntax);
            EXPECT_NE(std::string(e.what()).find("「" + text + "」"), std::string::npos) << e.what();
        }
    }
}

TEST(CriteriaSyntax, MessageNamesThePlaceInCharacters)
{
    try {
        (void)Criteria::parse("勘定科目名 = '現金");
        FAIL() << "no error";
    } catch (const DaoError& e) {
        // The literal starts at the 9th character (the name counts 5, not 15 bytes).
        EXPECT_NE(std::string(e.what()).find("9文字目"), std::string::npos) << e.what();
    }
}

// Each level of parentheses or Not costs the parser a level of the stack: a text
// nested deeper than the limit is refused with the parser's message (its
// beginning quoted), never a crash; long And/Or runs are no nesting at all.
TEST(CriteriaSyntax, NestingIsLimitedAndDeeperTextsAreRefused)
{
    auto nested = [](int depth, const std::string& open, const std::string& close) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += open;
        text += "入金 = 1";
        for (int i = 0; i < depth; ++i)
            text += close;
        return text;
    };
    const Row row{{"入金", Value(1)}};
    EXPECT_TRUE(matches(nested(64, "(", ")"), row));
    EXPECT_TRUE(matches(nested(64, "Not ", ""), row));  // an even number of Nots

    struct Case {
        const char* name;
        std::string text;
    };
    const Case refused[] = {
        {"65 parentheses", nested(65, "(", ")")},
        {"100000 parentheses", nested(100000, "(", ")")},
        {"100000 unclosed parentheses", std::string(100000, '(')},
        {"100000 Nots", nested(100000, "Not ", "")},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        try {
            (void)Criteria::parse(c.text);
            ADD_FAILURE() << "parsed without error";
        } catch (const DaoError& e) {
            const std::string message = e.what();
            EXPECT_EQ(e.code(), DaoError::Code::Syntax);
            EXPECT_NE(message.find("深すぎます（64 段まで）"), std::string::npos) << message.substr(0, 300);
            EXPECT_EQ(message.rfind("抽出条件「" + c.text.substr(0, 60) + "…」の", 0), 0u) << message.substr(0, 300);
            EXPECT_LT(message.size(), 400u);
        }
    }

    std::string text = "入金 = 2";
    for (int i = 0; i < 50000; ++i)
        text += " Or 入金 = 0 And 入金 <> 1";
    const Criteria run = Criteria::parse(text);
    EXPECT_FALSE(run.matches(row.reader()));
    EXPECT_TRUE(run.matches(Row{{"入金", Value(0)}}.reader()));
}

}  // namespace
