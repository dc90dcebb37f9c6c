// The standard contents of a new period file: the chart of accounts the
// program's lookups and statements rely on, the industry sets, the rate and
// era tables, the deposit kinds and the bank and branch master.

#include "periodfile/StandardContents.h"
#include "periodfile/SchemaFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace periodfile::testing {
namespace {

class StandardContentsTest : public SchemaFixture {
protected:
    void SetUp() override
    {
        SchemaFixture::SetUp();
        insertStandardContents(db);
    }

    struct Account {
        std::string code, name, side, major, middle, minor, inUse;
    };

    // The accounts in the order of a saved query.
    std::vector<Account> accounts(const std::string& query)
    {
        std::vector<Account> rows;
        sqlite3_stmt* st = nullptr;
        const std::string sql =
            "SELECT 勘定科目コード, 勘定科目名, 借貸区分, 大分類, 中分類, 小分類, 適用 FROM " + query;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            Account a;
            std::string* fields[] = {&a.code, &a.name, &a.side, &a.major, &a.middle, &a.minor, &a.inUse};
            for (int i = 0; i < 7; ++i) {
                const unsigned char* text = sqlite3_column_text(st, i);
                *fields[i] = text ? reinterpret_cast<const char*>(text) : "<NULL>";
            }
            rows.push_back(a);
        }
        sqlite3_finalize(st);
        return rows;
    }
};

// Names the program turns into codes, and whether it needs them in use.
struct LookedUpName {
    const char* name;
    bool mustBeInUse;
};

constexpr LookedUpName kLookedUpNames[] = {
    {"現金", true},     {"当座預金", true},   {"普通預金", true},   {"通知預金", false},  {"売掛金", true},
    {"買掛金", true},   {"仮払消費税", true}, {"仮受消費税", true}, {"未払消費税", true}, {"仮払金", true},
    {"雑収入", true},   {"租税公課", true},   {"減価償却費", true}, {"法定福利費", true}, {"役員報酬", true},
    {"給与手当", true}, {"雑給", true},       {"賞与", true},       {"役員賞与", true},   {"預り金", true},
    {"諸口", true},
};

TEST_F(StandardContentsTest, EveryNameTheProgramLooksUpIsThereOnce)
{
    for (const LookedUpName& looked : kLookedUpNames) {
        const std::string name = looked.name;
        EXPECT_EQ(single("SELECT count(*) FROM Q_勘定科目コード表 WHERE 勘定科目名 = '" + name + "'"), "1") << name;
        if (looked.mustBeInUse) {
            EXPECT_EQ(single("SELECT count(*) FROM Q_使用勘定科目表 WHERE 勘定科目名 = '" + name + "'"), "1") << name;
        }
        EXPECT_EQ(single("SELECT 名称変更不可 FROM 勘定科目コード表 WHERE 勘定科目名 = '" + name + "'"), "1") << name;
    }
}

TEST_F(StandardContentsTest, ClassesTheBooksAndTaxEntriesTestHoldTheirAccounts)
{
    struct Case {
        const char* name;
        const char* minor;
    };
    const Case cases[] = {
        {"買掛金", "他流動負債"}, {"売掛金", "売上債権"},   {"売上高", "売上高"},     {"仕入高", "売上原価"},
        {"現金", "現金預金"},     {"当座預金", "現金預金"}, {"普通預金", "現金預金"}, {"通知預金", "現金預金"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(single(std::string("SELECT 小分類 FROM Q_勘定科目コード表 WHERE 勘定科目名 = '") + c.name + "'"),
                  c.minor)
            << c.name;
    // Purchases and sales bear tax (month-end entries and the settlement rely on the flags).
    EXPECT_EQ(single("SELECT 消費税 FROM 勘定科目コード表 WHERE 勘定科目名 = '売上高'"), "1");
    EXPECT_EQ(single("SELECT 消費税 FROM 勘定科目コード表 WHERE 勘定科目名 = '仕入高'"), "1");
    EXPECT_EQ(single("SELECT 消費税 FROM 勘定科目コード表 WHERE 勘定科目名 = '給与手当'"), "0");
    // The fixed-asset and lease tabs offer the in-use accounts of this class.
    EXPECT_GE(std::stoi(single("SELECT count(*) FROM Q_使用勘定科目表 WHERE 小分類 = '有形固定資産'")), 3);
}

TEST_F(StandardContentsTest, NamesAreUniqueInTheChartAndInEveryIndustrySet)
{
    EXPECT_TRUE(column("SELECT 勘定科目名 FROM 勘定科目コード表 GROUP BY 勘定科目名 HAVING count(*) > 1").empty());
    EXPECT_TRUE(column("SELECT 勘定科目名 FROM 勘定科目コード表 WHERE 勘定科目名 = ''").empty());
    for (std::string_view industryName : kIndustryNameColumns) {
        const std::string c(industryName);
        EXPECT_TRUE(column("SELECT " + c + " FROM 勘定科目コード表 GROUP BY " + c + " HAVING count(*) > 1").empty())
            << c;
        EXPECT_TRUE(column("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE " + c + " = ''").empty()) << c;
    }
}

TEST_F(StandardContentsTest, CodesAreThreeDigits)
{
    EXPECT_TRUE(column("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE length(勘定科目コード) <> 3"
                       " OR 勘定科目コード GLOB '*[^0-9]*'")
                    .empty());
}

TEST_F(StandardContentsTest, NatureMatchesTheStatementSection)
{
    const std::map<std::string, std::string> sideOfGroup = {
        {"売上高", "1"},     {"仕入高", "0"},     {"売上原価", "0"}, {"製造原価", "0"}, {"販売管理費", "0"},
        {"営業外収益", "1"}, {"営業外費用", "0"}, {"特別利益", "1"}, {"特別損失", "0"},
    };
    // Manufacturing accounts the report subtracts are credit-natured.
    const std::set<std::string> creditManufacturing = {"原材料仕入れ値引き戻し高", "期末原材料棚卸高",
                                                       "期末仕掛品棚卸高"};
    for (const Account& a : accounts("Q_勘定科目コード表")) {
        if (a.major == "資産の部") {
            EXPECT_EQ(a.side, "0") << a.name;
        } else if (a.major == "負債の部" || a.major == "資本の部") {
            EXPECT_EQ(a.side, "1") << a.name;
        } else if (a.middle == "製造原価") {
            EXPECT_EQ(a.side, creditManufacturing.count(a.minor) ? "1" : "0") << a.name;
        } else if (a.major == "経常損益" || a.major == "特別損益") {
            ASSERT_TRUE(sideOfGroup.count(a.minor)) << a.name << " has no statement group";
            EXPECT_EQ(a.side, sideOfGroup.at(a.minor)) << a.name;
        } else {
            EXPECT_EQ(a.major, "決算") << a.name;
            EXPECT_EQ(a.side, a.middle == "決算２" ? "1" : "0") << a.name;
        }
    }
}

// The statements walk the accounts in use in their query's order: sections
// in order, each class together, the profit-and-loss groups in statement
// order. That must hold for every industry's choice of accounts, so it is
// checked on the whole chart.
TEST_F(StandardContentsTest, CodeOrderIsTheStatementOrder)
{
    const std::vector<std::string> sections = {"資産の部", "負債の部", "資本の部", "損益", "決算"};
    const std::vector<std::string> groups = {"売上高",     "仕入高",     "売上原価", "製造原価", "販売管理費",
                                             "営業外収益", "営業外費用", "特別利益", "特別損失"};
    auto sectionOf = [](const Account& a) {
        return a.major == "経常損益" || a.major == "特別損益" ? std::string("損益") : a.major;
    };
    auto rank = [](const std::vector<std::string>& order, const std::string& value) {
        return static_cast<int>(std::find(order.begin(), order.end(), value) - order.begin());
    };

    const std::vector<Account> chart = accounts("Q_勘定科目コード表");
    ASSERT_FALSE(chart.empty());
    int lastSection = 0;
    int lastGroup = 0;
    std::set<std::string> closedMiddles;
    std::string middle;  // section and 中分類 of the previous account
    bool seenSpecial = false;
    for (const Account& a : chart) {
        const int section = rank(sections, sectionOf(a));
        ASSERT_LT(section, static_cast<int>(sections.size())) << a.name << ": 大分類 " << a.major;
        EXPECT_GE(section, lastSection) << a.name;
        lastSection = section;
        // Each 中分類 together (a class met again after another would split its subtotal).
        const std::string key = sectionOf(a) + "/" + a.middle;
        if (key != middle) {
            EXPECT_FALSE(closedMiddles.count(key)) << a.name << " splits " << a.middle;
            if (!middle.empty())
                closedMiddles.insert(middle);
            middle = key;
        }
        if (sectionOf(a) == "損益") {
            EXPECT_FALSE(seenSpecial && a.major == "経常損益") << a.name;
            seenSpecial = seenSpecial || a.major == "特別損益";
            const int group = rank(groups, a.minor);
            if (group < static_cast<int>(groups.size())) {
                EXPECT_GE(group, lastGroup) << a.name;
                lastGroup = group;
            } else {
                EXPECT_EQ(a.middle, "製造原価") << a.name << " falls in no statement group";
            }
        }
        if (a.major == "資産の部" || a.major == "負債の部" || a.major == "資本の部") {
            EXPECT_NE(a.middle, "") << a.name;
            EXPECT_NE(a.minor, "") << a.name;
        }
    }
    EXPECT_EQ(sectionOf(chart.back()), "決算");
    EXPECT_EQ(chart.back().name, "諸口");
    // 決算１ before 決算２, and the first account after the run is a closing one.
    EXPECT_LT(single("SELECT min(勘定科目コード) FROM 勘定科目コード表 WHERE 中分類 = '決算２'"),
              single("SELECT min(勘定科目コード) FROM 勘定科目コード表 WHERE 中分類 = '諸口'"));
    EXPECT_LT(single("SELECT max(勘定科目コード) FROM 勘定科目コード表 WHERE 中分類 = '決算１'"),
              single("SELECT min(勘定科目コード) FROM 勘定科目コード表 WHERE 中分類 = '決算２'"));
    // A non-cash asset follows the cash accounts in their group.
    EXPECT_NE(single("SELECT 小分類 FROM Q_使用勘定科目表 WHERE 勘定科目コード > (SELECT max(勘定科目コード)"
                     " FROM Q_使用勘定科目表 WHERE 小分類 = '現金預金') LIMIT 1"),
              "現金預金");
}

TEST_F(StandardContentsTest, ManufacturingSetCoversThePrintedCostReport)
{
    const std::vector<std::string> minors = {"期首原材料棚卸高", "原材料仕入高",    "原材料仕入れ値引き戻し高",
                                             "期末原材料棚卸高", "労務費",          "経費",
                                             "期首仕掛品棚卸高", "期末仕掛品棚卸高"};
    for (const std::string& minor : minors)
        EXPECT_GE(std::stoi(single("SELECT count(*) FROM 勘定科目コード表 WHERE 中分類 = '製造原価' AND 製造使用 = 1"
                                   " AND 小分類 = '"
                                   + minor + "'")),
                  1)
            << minor;
    // Not in use in the standard set: a trading company's statements leave them out.
    EXPECT_EQ(single("SELECT count(*) FROM Q_使用勘定科目表 WHERE 中分類 = '製造原価'"), "0");
}

TEST_F(StandardContentsTest, IndustrySetsKeepTheStandardSetAndTheLookedUpNames)
{
    EXPECT_EQ(single("SELECT count(*) FROM 勘定科目コード表 WHERE 標準勘定科目名 <> 勘定科目名 OR 標準使用 <> 適用"),
              "0");
    for (std::string_view column : kIndustryNameColumns)
        for (const LookedUpName& looked : kLookedUpNames)
            EXPECT_EQ(single("SELECT count(*) FROM 勘定科目コード表 WHERE " + std::string(column) + " = '" + looked.name
                             + "'"),
                      "1")
                << column << " " << looked.name;
    // Every industry sells and buys under some name, and some rename their sales.
    EXPECT_EQ(single("SELECT 建設業勘定科目名 FROM 勘定科目コード表 WHERE 勘定科目名 = '売上高'"), "完成工事高");
    EXPECT_EQ(single("SELECT 医療勘定科目名 FROM 勘定科目コード表 WHERE 勘定科目名 = '売上高'"), "医業収益");
}

TEST_F(StandardContentsTest, CreditSideCopyMatchesTheChart)
{
    EXPECT_EQ(single("SELECT count(*) FROM 勘定科目コード表"), single("SELECT count(*) FROM 勘定科目コード表2"));
    EXPECT_EQ(
        single("SELECT count(*) FROM 勘定科目コード表 AS a JOIN 勘定科目コード表2 AS b"
               " ON b.勘定科目コード2 = a.勘定科目コード AND b.勘定科目名2 = a.勘定科目名 AND b.消費税2 = a.消費税"
               " AND b.簡易課税2 = a.簡易課税 AND b.大分類2 = a.大分類 AND b.中分類2 = a.中分類"
               " AND b.小分類2 = a.小分類"),
        single("SELECT count(*) FROM 勘定科目コード表"));
}

TEST_F(StandardContentsTest, TaxRatesRunInDateOrderWithTheChangeOf2019)
{
    EXPECT_EQ(column("SELECT 日付 || ' ' || 税率 || ' ' || 簡易税率 FROM Q_消費税率"),
              (std::vector<std::string>{"1989-04-01 3 3", "1997-04-01 5 5", "2014-04-01 8 8", "2019-10-01 10 10"}));
}

TEST_F(StandardContentsTest, ErasRunInDateOrder)
{
    EXPECT_EQ(column("SELECT 年号 || ' ' || 和暦名称 FROM Q_年号コード"),
              (std::vector<std::string>{"1868-10-23 明治", "1912-07-30 大正", "1926-12-25 昭和", "1989-01-08 平成",
                                        "2019-05-01 令和"}));
}

TEST_F(StandardContentsTest, DepositKindsAreCashAndDepositAccounts)
{
    const std::vector<std::string> kinds = column("SELECT 種別 FROM 預金種別");
    EXPECT_GE(kinds.size(), 3u);
    for (const std::string& kind : kinds)
        EXPECT_EQ(single("SELECT 小分類 FROM 勘定科目コード表 WHERE 勘定科目名 = '" + kind + "'"), "現金預金") << kind;
    EXPECT_EQ(single("SELECT count(*) FROM 預金種別 WHERE 種別 = '普通預金'"), "1");
}

TEST_F(StandardContentsTest, BankMasterHoldsWellFormedCodes)
{
    EXPECT_TRUE(column("SELECT 銀行コード FROM 銀行コードﾏｽﾀｰ WHERE length(銀行コード) <> 4").empty());
    EXPECT_TRUE(column("SELECT 支店コード FROM 支店コードﾏｽﾀｰ WHERE length(支店コード) <> 7"
                       " OR substr(支店コード, 1, 4) <> 銀行コード OR substr(支店コード, 5) GLOB '*[^0-9]*'")
                    .empty());
    EXPECT_EQ(single("SELECT count(*) FROM Q_支店コードﾏｽﾀｰ WHERE 銀行名 IS NULL"), "0");
    EXPECT_GE(column("SELECT 銀行名 FROM Q_使用銀行").size(), 1u);
    // Branch names are looked up among the branches in use, first match wins.
    const std::vector<std::string> used = column("SELECT 支店名 FROM Q_使用銀行支店");
    EXPECT_GE(used.size(), 1u);
    EXPECT_EQ(std::set<std::string>(used.begin(), used.end()).size(), used.size());
    // A branch in use belongs to a bank in use.
    EXPECT_EQ(single("SELECT count(*) FROM Q_使用銀行支店 WHERE 銀行コード NOT IN (SELECT 銀行コード FROM Q_使用銀行)"),
              "0");
}

}  // namespace
}  // namespace periodfile::testing
