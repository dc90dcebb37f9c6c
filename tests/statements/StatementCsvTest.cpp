// The two CSV files: their bytes (code page 932, CR LF, every name quoted,
// eight lines), a name Shift-JIS cannot hold, a failed write, the pair
// replaced together or not at all.
#include "StatementsFixture.h"

#include "statements/StatementAccounts.h"
#include "statements/StatementCsv.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <set>

using namespace statementstest;

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string cp932(const std::string& utf8)
{
    const auto bytes = statements::ToCp932(utf8);
    EXPECT_TRUE(bytes) << utf8;
    return bytes.value_or("");
}

}  // namespace

TEST(StatementCsv, BothFilesOfTheFixtureCompanyByteForByte)
{
    StatementsFixture fx;
    fx.execute("UPDATE \"勘定科目コード表\" SET \"勘定科目名\" = '売掛金,\"東\"' WHERE \"勘定科目コード\" = '110'");
    fx.execute(
        "UPDATE \"勘定科目コード表\" SET \"予算管理\" = 4500, \"前3決算残高\" = -20 WHERE \"勘定科目コード\" = '101'");
    fx.execute("UPDATE \"勘定科目コード表\" SET \"前年決算残高\" = 9000 WHERE \"勘定科目コード\" = '400'");
    fx.recompute();
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    ASSERT_EQ(statements::WriteStatementCsvFiles(accounts, fx.dir().string()), "");

    const std::string bs =
        "\"現金\",\"普通預金\",\"売掛金,\"\"東\"\"\",\"原材料\",\"仕掛品\",\"建物\",\"買掛金\",\"未払金\","
        "\"未払法人税等\",\"資本金\",\"利益準備金\"\r\n"
        "\"3000\",\"6070\",\"4000\",\"250\",\"150\",\"9000\",\"3000\",\"600\",\"900\",\"14500\",\"500\"\r\n"
        "\"0\",\"4500\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
        "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
        "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
        "\"0\",\"-20\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
        "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
        "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n";
    EXPECT_EQ(readFile(fx.dir() / "貸借対照表.csv"), cp932(bs));

    // Only 経常損益, not 特別損益 nor the closing classes.
    const char* names[] = {"売上高",           "仕入高",           "外注原価", "期首原材料棚卸高", "原材料仕入高",
                           "原材料値引戻し高", "期末原材料棚卸高", "賃金",     "外注加工費",       "期首仕掛品棚卸高",
                           "期末仕掛品棚卸高", "給与手当",         "荷造運賃", "受取利息",         "支払利息"};
    const char* balances[] = {"10000", "3000", "400", "400",  "1200", "200", "250", "900",
                              "600",   "100",  "150", "1500", "300",  "50",  "80"};
    std::string pl, closing, zeros, lastYear;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::string comma = i ? "," : "";
        pl += comma + "\"" + names[i] + "\"";
        closing += comma + "\"" + balances[i] + "\"";
        zeros += comma + "\"0\"";
        lastYear += comma + (i == 0 ? "\"9000\"" : "\"0\"");
    }
    const std::string plFile = pl + "\r\n" + closing + "\r\n" + zeros + "\r\n" + lastYear + "\r\n" + zeros + "\r\n"
        + zeros + "\r\n" + zeros + "\r\n" + zeros + "\r\n";
    EXPECT_EQ(readFile(fx.dir() / "損益計算書.csv"), cp932(plFile));

    // Run again: both files replaced, nothing left beside them.
    ASSERT_EQ(statements::WriteStatementCsvFiles(accounts, fx.dir().string()), "");
    int csvFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fx.dir()))
        csvFiles += entry.path().filename().string().find(".csv") != std::string::npos;
    EXPECT_EQ(csvFiles, 2);
}

TEST(StatementCsv, AFileWithoutListedAccountsIsEmpty)
{
    StatementsFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    fx.execute("UPDATE \"勘定科目コード表\" SET \"期首残高\" = 0");
    fx.recompute();
    ASSERT_EQ(statements::WriteStatementCsvFiles(statements::ReadStatementAccounts(*fx.db()), fx.dir().string()), "");
    EXPECT_TRUE(std::filesystem::exists(fx.dir() / "貸借対照表.csv"));
    EXPECT_EQ(std::filesystem::file_size(fx.dir() / "貸借対照表.csv"), 0u);
    EXPECT_EQ(std::filesystem::file_size(fx.dir() / "損益計算書.csv"), 0u);
}

TEST(StatementCsv, ANameShiftJisCannotHoldIsNamedAndNothingIsWritten)
{
    StatementsFixture fx;
    fx.execute("UPDATE \"勘定科目コード表\" SET \"勘定科目名\" = '𠮷野建物' WHERE \"勘定科目コード\" = '140'");
    fx.recompute();
    EXPECT_EQ(statements::WriteStatementCsvFiles(statements::ReadStatementAccounts(*fx.db()), fx.dir().string()),
              "勘定科目「𠮷野建物」の名前にシフトJISで表せない文字があるため、ＣＳＶファイルを作成できません");
    EXPECT_FALSE(std::filesystem::exists(fx.dir() / "貸借対照表.csv"));
    EXPECT_FALSE(std::filesystem::exists(fx.dir() / "損益計算書.csv"));
}

TEST(StatementCsv, AFailedWriteIsNamedAndLeavesTheOldFileWhole)
{
    StatementsFixture fx;
    fx.recompute();
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    std::ofstream(fx.dir() / "貸借対照表.csv", std::ios::binary) << "old";
    std::filesystem::create_directory(fx.dir() / "損益計算書.csv");  // cannot be replaced by a file
    const std::string path = (fx.dir() / "損益計算書.csv").string();
    EXPECT_EQ(statements::WriteStatementCsvFiles(accounts, fx.dir().string()),
              "ＣＳＶファイル「" + path + "」を書き込めませんでした");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(fx.dir()))
        ++entries;
    EXPECT_EQ(entries, 3);  // the period file, the balance-sheet file, the directory
}

namespace {

// The two files are a pair: when either cannot be written or put in place,
// neither old file is replaced, and nothing is left beside them. A directory
// standing where a file or its temporary file must go makes the write fail as
// a full disk would.
struct PairFailure {
    const char* name;
    const char* blocked;  // the file whose temporary file, or place, is taken by a directory
    bool atItsPlace;      // the place itself, not the temporary file
};

void PrintTo(const PairFailure& c, std::ostream* out)
{
    *out << c.name;
}

class StatementCsvPair : public ::testing::TestWithParam<PairFailure> {};

INSTANTIATE_TEST_SUITE_P(Failures, StatementCsvPair,
                         ::testing::Values(PairFailure{"first cannot be written", "貸借対照表.csv", false},
                                           PairFailure{"second cannot be written", "損益計算書.csv", false},
                                           PairFailure{"second cannot be put in place", "損益計算書.csv", true}),
                         testsupport::kCaseName);

std::set<std::string> namesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

TEST_P(StatementCsvPair, ReplacesNeitherFile)
{
    const PairFailure& c = GetParam();
    StatementsFixture fx;
    fx.recompute();
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    const std::filesystem::path blocked = fx.dir() / c.blocked;
    for (const char* name : {"貸借対照表.csv", "損益計算書.csv"})
        if (!(c.atItsPlace && blocked == fx.dir() / name))
            std::ofstream(fx.dir() / name, std::ios::binary) << "old " << name;
    const std::filesystem::path directory =
        c.atItsPlace ? blocked : std::filesystem::path(statements::CsvTemporaryPath(blocked.string()));
    std::filesystem::create_directory(directory);
    std::ofstream(directory / "keep") << "x";  // a directory with something in it is never replaced
    const std::set<std::string> before = namesIn(fx.dir());

    EXPECT_EQ(statements::WriteStatementCsvFiles(accounts, fx.dir().string()),
              "ＣＳＶファイル「" + blocked.string() + "」を書き込めませんでした");

    for (const char* name : {"貸借対照表.csv", "損益計算書.csv"}) {
        if (!(c.atItsPlace && blocked == fx.dir() / name)) {
            EXPECT_EQ(readFile(fx.dir() / name), std::string("old ") + name) << name;
        }
    }
    EXPECT_EQ(namesIn(fx.dir()), before);
    std::filesystem::remove_all(directory);
}

TEST(StatementCsv, ThePairReplacesBothOldFilesAndKeepsNoCopy)
{
    StatementsFixture fx;
    fx.recompute();
    for (const char* name : {"貸借対照表.csv", "損益計算書.csv"})
        std::ofstream(fx.dir() / name, std::ios::binary) << "old";
    const std::set<std::string> before = namesIn(fx.dir());
    ASSERT_EQ(statements::WriteStatementCsvFiles(statements::ReadStatementAccounts(*fx.db()), fx.dir().string()), "");
    EXPECT_EQ(namesIn(fx.dir()), before);
    for (const char* name : {"貸借対照表.csv", "損益計算書.csv"})
        EXPECT_NE(readFile(fx.dir() / name), "old") << name;
}

}  // namespace
